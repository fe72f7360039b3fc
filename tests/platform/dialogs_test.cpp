// Message boxes (queued answers and real modal boxes answered by clicks and keys) and cursor shapes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "platform/window.h"
#include "platform/window_impl.h"

namespace drz::platform {
namespace {

// Runs `act` on the message box as soon as it is shown.
void OnNextBox(const std::function<void(QMessageBox*)>& act) {
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        timer->stop();
        timer->deleteLater();
        act(box);
    });
    timer->start(5);
}

std::vector<QPushButton*> ButtonsLeftToRight(QMessageBox* box) {
    std::vector<QPushButton*> buttons;
    for (QAbstractButton* b : box->buttons()) buttons.push_back(qobject_cast<QPushButton*>(b));
    std::sort(buttons.begin(), buttons.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
    return buttons;
}

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        w.SetTitle("Dreizehner V5.1");
        w.Open(0, 0, kScreenWidth, 963);
    }
    MainWindow w;
};

TEST_F(DialogTest, QueuedAnswersAreTakenInOrderWithoutShowing) {
    w.QueueMessageBoxAnswer(MessageButton::Second);
    w.QueueMessageBoxAnswer(MessageButton::First);
    EXPECT_EQ(w.MessageBox(MessageIcon::Question, "Spiel beenden?", {"&JA", "&NEIN"}, MessageButton::First),
              MessageButton::Second);
    EXPECT_EQ(w.LastMessageBoxText(), "Spiel beenden?");
    EXPECT_EQ(w.MessageBox(MessageIcon::None, "Druckerfehler!", {"OK"}, MessageButton::First), MessageButton::First);
    EXPECT_EQ(w.LastMessageBoxText(), "Druckerfehler!");
}

TEST_F(DialogTest, RealBoxShowsButtonsInOrderWithTitleIconAndDefault) {
    std::string title, text;
    std::vector<std::string> captions;
    bool question = false, secondIsDefault = false;
    OnNextBox([&](QMessageBox* box) {
        title = box->windowTitle().toStdString();
        text = box->text().toStdString();
        question = box->icon() == QMessageBox::Question;
        const auto buttons = ButtonsLeftToRight(box);
        for (auto* b : buttons) captions.push_back(b->text().toStdString());
        secondIsDefault = buttons.size() == 3 && box->defaultButton() == buttons[1];
        buttons[2]->click();
    });
    EXPECT_EQ(
        w.MessageBox(MessageIcon::Question, "Brett löschen?", {"&Ja", "&Nein", "&Abbruch"}, MessageButton::Second),
        MessageButton::Third);
    EXPECT_EQ(title, "Dreizehner V5.1");
    EXPECT_EQ(text, "Brett löschen?");
    EXPECT_TRUE(question);
    EXPECT_EQ(captions, (std::vector<std::string>{"&Ja", "&Nein", "&Abbruch"}));
    EXPECT_TRUE(secondIsDefault);
}

TEST_F(DialogTest, MnemonicLetterAnswersWithoutAlt) {
    OnNextBox([](QMessageBox* box) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_N, Qt::NoModifier, "n");
        QApplication::sendEvent(box, &press);
    });
    EXPECT_EQ(w.MessageBox(MessageIcon::Question, "Spiel beenden?", {"&JA", "&NEIN"}, MessageButton::First),
              MessageButton::Second);
}

TEST_F(DialogTest, EscapeAnswersWithTheLastButton) {
    OnNextBox([](QMessageBox* box) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(box, &press);
    });
    EXPECT_EQ(w.MessageBox(MessageIcon::Question, "Spiel beenden?", {"&JA", "&NEIN"}, MessageButton::First),
              MessageButton::Second);
}

TEST_F(DialogTest, ReturnTakesTheDefaultButton) {
    OnNextBox([](QMessageBox* box) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
        QApplication::sendEvent(box, &press);
    });
    EXPECT_EQ(w.MessageBox(MessageIcon::None, "Weiter?", {"&JA", "&NEIN"}, MessageButton::First), MessageButton::First);
}

TEST_F(DialogTest, SingleButtonBox) {
    OnNextBox([](QMessageBox* box) { ButtonsLeftToRight(box).front()->click(); });
    EXPECT_EQ(w.MessageBox(MessageIcon::None, "Das Brett wurde gelöst!", {"OK"}, MessageButton::First),
              MessageButton::First);
}

TEST_F(DialogTest, AButtonHeldWhenABoxOpensCountsAsReleasedAfterwards) {
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 10), WindowParts(w).view->mapToGlobal(QPointF(10, 10)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(WindowParts(w).view, &press);
    EXPECT_TRUE(w.LeftButtonDown());
    OnNextBox([](QMessageBox* box) { ButtonsLeftToRight(box).front()->click(); });
    w.MessageBox(MessageIcon::None, "Laden?", {"OK"}, MessageButton::First);  // its release went to the box
    EXPECT_FALSE(w.LeftButtonDown());
}

TEST_F(DialogTest, CursorShapesAreTracked) {
    EXPECT_EQ(w.CurrentCursor(), Cursor::Default);
    w.SetCursor(Cursor::Wait);
    EXPECT_EQ(w.CurrentCursor(), Cursor::Wait);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    w.SetCursor(Cursor::Wait);
    w.SetCursor(Cursor::Arrow);
    EXPECT_EQ(w.CurrentCursor(), Cursor::Arrow);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "one wait cursor, taken back once";
    w.SetCursor(Cursor::Default);
    EXPECT_EQ(w.CurrentCursor(), Cursor::Default);
}

TEST(StandardTexts, AreGerman) {
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel").toStdString(), "Abbrechen");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes").toStdString(), "&Ja");
}

TEST(Beeps, AreCounted) {
    const int before = BeepCount();
    Beep();
    Beep();
    EXPECT_EQ(BeepCount(), before + 2);
}

}  // namespace
}  // namespace drz::platform
