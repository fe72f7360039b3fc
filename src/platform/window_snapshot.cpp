// Snapshots of the window as the player sees it: the screen picture with the clock label on it.
#include <QPainter>

#include "platform/window_impl.h"

namespace drz::platform {

void MainWindow::Snapshot(Canvas& target) const {
    QImage& image = target.impl().image;
    image = impl_->screen.impl().image.copy();
    QPainter p(&image);
    impl_->clock.Paint(p);
    p.end();
    target.impl().Changed(QRect(0, 0, kScreenWidth, kScreenHeight));
}

bool MainWindow::WriteSnapshotPng(const std::string& path) const {
    Canvas shot;
    Snapshot(shot);
    return shot.WritePng(path);
}

}  // namespace drz::platform
