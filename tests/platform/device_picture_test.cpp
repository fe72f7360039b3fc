// The picture at the device's resolution: 1x untouched, digits of the scaled size, exact XOR and restores, the
// same picture whether drawn at a scale or made again from the drawing list.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <set>

#include "ink.h"
#include "platform/canvas_impl.h"
#include "platform/window.h"
#include "platform/window_impl.h"

namespace drz::platform {
namespace {

using namespace test;

const FontRequest kDigitFont = FontRequest::Named("Arial", 9.75);  // 13 pixels

// A corner of a board: a frame, thin and thick lines, a digit, candidate marks, an opaque caption.
void DrawScene(Canvas& c) {
    c.Clear(kBackground);
    c.SetForeground(kBlack);
    c.SetFill(kWhite);
    c.SetLineWidth(2);
    c.FilledBox(20, 20, 220, 120);
    c.SetLineWidth(1);
    for (int x = 53; x < 220; x += 33) c.Line(x, 21, x, 120);
    c.SetFont(kDigitFont);
    c.SetOpaqueText(false);
    c.Text(30, 30, "7");
    c.SetFont(FontRequest::Named("Arial", 6));
    c.Text(60, 25, "1 3");
    c.SetOpaqueText(true);
    c.SetFont(kDigitFont);
    c.Text(100, 140, "Keine Fehler! ");
}

const QImage& Device(const Canvas& c) { return const_cast<Canvas&>(c).impl().device.Image(); }

TEST(DevicePicture, AtOwnSizeTheWindowShowsThePictureAsDrawn) {
    MainWindow w;
    w.Open(0, 0, kScreenWidth, 963);
    DrawScene(w.Screen());
    QCoreApplication::processEvents();
    const QImage shown = WindowParts(w).view->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(w.Screen().DeviceScale(), 1);
    EXPECT_TRUE(w.Screen().impl().device.Image().isNull()) << "nothing is kept beside the 1x picture";
    EXPECT_EQ(shown, w.Screen().impl().image);
}

TEST(DevicePicture, AScaledWindowPaintsOnceAndThenRests) {
    MainWindow w;
    w.Open(0, 0, kScreenWidth, 963);
    DrawScene(w.Screen());
    ScreenWidget* view = WindowParts(w).view;
    view->resize(1000, 700);
    int paints = 0;
    struct Counter : QObject {
        int& n;
        explicit Counter(int& count) : n(count) {}
        bool eventFilter(QObject*, QEvent* e) override { return n += e->type() == QEvent::Paint, false; }
    } counter(paints);
    view->installEventFilter(&counter);
    view->repaint();
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 150) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_LE(paints, 2);
    EXPECT_NEAR(w.Screen().DeviceScale(), 1000.0 / kScreenWidth, 1e-9);
}

TEST(DevicePicture, DigitsAreDrawnAtTheScaleNotAsDoubledPixels) {
    for (const double scale : {2.0, 1.5}) {
        Canvas c;
        DrawScene(c);
        c.SetDeviceScale(scale);
        const QImage& d = Device(c);
        ASSERT_EQ(d.width(), DeviceEdge(kScreenWidth, scale));
        // The digit "7" at (30, 30): its device box, and what a doubled 1x glyph would look like.
        const QRect box = DeviceRect(QRect(30, 30, 10, 15), scale);
        int ink = 0, mixedBlocks = 0;
        std::set<QRgb> colours;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x) {
                colours.insert(d.pixel(x, y));
                ink += d.pixel(x, y) != qRgb(255, 255, 255);
                // The device pixels of one 1x pixel: a doubled glyph has them all alike.
                const int px = int((x + 0.5) / scale), py = int((y + 0.5) / scale);
                mixedBlocks += d.pixel(x, y) != d.pixel(DeviceEdge(px, scale), DeviceEdge(py, scale));
            }
        EXPECT_GT(ink, 20) << scale;
        EXPECT_GT(mixedBlocks, 5) << "edges finer than a 1x pixel at " << scale;
        EXPECT_GT(colours.size(), 3u) << "smooth edges at " << scale;
        // Lines stay sharp: the thin line at x = 53 is black on the device grid, white beside it.
        const QRect line = DeviceRect(QRect(53, 60, 1, 1), scale);
        EXPECT_EQ(d.pixel(line.left(), line.top()), qRgb(0, 0, 0));
        EXPECT_EQ(d.pixel(line.right() + 1, line.top()), qRgb(255, 255, 255));
        EXPECT_EQ(d.pixel(line.left() - 1, line.top()), qRgb(255, 255, 255));
    }
}

