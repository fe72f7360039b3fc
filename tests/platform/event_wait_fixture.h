// event_wait_fixture.h — a shown window whose event wait the tests feed with real toolkit events.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <vector>

#include "platform/window.h"
#include "platform/window_impl.h"

namespace drz::platform::test_support {

class EventWaitTest : public ::testing::Test {
protected:
    void SetUp() override { w.Open(0, 0, kScreenWidth, 963); }

    QWidget* View() { return WindowParts(w).view; }

    void Key(QEvent::Type type, int key, const QString& text = {}, bool autoRepeat = false,
             Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QKeyEvent e(type, key, mods, text, autoRepeat);
        QCoreApplication::sendEvent(View(), &e);
    }
    void Mouse(QEvent::Type type, QPoint pos, Qt::MouseButton button) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent e(type, QPointF(pos), View()->mapToGlobal(QPointF(pos)), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(View(), &e);
    }
    // Everything queued until the wait would block for more than `ms`.
    std::vector<InputEvent> Drain(int ms = 80) {
        std::vector<InputEvent> events;
        w.PostInput({0x7777, 0, 0, 0});  // a marker behind everything recorded so far
        QTimer::singleShot(ms, [] {});
        for (;;) {
            const InputEvent e = w.WaitEvent();
            if (e.message == 0x7777) break;
            events.push_back(e);
        }
        return events;
    }
    void Settle(int ms) {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }

    MainWindow w;
};

}  // namespace drz::platform::test_support
