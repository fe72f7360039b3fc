// Recording of keys, buttons, moves and close requests, with the key-release hold-back.
#include "platform/input_recorder.h"

namespace drz::platform {

InputRecorder::InputRecorder() {
    releaseTimer_.setSingleShot(true);
    releaseTimer_.setInterval(kReleaseHoldMs);
    QObject::connect(&releaseTimer_, &QTimer::timeout, [this] { FlushPendingRelease(); });
}

void InputRecorder::Queue(QueuedInput::Kind kind, int message, int param) {
    queue_.push_back({kind, InputEvent{message, param, x_, y_}});
}

void InputRecorder::FlushPendingRelease() {
    releaseTimer_.stop();
    if (!pending_) return;
    pressedKeys_.erase(pending_->param);
    queue_.push_back({QueuedInput::Kind::Input, *pending_});
    pending_.reset();
}

void InputRecorder::KeyPress(int virtualKey, int typedChar, bool autoRepeat, bool alt, int modifiers) {
    if (pending_ && pending_->param == virtualKey) {
        // A release and a new press of the same key within the hold time: keyboard auto-repeat; still held.
        pending_.reset();
        releaseTimer_.stop();
        autoRepeat = true;
    }
    FlushPendingRelease();
    if (alt) return;  // menu mnemonics; their release is not the game's either
    if (virtualKey != 0 && !autoRepeat) pressedKeys_[virtualKey] = modifiers;
    if (typedChar >= 0) Queue(QueuedInput::Kind::Input, kChar, typedChar);
}

void InputRecorder::KeyRelease(int virtualKey, bool autoRepeat) {
    if (autoRepeat || virtualKey == 0) return;
    const auto pressed = pressedKeys_.find(virtualKey);
    if (pressed == pressedKeys_.end()) return;  // its press went elsewhere
    const int modifiers = pressed->second;
    FlushPendingRelease();
    pending_ = InputEvent{kKeyUp, virtualKey, x_, y_, modifiers};
    releaseTimer_.start();
}

void InputRecorder::ButtonPress(Qt::MouseButton button, int x, int y) {
    FlushPendingRelease();
    x_ = x, y_ = y;
    if (button == Qt::LeftButton) {
        left_ = true;
        Queue(QueuedInput::Kind::Input, kLeftButtonDown, 1);
    } else if (button == Qt::RightButton) {
        right_ = true;
        Queue(QueuedInput::Kind::Input, kRightButtonDown, 2);
    } else if (button == Qt::MiddleButton) {
        middle_ = true;
    }
}

void InputRecorder::ButtonRelease(Qt::MouseButton button, int x, int y) {
    x_ = x, y_ = y;
    if (button == Qt::LeftButton) left_ = false;
    if (button == Qt::RightButton) right_ = false;
    if (button == Qt::MiddleButton) middle_ = false;
}

void InputRecorder::Move(int x, int y) {
    if (x == x_ && y == y_) return;
    x_ = x, y_ = y;
    if (!pending_ && !queue_.empty() && queue_.back().kind == QueuedInput::Kind::Move) {
        queue_.back().event.x = x, queue_.back().event.y = y;  // only the latest of several moves matters
        return;
    }
    FlushPendingRelease();
    Queue(QueuedInput::Kind::Move, kNoMessage, 0);
}

void InputRecorder::Close() {
    FlushPendingRelease();
    Queue(QueuedInput::Kind::Close, kNoMessage, 0);
}

void InputRecorder::Post(const InputEvent& event) {
    FlushPendingRelease();
    queue_.push_back({QueuedInput::Kind::Input, event});
}

bool InputRecorder::Pop(QueuedInput& out) {
    if (queue_.empty()) return false;
    out = queue_.front();
    queue_.pop_front();
    return true;
}

}  // namespace drz::platform
