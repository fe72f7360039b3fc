// dialog_steps.h — plays a test's queued steps into a shown dialog form as real toolkit events (platform only).
#pragma once

#include <QDialog>
#include <memory>
#include <vector>

#include "platform/dialog_step.h"

namespace drz::platform {

// Plays the steps one per event-loop turn, each as the player would do it. Playing stops when the form is hidden
// or when the caller sets the returned flag to false (the form's run has ended).
std::shared_ptr<bool> PlayDialogSteps(QDialog& form, std::vector<DialogStep> steps);

}  // namespace drz::platform
