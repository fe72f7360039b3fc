// event_source.h — the player's input, one event at a time: the wait every game loop is built on, the pointer and
// its buttons, and the handlers that run inside the wait.
#pragma once

#include <functional>

#include "platform/events.h"

namespace drz::platform {

class EventSource {
public:
    // Blocks until the next input event has been dispatched and returns it. Mouse moves go to the mouse-move
    // handler on the way; a click on the window's close box runs the close handler inside the wait. The window
    // becoming minimised is an event of its own (kWindowMinimized).
    // Throws ProgramExit once the window has been closed, and when it was never opened and no input is queued.
    virtual InputEvent WaitEvent() = 0;
    virtual const InputEvent& LastEvent() const = 0;
    virtual int MouseX() const = 0;  // pointer position of the last move or click, screen pixels
    virtual int MouseY() const = 0;
    // Both take in what the toolkit has pending first, so a polling loop sees the release.
    virtual bool LeftButtonDown() const = 0;
    virtual bool AnyButtonDown() const = 0;  // left, right or middle
    virtual void WaitButtonsReleased() = 0;  // blocks (painting goes on) until no mouse button is held down
    virtual void SetMouseMoveHandler(std::function<void(int x, int y)> handler) = 0;
    virtual void SetCloseHandler(std::function<void()> handler) = 0;

protected:
    ~EventSource() = default;
};

}  // namespace drz::platform
