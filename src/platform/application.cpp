// The application object: the toolkit, fonts pinned to installed faces and German standard texts.
#include "platform/application.h"

#include <QApplication>
#include <QFontInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "platform/font_resolver.h"
#include "platform/text_render.h"

namespace drz::platform {

struct Application::Impl {
    Impl(int& argc, char** argv) : app(argc, argv) {}
    QApplication app;
    QTranslator translator;
};

Application::Application(int& argc, char** argv) : impl_(std::make_unique<Impl>(argc, argv)) {
    // The game ends only through its own exit question; closing a dialog must never end the run by itself.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    InstallFontSubstitutions();
    if (impl_->translator.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                               QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&impl_->translator);
}

Application::~Application() {
    ClearTextCache();
    ClearFontCache();
}

std::string Application::ResolvedFamily(const std::string& face) {
    return QFontInfo(BaseFont(QString::fromStdString(face))).family().toStdString();
}

}  // namespace drz::platform
