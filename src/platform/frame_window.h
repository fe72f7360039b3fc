// frame_window.h — the top-level window around the screen: it asks before it lets itself be closed.
#pragma once

#include <QWidget>
#include <functional>

namespace drz::platform {

class FrameWindow : public QWidget {
public:
    // `mayClose` decides whether a close request goes through; a refused request has been recorded by it.
    explicit FrameWindow(std::function<bool()> mayClose) : mayClose_(std::move(mayClose)) {}

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::function<bool()> mayClose_;
};

}  // namespace drz::platform
