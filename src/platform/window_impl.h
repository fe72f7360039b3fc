// window_impl.h — what stands behind a MainWindow: the widgets, the input queue, menus, label and dialog state
// (platform files and their tests only: it includes Qt, which the layers above cannot).
#pragma once

#include <QPoint>
#include <QTimer>
#include <QVBoxLayout>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "platform/canvas_impl.h"
#include "platform/clock_label.h"
#include "platform/frame_window.h"
#include "platform/input_recorder.h"
#include "platform/menu_registry.h"
#include "platform/printer.h"
#include "platform/screen_widget.h"
#include "platform/window.h"

namespace drz::platform {

struct MainWindow::Impl {
    Impl();
    ~Impl();

    // Hands one queued entry to the game: moves and close requests are handled here, input is returned.
    std::optional<InputEvent> Dispatch(const QueuedInput& entry);
    void MenuChosen(int id);
    void InstallBar(QMenuBar* bar);
    // Sizes and places the window inside the screen's work area (window_placement.cpp); again once the window
    // manager's frame is known, unless the player has resized the window meanwhile.
    void FitToScreen();
    void RefitOnceFramed();
    QRect FittedFrame(const QMargins& margins) const;

    Canvas screen;
    InputRecorder input;
    ClockLabel clock;
    std::unique_ptr<FrameWindow> frame;
    ScreenWidget* view = nullptr;   // owned by the frame
    QVBoxLayout* layout = nullptr;  // owned by the frame
    MenuRegistry menus;
    MenuHandle installedBar = 0;
    bool menuEnabled = true;
    QPoint wantedPos;   // where Open() was asked to put the frame
    QSize fittedSize;   // the size FitToScreen() gave the window last
    QTimer frameWatch;  // waits for the window manager's frame after Open()
    int frameChecks = 0, settledChecks = 0;

    bool open = false;     // Open() was called and the window has not been closed since
    bool closed = false;   // Close() was called: the window is gone for good
    bool closing = false;  // Close() lets the toolkit's close through
    InputEvent last;
    int mouseX = 0, mouseY = 0;
    std::function<void(int, int)> mouseMove;
    std::function<void()> onClose;

    std::deque<MessageButton> answers;           // queued message-box answers (tests)
    std::deque<PrintDialogAnswer> printAnswers;  // queued print-dialog answers (tests)
    std::unique_ptr<QWidget> help;               // the help window once a topic was shown; no game window owns it
    std::string lastBoxText;
    std::deque<std::vector<DialogStep>> dialogSteps;  // queued steps for the next dialog forms (tests)
    std::string lastDialogTitle;
    Cursor cursor = Cursor::Default;
    bool waitCursorShown = false;
};

// The parts of a window, for the platform files that build on them (dialog forms, help, print dialog).
MainWindow::Impl& WindowParts(MainWindow& window);
const MainWindow::Impl& WindowParts(const MainWindow& window);

}  // namespace drz::platform
