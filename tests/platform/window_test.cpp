// The main window: placement, title, background, the clock label over the screen, large fonts, time.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QIcon>
#include <QPainter>
#include <QTimer>
#include <thread>

#include "ink.h"
#include "platform/large_fonts.h"
#include "platform/window.h"
#include "platform/window_impl.h"

namespace drz::platform {
namespace {

using namespace test;

TEST(WindowPlacement, OpensAtItsPlaceWithTheWholeScreenArea) {
    MainWindow w;
    w.SetTitle("Dreizehner V5.1 by Mirav");
    EXPECT_FALSE(w.IsOpen());
    w.Open(220, 43, kScreenWidth, 963);
    EXPECT_TRUE(w.IsOpen());
    EXPECT_EQ(w.Title(), "Dreizehner V5.1 by Mirav");
    EXPECT_EQ(WindowParts(w).frame->pos(), QPoint(220, 43));
    EXPECT_TRUE(WindowParts(w).frame->isVisible());
    QCoreApplication::processEvents();
    EXPECT_GE(WindowParts(w).view->width(), kScreenWidth);
    EXPECT_GE(WindowParts(w).view->height(), kScreenHeight);
    EXPECT_GT(w.ScreenWidth(), 0);
    EXPECT_GT(w.ScreenHeight(), 0);
    w.Close();
    EXPECT_FALSE(w.IsOpen());
    EXPECT_FALSE(WindowParts(w).frame->isVisible());
}

TEST(WindowPlacement, ASmallSizeStillGetsTheWholeScreenArea) {
    MainWindow w;
    w.Open(0, 0, 200, 100);
    QCoreApplication::processEvents();
    EXPECT_GE(WindowParts(w).view->width(), kScreenWidth);
    EXPECT_GE(WindowParts(w).view->height(), kScreenHeight);
}

TEST(WindowBackground, FillsTheScreen) {
    MainWindow w;
    w.SetBackground(kBackground);
    EXPECT_EQ(w.Screen().PixelAt(0, 0), kBackground);
    EXPECT_EQ(w.Screen().PixelAt(kScreenWidth - 1, kScreenHeight - 1), kBackground);
}

TEST(WindowView, ShowsThePictureAsDrawn) {
    MainWindow w;
    w.Open(0, 0, kScreenWidth, 963);
    w.SetBackground(kBackground);
    w.Screen().SetFill(kRed);
    w.Screen().FilledBox(100, 100, 199, 149);
    QCoreApplication::processEvents();
    const QImage shown = WindowParts(w).view->grab().toImage();
    EXPECT_EQ(shown.pixelColor(150, 120), QColor(218, 0, 0));
    EXPECT_EQ(shown.pixelColor(300, 300), QColor(180, 201, 208));
}

class ClockLabelTest : public ::testing::Test {
protected:
    void SetUp() override {
        w.SetBackground(kBackground);
        w.CreateClockLabel(1235, 831, 160, 30, " 99:99:99", "Arial", 24, kWhite);
    }
    InkBox TextInk(const Canvas& shot) { return FindInk(shot, 1235, 831, 1394, 860, kWhite); }
    MainWindow w;
};

TEST_F(ClockLabelTest, SnapshotShowsTheLabelOnTheScreen) {
    Canvas shot;
    w.Snapshot(shot);
    EXPECT_EQ(shot.PixelAt(1235, 831), kWhite);
    EXPECT_EQ(shot.PixelAt(1394, 860), kWhite);
    EXPECT_EQ(shot.PixelAt(1234, 831), kBackground);
    EXPECT_EQ(shot.PixelAt(1395, 861), kBackground);
    const InkBox ink = TextInk(shot);
    ASSERT_FALSE(ink.Empty());
    EXPECT_GT(CountColour(shot, 1235, 831, 1394, 860, kBlack), 50);
    EXPECT_LT(ink.left, 1235 + 20) << "left-aligned";
    EXPECT_GT(ink.top, 831) << "the digits fit inside the label";
    EXPECT_LT(ink.bottom, 860);
    EXPECT_EQ(w.Screen().PixelAt(1300, 845), kBackground) << "the label is not drawn into the game's picture";
    EXPECT_EQ(w.ClockText(), " 99:99:99");
}

TEST_F(ClockLabelTest, TextIsSetOnTheInterfaceThread) {
    Canvas before, after;
    w.Snapshot(before);
    w.SetClockText(" 00:00:01");
    w.Snapshot(after);
    EXPECT_EQ(w.ClockText(), " 00:00:01");
    EXPECT_NE(TextInk(before).count, TextInk(after).count);
}

TEST_F(ClockLabelTest, TextPostedFromAnotherThreadArrivesInTheWait) {
    w.Open(0, 0, kScreenWidth, 963);
    std::thread clock([&] {
        for (int s = 1; s <= 5; ++s) w.PostClockText(" 00:00:0" + std::to_string(s));
    });
    clock.join();
    EXPECT_EQ(w.ClockText(), " 99:99:99") << "nothing arrives before the interface thread takes its events";
    w.PostInput({0x7777, 0, 0, 0});
    QTimer::singleShot(20, [&] { w.PostInput({0x7778, 0, 0, 0}); });
    while (w.WaitEvent().message != 0x7778) {
    }
    EXPECT_EQ(w.ClockText(), " 00:00:05");
    Canvas shot;
    w.Snapshot(shot);
    EXPECT_GT(CountColour(shot, 1235, 831, 1394, 860, kBlack), 50);
    EXPECT_GT(CountColour(shot, 1235, 831, 1394, 860, kWhite), 1000);
}

TEST_F(ClockLabelTest, PostedTextIsDeliveredDuringAPause) {
    std::thread clock([&] { w.PostClockText(" 00:00:09"); });
    clock.join();
    Pause(10);
    EXPECT_EQ(w.ClockText(), " 00:00:09");
}

TEST_F(ClockLabelTest, ScaledViewScalesTheLabelWithThePicture) {
    w.Open(0, 0, kScreenWidth, 963);
    ScreenWidget* view = WindowParts(w).view;
    view->resize(kScreenWidth / 2, kScreenHeight / 2);
    const QImage shown = view->grab().toImage();
    EXPECT_EQ(shown.pixelColor(1236 / 2 + 1, 832 / 2 + 1), QColor(Qt::white));
    EXPECT_EQ(shown.pixelColor(1230 / 2, 820 / 2), QColor(180, 201, 208));
}

TEST(Desktop, EveryWindowCarriesTheGameIconAndTheDesktopFileName) {
    EXPECT_EQ(QGuiApplication::desktopFileName(), "de.dreizehner.Dreizehner");
    EXPECT_EQ(QCoreApplication::applicationName(), "Dreizehner") << "the window class of the desktop entry";
    const QIcon icon = QApplication::windowIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_TRUE(icon.availableSizes().contains(QSize(256, 256)));
    EXPECT_TRUE(icon.availableSizes().contains(QSize(16, 16)));
    MainWindow w;
    EXPECT_EQ(WindowParts(w).frame->windowIcon().cacheKey(), icon.cacheKey());
    QDialog dialog;  // the help window and the dialogs are top-level windows of their own
    EXPECT_EQ(dialog.windowIcon().cacheKey(), icon.cacheKey());
}

TEST(LargeFonts, TwelvePointsInWholePixels) {
    EXPECT_EQ(TwelvePointPixels(96), 16);
    EXPECT_EQ(TwelvePointPixels(72), 12);
    EXPECT_EQ(TwelvePointPixels(120), 20);
    EXPECT_EQ(TwelvePointPixels(144), 24);
}

TEST(LargeFonts, PositiveOnlyAboveSixteenPixels) {
    EXPECT_FALSE(LargeFontsAt(96));
    EXPECT_FALSE(LargeFontsAt(72));
    EXPECT_FALSE(LargeFontsAt(101)) << "a nearly normal resolution keeps the normal fonts";
    EXPECT_TRUE(LargeFontsAt(102));
    EXPECT_TRUE(LargeFontsAt(120));
    EXPECT_TRUE(LargeFontsAt(192));
}

TEST(LargeFonts, TheTestScreenIsNormal) {
    MainWindow w;
    EXPECT_FALSE(w.LargeFonts());
}

TEST(Time, TimerIsMonotonicSecondsAndPauseWaits) {
    const double t0 = Timer();
    QElapsedTimer t;
    t.start();
    Pause(50);
    const double t1 = Timer();
    EXPECT_GE(t.elapsed(), 48);
    EXPECT_GE(t1 - t0, 0.045);
    EXPECT_LT(t1 - t0, 2.0);
    double other = 0;
    std::thread([&] { other = Timer(); }).join();
    EXPECT_GE(other, t1);
}

}  // namespace
}  // namespace drz::platform
