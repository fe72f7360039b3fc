// The application object: the toolkit, fonts pinned to installed faces and German standard texts.
#include "platform/application.h"

#include <QApplication>
#include <QFontInfo>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "platform/font_resolver.h"
#include "platform/text_render.h"

// The icons are compiled into the platform library; a static library's resources are registered by hand.
static void RegisterIcons() { Q_INIT_RESOURCE(dreizehner_icons); }

namespace drz::platform {

struct Application::Impl {
    Impl(int& argc, char** argv) : app(argc, argv) {}
    QApplication app;
    QTranslator translator;
    QTranslator helpTranslator;  // the help window's search and index widgets
};

Application::Application(int& argc, char** argv) : impl_(std::make_unique<Impl>(argc, argv)) {
    // The game ends only through its own exit question; closing a dialog must never end the run by itself.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    // Known to the desktop: the window class names the game (the desktop entry's StartupWMClass), the desktop file
    // name ties the window to its entry, and every window, the help window and the dialogs too, carries the icon.
    QCoreApplication::setApplicationName(QStringLiteral("Dreizehner"));
    QGuiApplication::setDesktopFileName(QStringLiteral(DRZ_APP_ID));
    RegisterIcons();
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/dreizehner-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
    InstallFontSubstitutions();
    const QLocale german(QLocale::German, QLocale::Germany);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (impl_->translator.load(german, QStringLiteral("qtbase"), QStringLiteral("_"), folder))
        QCoreApplication::installTranslator(&impl_->translator);
    if (impl_->helpTranslator.load(german, QStringLiteral("qt_help"), QStringLiteral("_"), folder))
        QCoreApplication::installTranslator(&impl_->helpTranslator);
}

Application::~Application() {
    ClearTextCache();
    ClearFontCache();
}

std::string Application::ResolvedFamily(const std::string& face) {
    return QFontInfo(BaseFont(QString::fromStdString(face))).family().toStdString();
}

}  // namespace drz::platform
