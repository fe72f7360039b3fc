// level_report.h — the lines drz check prints for one slot and for the whole file.
#pragma once

#include <string>

#include "engine/generator_check.h"

namespace drz::tool {

// "Platz 0: 401 Vorgaben, Status "Keine Fehler! ", Kopien gleich, Lösungen: 1, gelöst in 2 Durchgängen, ..."
std::string SlotLine(int slot, const BoardJudgement& j, const std::string& status);

}  // namespace drz::tool
