// frame_window.h — the top-level window around the screen: it asks before it lets itself be closed, and it tells
// when a modal dialog blocks it and when it is minimised.
#pragma once

#include <QWidget>
#include <functional>

namespace drz::platform {

class FrameWindow : public QWidget {
public:
    // `mayClose` decides whether a close request goes through; a refused request has been recorded by it.
    // `blocked` runs when a modal dialog opens over the window, `minimised` when the window becomes minimised.
    FrameWindow(std::function<bool()> mayClose, std::function<void()> blocked, std::function<void()> minimised)
        : mayClose_(std::move(mayClose)), blocked_(std::move(blocked)), minimised_(std::move(minimised)) {}

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    std::function<bool()> mayClose_;
    std::function<void()> blocked_;
    std::function<void()> minimised_;
};

}  // namespace drz::platform
