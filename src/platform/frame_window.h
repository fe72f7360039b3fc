// frame_window.h — the top-level window around the screen: it asks before it lets itself be closed, and it tells
// when a modal dialog blocks it.
#pragma once

#include <QWidget>
#include <functional>

namespace drz::platform {

class FrameWindow : public QWidget {
public:
    // `mayClose` decides whether a close request goes through; a refused request has been recorded by it.
    // `blocked` runs when a modal dialog opens over the window.
    FrameWindow(std::function<bool()> mayClose, std::function<void()> blocked)
        : mayClose_(std::move(mayClose)), blocked_(std::move(blocked)) {}

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    std::function<bool()> mayClose_;
    std::function<void()> blocked_;
};

}  // namespace drz::platform
