// Showing a help topic: the help window is made at the first topic and kept (hidden when closed) for the run.
#include "platform/help_viewer.h"

#include <QDir>
#include <QFileInfo>

#include "platform/help_window.h"
#include "platform/window_impl.h"

namespace drz::platform {

namespace {

HelpWindow* ExistingHelpWindow(MainWindow& window) { return static_cast<HelpWindow*>(WindowParts(window).help.get()); }

HelpWindow& TheHelpWindow(MainWindow& window) {
    auto& help = WindowParts(window).help;
    if (!help) help = std::make_unique<HelpWindow>();
    return *static_cast<HelpWindow*>(help.get());
}

QString FromUtf8(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

bool ShowHelpTopic(MainWindow& window, std::string_view file, std::string_view topic) {
    const QFileInfo info(QDir::current(), FromUtf8(file));
    if (file.empty() || !info.isFile() || !info.isReadable()) return false;
    HelpWindow& help = TheHelpWindow(window);
    if (!help.Use(info.absoluteFilePath())) return false;
    const QUrl url = help.TopicUrl(FromUtf8(topic));
    if (url.isEmpty()) return false;
    help.Show(url);
    return true;
}

HelpWindowView DescribeHelpWindow(MainWindow& window) {
    HelpWindowView view;
    HelpWindow* help = ExistingHelpWindow(window);
    if (!help) return view;
    view.visible = help->isVisible();
    view.title = help->windowTitle().toStdString();
    view.url = help->Browser().source().toString().toStdString();
    view.text = help->Browser().toPlainText().toStdString();
    return view;
}

}  // namespace drz::platform
