// test_driver.h — what a test does in place of the player: input queued as if it had come from the window, the
// answers of the next message boxes and dialog forms, and what those showed.
#pragma once

#include <string>
#include <vector>

#include "platform/dialog_step.h"
#include "platform/dialogs.h"
#include "platform/events.h"

namespace drz::platform {

class TestDriver {
public:
    // Queues an event as if it had come from the player (scripted tests, and menu choices made by tests).
    virtual void PostInput(const InputEvent& event) = 0;
    // Queues a pointer move to (x, y) as if the player had moved the mouse there.
    virtual void PostMove(int x, int y) = 0;
    // Asks for the window to be closed as the close box does.
    virtual void RequestClose() = 0;

    // The next message box takes this answer without showing.
    virtual void QueueMessageBoxAnswer(MessageButton button) = 0;
    virtual std::string LastMessageBoxText() const = 0;
    // What the player does in the next dialog form that opens; the form takes the steps once it is shown.
    virtual void QueueDialogSteps(std::vector<DialogStep> steps) = 0;
    virtual std::string LastDialogTitle() const = 0;  // title of the form shown last

protected:
    ~TestDriver() = default;
};

}  // namespace drz::platform
