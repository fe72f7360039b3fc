// The clock control drawn over the screen picture.
#include "platform/clock_label.h"

namespace drz::platform {

void ClockLabel::Create(const QRect& area, const QString& text, const QFont& font, const QColor& background) {
    exists_ = true;
    area_ = area;
    text_ = text;
    font_ = font;
    background_ = background;
}

void ClockLabel::Paint(QPainter& painter, bool smooth) const {
    if (!exists_) return;
    painter.save();
    painter.setClipRect(area_);
    painter.fillRect(area_, background_);
    QFont font = font_;
    if (smooth) font.setStyleStrategy(QFont::PreferAntialias);
    painter.setRenderHint(QPainter::TextAntialiasing, smooth);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(area_, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text_);
    painter.restore();
}

}  // namespace drz::platform
