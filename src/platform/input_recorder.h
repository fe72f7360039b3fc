// input_recorder.h — the queue of input the event wait hands to the game, and the rules for recording key releases.
#pragma once

#include <QTimer>
#include <deque>
#include <map>
#include <optional>

#include "platform/events.h"

namespace drz::platform {

struct QueuedInput {
    enum class Kind { Input, Move, Close };
    Kind kind = Kind::Input;
    InputEvent event;
};

// Records what the player does in the order it happened. Key releases are held back for a moment: X11
// auto-repeat may deliver a release that is not marked as repeated, immediately followed by a press of the same
// key; such a pair is dropped. A release whose press was not seen here (the key went to a menu or a dialog)
// is dropped too. A release carries the modifiers that were held when its key was pressed.
class InputRecorder {
public:
    static constexpr int kReleaseHoldMs = 30;

    InputRecorder();

    void KeyPress(int virtualKey, int typedChar, bool autoRepeat, bool alt, int modifiers = 0);
    void KeyRelease(int virtualKey, bool autoRepeat);
    void ButtonPress(Qt::MouseButton button, int x, int y);
    void ButtonRelease(Qt::MouseButton button, int x, int y);
    void Move(int x, int y);
    void Close();
    void Post(const InputEvent& event);  // queued as it is (scripted input, menu commands)
    // A modal dialog took over: the releases of buttons held now go to it, so they count as released.
    void ForgetButtons() { left_ = right_ = middle_ = false; }

    bool Pop(QueuedInput& out);
    bool Empty() const { return queue_.empty() && !pending_; }
    bool LeftDown() const { return left_; }
    bool AnyButtonDown() const { return left_ || right_ || middle_; }
    int PointerX() const { return x_; }  // where the pointer was last seen, screen pixels
    int PointerY() const { return y_; }

private:
    void Queue(QueuedInput::Kind kind, int message, int param);
    void FlushPendingRelease();

    std::deque<QueuedInput> queue_;
    std::map<int, int> pressedKeys_;     // key -> the Modifier bits held when it was pressed
    std::optional<InputEvent> pending_;  // a key release waiting out the hold time
    QTimer releaseTimer_;
    bool left_ = false, right_ = false, middle_ = false;
    int x_ = 0, y_ = 0;
};

}  // namespace drz::platform
