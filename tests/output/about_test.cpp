// The about dialog Inf: modal over the main window at its offset, with the version of the build and "&OK".
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include "game/app.h"
#include "output/about.h"

namespace drz {
namespace {

TEST(About, InfShowsTheGameAndItsVersionAtItsOffsetAndOkEndsIt) {
    App app;
    app.window.Open(30, 20, platform::kScreenWidth, 963);
    QPointer<QWidget> frame;  // the main window: the form's owner
    QPoint offset;
    QString texts, details, button;
    bool ownerDisabled = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() != "Inf" || !w->isVisible()) continue;
            poll.stop();
            frame = w->parentWidget();
            if (frame) offset = w->frameGeometry().topLeft() - frame->frameGeometry().topLeft();
            for (QLabel* label : w->findChildren<QLabel*>())
                (label->objectName() == "lblDetails" ? details : texts) += label->text() + "\n";
            auto* ok = w->findChild<QPushButton*>("cmd15");
            ownerDisabled = frame && !frame->isEnabled();
            button = ok ? ok->text() : QString();
            if (ok) ok->click();
        }
    });
    poll.start(5);
    ShowAboutDialog(app.display);
    EXPECT_EQ(app.window.LastDialogTitle(), "Über Dreizehner");
    EXPECT_EQ(offset, QPoint(400, 218));
    EXPECT_TRUE(ownerDisabled);
    ASSERT_TRUE(frame);
    EXPECT_TRUE(frame->isEnabled());
    EXPECT_EQ(button.toStdString(), "&OK");
    EXPECT_TRUE(texts.contains("Dreizehner\nVersion 5.1\n")) << texts.toStdString();
    EXPECT_TRUE(texts.contains("GPL-3.0-or-later")) << texts.toStdString();
    EXPECT_EQ(details, "Qt " + QString(qVersion()) + ", C++20\n");

    app.window.QueueDialogSteps({{platform::DialogStep::Kind::Close, ""}});
    ShowAboutDialog(app.display);  // the close box ends it as well
    EXPECT_TRUE(frame->isEnabled());
}

}  // namespace
}  // namespace drz
