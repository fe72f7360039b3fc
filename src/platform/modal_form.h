// modal_form.h — runs a dialog form the way the game's dialogs run: the main window disabled, the form owned by
// it at a fixed offset, events dispatched one at a time until the form is done (platform files only).
#pragma once

#include <QDialog>
#include <functional>

#include "platform/window.h"

namespace drz::platform {

// Shows `form` with its top-left frame corner dx, dy pixels right of and below the main window's, then dispatches
// events until `done()` is true, the form has been hidden (close box, Escape, accept, reject) or the main window
// is gone. Steps a test queued with QueueDialogSteps are played into the form once it is shown. Afterwards the
// form is hidden and the main window enabled and active again.
void RunModalForm(MainWindow& window, QDialog& form, int dx, int dy, const std::function<bool()>& done = {});

}  // namespace drz::platform
