// The first window on screens of every size, the picture centred at any window size, clicks mapped back.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>

#include "platform/window.h"
#include "platform/window_fit.h"
#include "platform/window_impl.h"

namespace drz::platform {
namespace {

constexpr int kBar = 22;
const QMargins kFrame(1, 24, 1, 1);

struct Screen {
    const char* name;
    QRect available;  // logical pixels, panels excluded
    QPoint wanted;    // the centred position the game asks for
};

TEST(WindowFit, TheFirstWindowLiesInsideTheWorkAreaOfEveryScreen) {
    const Screen screens[] = {
        {"1920x1080", QRect(0, 0, 1920, 1080), {220, 43}},
        {"1920x1080 with a top panel", QRect(0, 27, 1920, 1053), {220, 43}},
        {"1366x768", QRect(0, 0, 1366, 768), {0, 0}},
        {"1280x720 with a bottom panel", QRect(0, 0, 1280, 688), {0, 0}},
        {"2880x1800 at 200 %", QRect(0, 0, 1440, 900), {0, 0}},
    };
    for (const Screen& s : screens) {
        const WindowFit fit = FitWindow(s.available, kFrame, kBar, s.wanted);
        const QRect frame(fit.framePos, fit.client.grownBy(kFrame));
        EXPECT_TRUE(s.available.contains(frame)) << s.name;
        const QSize picture(fit.client.width(), fit.client.height() - kBar);
        EXPECT_NEAR(double(picture.width()) / picture.height(), double(kScreenWidth) / kScreenHeight, 0.005) << s.name;
        if (fit.ownSize) {
            EXPECT_EQ(picture, QSize(kScreenWidth, kScreenHeight)) << s.name;
        }
    }
    const WindowFit fullHd = FitWindow(QRect(0, 0, 1920, 1080), kFrame, kBar, {220, 43});
    EXPECT_TRUE(fullHd.ownSize);
    EXPECT_EQ(fullHd.framePos, QPoint(220, 43)) << "where it fits, exactly where it always opened";
    const WindowFit laptop = FitWindow(QRect(0, 0, 1366, 768), kFrame, kBar, {0, 0});
    EXPECT_FALSE(laptop.ownSize);
    EXPECT_EQ(laptop.client.height() + 25, 768) << "as large as the screen's height allows";
    EXPECT_EQ(FitWindow(QRect(0, 27, 1920, 1053), kFrame, kBar, {220, 43}).framePos.y(), 43);
    EXPECT_EQ(FitWindow(QRect(0, 60, 1920, 1020), kFrame, kBar, {220, 43}).framePos.y(), 60) << "moved below a panel";
}

TEST(WindowFit, OpenKeepsTheOwnSizeOnAFullHdScreenAndTheWindowCanBeResized) {
    MainWindow w;
    w.Open(220, 43, kScreenWidth, 963);
    QCoreApplication::processEvents();
    EXPECT_EQ(WindowParts(w).view->size(), QSize(kScreenWidth, kScreenHeight));
    EXPECT_EQ(WindowParts(w).frame->pos(), QPoint(220, 43));
    EXPECT_TRUE(WindowParts(w).frame->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_LT(WindowParts(w).frame->minimumWidth(), kScreenWidth);
    EXPECT_LT(WindowParts(w).frame->minimumHeight(), kScreenHeight);
}

TEST(PictureGeometry, CentredWithItsAspectAtAnySize) {
    const PictureGeometry own = PictureGeometry::For({kScreenWidth, kScreenHeight}, 1);
    EXPECT_EQ(own.scale, 1);
    EXPECT_EQ(own.origin, QPoint(0, 0));
    const PictureGeometry maximised = PictureGeometry::For({1366, 705}, 1);  // 225 px more than the height needs
    EXPECT_EQ(maximised.size.height(), 705);
    EXPECT_NEAR(maximised.origin.x(), (1366 - maximised.size.width()) / 2, 0);
    EXPECT_GT(maximised.origin.x(), 100);
    const PictureGeometry tall = PictureGeometry::For({1000, 1000}, 1);
    EXPECT_EQ(tall.size.width(), 1000);
    EXPECT_EQ(tall.origin.y(), (1000 - tall.size.height()) / 2);
    const PictureGeometry retina = PictureGeometry::For({kScreenWidth, kScreenHeight}, 2);
    EXPECT_EQ(retina.scale, 2);
    EXPECT_EQ(retina.size, QSize(2 * kScreenWidth, 2 * kScreenHeight));
}

TEST(PictureGeometry, EveryPointOfAPicturePixelMapsBackToIt) {
    const struct {
        QSize logical;
        double dpr;
    } views[] = {{{kScreenWidth, kScreenHeight}, 1}, {{1366, 705}, 1}, {{1920, 1040}, 1},  {{900, 900}, 1},
                 {{kScreenWidth, kScreenHeight}, 2}, {{1408, 868}, 2}, {{1000, 640}, 1.5}, {{1200, 760}, 1.25}};
    for (const auto& v : views) {
        const PictureGeometry g = PictureGeometry::For(v.logical, v.dpr);
        for (const QPoint pixel : {QPoint(0, 0), QPoint(29 + 16, 35 + 12), QPoint(700, 450), QPoint(1477, 944)}) {
            // The device pixels the picture pixel covers, as the window shows them.
            const int left = g.origin.x() + DeviceEdge(pixel.x(), g.scale);
            const int right = g.origin.x() + DeviceEdge(pixel.x() + 1, g.scale) - 1;
            const int top = g.origin.y() + DeviceEdge(pixel.y(), g.scale);
            const int bottom = g.origin.y() + DeviceEdge(pixel.y() + 1, g.scale) - 1;
            if (right < left || bottom < top) continue;  // scaled down, some pixels get no device pixel of their own
            for (const int dx : {left, right})
                EXPECT_EQ(g.ToPicture(QPointF((dx + 0.3) / v.dpr, (top + 0.3) / v.dpr), v.dpr), pixel)
                    << v.logical.width() << "x" << v.logical.height() << " at " << v.dpr;
        }
        if (g.origin.x() > 0) {
            EXPECT_LT(g.ToPicture(QPointF(0, v.logical.height() / 2.0), v.dpr).x(), 0);
        }
    }
}

TEST(PictureGeometry, ClicksOnTheResizedWindowLandOnTheCellUnderThePointer) {
    MainWindow w;
    w.Open(0, 0, kScreenWidth, 963);
    ScreenWidget* view = WindowParts(w).view;
    for (const QSize size :
         {QSize(kScreenWidth, kScreenHeight), QSize(1920, 1040), QSize(1366, 705), QSize(800, 700)}) {
        view->resize(size);
        const PictureGeometry g = view->Geometry();
        QPoint cell(29 + 33 * 4 + 16, 35 + 25 * 4 + 12);  // a cell of grid 1
        // Scaled down, a pixel may get no device pixel of its own; its neighbour is hit instead.
        while (DeviceEdge(cell.x() + 1, g.scale) == DeviceEdge(cell.x(), g.scale)) cell.rx()++;
        while (DeviceEdge(cell.y() + 1, g.scale) == DeviceEdge(cell.y(), g.scale)) cell.ry()++;
        const QPointF at(g.origin.x() + DeviceEdge(cell.x(), g.scale) + 0.5,
                         g.origin.y() + DeviceEdge(cell.y(), g.scale) + 0.5);
        QMouseEvent press(QEvent::MouseButtonPress, at, view->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(view, &press);
        const InputEvent e = w.WaitEvent();
        EXPECT_EQ(QPoint(e.x, e.y), cell) << size.width() << "x" << size.height();
        QMouseEvent release(QEvent::MouseButtonRelease, at, view->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QCoreApplication::sendEvent(view, &release);
    }
}

}  // namespace
}  // namespace drz::platform
