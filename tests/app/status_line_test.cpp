// SPDX-License-Identifier: GPL-3.0-or-later
// Status lines shown while work keeps the event loop waiting.
#include <gtest/gtest.h>

#include <QEvent>
#include <QMainWindow>
#include <QStatusBar>
#include <QTest>

#include "app/status_progress.h"
#include "tests/app/qt_test_app.h"

namespace {

class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) ++paints;
        return QObject::eventFilter(watched, event);
    }
};

// Every line is the bar's message at once; a burst of lines is painted a few
// times, not once per line, and a line after a pause is painted at once.
TEST(StatusLine, EveryLineShownABurstPaintedAFewTimes)
{
    TestApp();
    QMainWindow window;
    QStatusBar* bar = window.statusBar();
    window.resize(400, 200);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    PaintCounter counter;
    bar->installEventFilter(&counter);

    const auto sink = kores::StatusLineSink(bar);
    for (int i = 0; i < 200; ++i) {
        sink("Receiving Response: " + std::to_string(i));
        ASSERT_EQ(bar->currentMessage().toStdString(), "Receiving Response: " + std::to_string(i));
    }
    EXPECT_GE(counter.paints, 1);
    EXPECT_LT(counter.paints, 100);

    QTest::qWait(60);
    const int before = counter.paints;
    kores::ShowStatusLine(bar, "Request Complete.");
    EXPECT_EQ(counter.paints, before + 1);
    EXPECT_EQ(bar->currentMessage(), "Request Complete.");
}

}  // namespace
