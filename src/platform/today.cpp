#include "platform/today.h"

#include <QDate>

namespace drz::platform {

std::string TodayDateText() { return QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")).toStdString(); }

}  // namespace drz::platform
