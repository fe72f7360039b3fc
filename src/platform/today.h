// today.h — today's date as the hall of fame writes it.
#pragma once

#include <string>

namespace drz::platform {

// Today's local date as dd.MM.yyyy ("24.12.2026").
std::string TodayDateText();

}  // namespace drz::platform