TEST(DevicePicture, XorUndoesItselfAndARestoreBringsBackTheSavedPixels) {
    Canvas c;
    c.SetDeviceScale(1.5);
    DrawScene(c);
    const QImage before = Device(c).copy();
    const Picture saved = c.Save(40, 20, 85, 65);  // the picker pad's 46 x 46
    c.SetMix(MixMode::Xor);
    c.SetForeground({255, 255, 255});
    c.Text(30, 30, "7");
    c.FilledBox(25, 25, 90, 70);
    c.FilledBox(25, 25, 90, 70);
    c.Text(30, 30, "7");
    EXPECT_EQ(Device(c), before) << "XOR twice, at the device's resolution too";
    c.SetMix(MixMode::Merge);
    c.SetFill(kRed);
    c.FilledBox(40, 20, 85, 65);
    c.SetMix(MixMode::Copy);
    c.Restore(saved, 40, 20);
    EXPECT_EQ(Device(c), before);
}

TEST(DevicePicture, ANewScaleDrawsTheSamePictureAsDrawingAtThatScale) {
    Canvas drawn, remade;
    drawn.SetDeviceScale(2);
    for (Canvas* c : {&drawn, &remade}) {
        DrawScene(*c);
        const Picture pad = c->Save(40, 20, 85, 65);
        c->SetFill(kGrey);
        c->FilledBox(40, 20, 85, 65);
        c->Restore(pad, 40, 20);
        c->Text(30, 90, "9");
        c->Restore(pad, 140, 20);  // elsewhere too
    }
    remade.SetDeviceScale(1.25);
    remade.SetDeviceScale(2);
    EXPECT_EQ(Device(remade), Device(drawn));
    EXPECT_EQ(remade.impl().image, drawn.impl().image);
}

TEST(DevicePicture, APadOpenedAgainAndAgainSavesOnlyWhatStillShows) {
    Canvas c;
    c.SetDeviceScale(2);
    DrawScene(c);
    for (int round = 0; round < 200; ++round) {
        const Picture pad = c.Save(40, 20, 85, 65);
        c.SetFill(kGrey);
        c.FilledBox(40, 20, 85, 65);
        c.Restore(pad, 40, 20);
    }
    EXPECT_LT(c.impl().list.Region(QRect(40, 20, 46, 46)).size(), 20u);
    const QImage incremental = Device(c).copy();
    c.SetDeviceScale(1);
    c.SetDeviceScale(2);
    EXPECT_EQ(Device(c), incremental);
}

TEST(DevicePicture, ALongGameKeepsTheDrawingListSmall) {
    Canvas c;
    c.SetDeviceScale(2);
    DrawScene(c);
    c.SetFont(kDigitFont);
    for (int round = 0; round < 300; ++round)
        for (int cell = 0; cell < 100; ++cell) {
            const int x = 300 + 33 * (cell % 10), y = 200 + 25 * (cell / 10);
            c.FilledBox(x, y, x + 32, y + 24);
            c.Text(x + 10, y + 5, std::to_string(1 + (round + cell) % 9));
        }
    EXPECT_LT(c.impl().list.Ops().size(), 9000u);
    const QImage incremental = Device(c).copy();
    c.SetDeviceScale(1);
    c.SetDeviceScale(2);
    EXPECT_EQ(Device(c), incremental);
}

}  // namespace
}  // namespace drz::platform
