// window.h — the main window: one object per run, owned by the application, that offers the screen, the menus,
// the event wait, the message boxes, the clock label and the test driving through interfaces of their own. Code
// that needs one service takes that interface (the menu bar takes Menus); the dialog forms, the help window and
// the printer take the window itself, as the owner they are shown over.
#pragma once

#include <memory>

#include "platform/clock_control.h"
#include "platform/dialogs.h"
#include "platform/event_source.h"
#include "platform/menus.h"
#include "platform/test_driver.h"
#include "platform/timing.h"
#include "platform/window_screen.h"

namespace drz::platform {

class MainWindow final : public WindowScreen,
                         public Menus,
                         public EventSource,
                         public Dialogs,
                         public ClockControl,
                         public TestDriver {
public:
    // Needs the Application of application.h to exist. The window is not shown until Open().
    MainWindow();
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // WindowScreen
    void SetTitle(std::string_view title) override;
    std::string Title() const override;
    int ScreenWidth() const override;
    int ScreenHeight() const override;
    void Open(int x, int y, int width, int height) override;
    void SetBackground(Rgb colour) override;
    bool IsOpen() const override;
    void Close() override;
    bool LargeFonts() const override;
    Canvas& Screen() override;
    void SetCursor(Cursor cursor) override;
    Cursor CurrentCursor() const override;
    void Snapshot(Canvas& target) const override;
    bool WriteSnapshotPng(const std::string& path) const override;

    // Menus
    MenuHandle CreateMenuBar() override;
    MenuHandle CreatePopup() override;
    bool AppendItem(MenuHandle menu, int id, std::string_view caption) override;
    bool AppendSeparator(MenuHandle menu) override;
    bool AppendPopup(MenuHandle menu, MenuHandle popup, std::string_view caption) override;
    MenuHandle InstallMenuBar(MenuHandle bar) override;
    void DestroyMenu(MenuHandle menu) override;
    void CheckItem(int id, bool checked) override;
    bool IsItemChecked(int id) const override;
    void SetMenuEnabled(bool enabled) override;
    bool MenuEnabled() const override;
    std::string DescribeMenuBar() const override;

    // EventSource
    InputEvent WaitEvent() override;
    const InputEvent& LastEvent() const override;
    int MouseX() const override;
    int MouseY() const override;
    bool LeftButtonDown() const override;
    bool AnyButtonDown() const override;
    void WaitButtonsReleased() override;
    void SetMouseMoveHandler(std::function<void(int x, int y)> handler) override;
    void SetCloseHandler(std::function<void()> handler) override;

    // Dialogs
    MessageButton MessageBox(MessageIcon icon, std::string_view text, const ButtonCaptions& captions,
                             MessageButton defaultButton) override;

    // ClockControl
    void CreateClockLabel(int x, int y, int width, int height, std::string_view text, std::string_view face, int points,
                          Rgb background) override;
    void SetClockText(std::string_view text) override;
    void PostClockText(std::string text) override;
    std::string ClockText() const override;

    // TestDriver
    void PostInput(const InputEvent& event) override;
    void PostMove(int x, int y) override;
    void RequestClose() override;
    void QueueMessageBoxAnswer(MessageButton button) override;
    std::string LastMessageBoxText() const override;
    void QueueDialogSteps(std::vector<DialogStep> steps) override;
    std::string LastDialogTitle() const override;

    // The toolkit's side of the window; only platform's own files (and their tests) see inside it, through
    // WindowParts of window_impl.h.
    struct Impl;

private:
    friend Impl& WindowParts(MainWindow& window);
    friend const Impl& WindowParts(const MainWindow& window);
    std::unique_ptr<Impl> impl_;
};

}  // namespace drz::platform
