#include "execution/warningwindow.h"
#include "schedule/timetext.h"
#include "support/windowharness.h"

#include <QAccessible>
#include <QLabel>

namespace {

class WarningWindowTest : public ::testing::Test, protected WindowHarness {
protected:
    WarningWindowTest() : WindowHarness({QDate(2026, 12, 7), QTime(19, 29, 59)}) {}
    void SetUp() override { ASSERT_TRUE(app->start()); }
};

} // namespace

// The warning shows the scheduler's countdown: the button, screen readers and the notification give
// the same number each second; the label turns dark red with each sound. Until the end only Abort,
// when allowed (also Esc, and the notification's action), closes it. In a dark theme at a large
// font the texts fit and stand out from the window's light background.
TEST_F(WarningWindowTest, ShowsTheSchedulersCountdownAndOnlyAbortClosesIt)
{
    QPalette dark(QColor(53, 53, 53), QColor(30, 30, 30));
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(90, 90, 90));
    QApplication::setPalette(dark);
    QApplication::setFont(QFont(QApplication::font().family(), 28));
    const auto grey = [](const QColor& colour) { return qGray(colour.rgb()); };
    // Abort allowed, how to abort after two seconds; the numbers shown
    const std::tuple<int, std::function<void()>, std::vector<int>> rows[] = {
        {1, {}, {5, 4, 3, 2, 1, 0}},
        {0, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); }, {5, 4, 3, 2, 1, 0}},
        {1, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); }, {5, 4, 3}},
        {1, [this] { emit notification.actionInvoked("abort"); }, {5, 4, 3}},
    };
    int day = 0;
    for (const auto& [abortOn, abort, wanted] : rows) {
        clock.set(QDateTime(QDate(2026, 12, 7).addDays(day++), QTime(19, 29, 59)));
        Options options = scheduler().options();
        options.AbortBtn = abortOn;
        scheduler().setOptions(options);
        scheduler().addEntry(
            {makeRecordText(QDate(2026, 12, 7), "07:30:00 PM"), "Enabled", "Once", "Reboot"});
        std::vector<int> shown;
        const auto record = [&] { shown.push_back(scheduler().secondsLeft()); };
        const auto began = QObject::connect(&scheduler(), &Scheduler::countdownStarted, record);
        const auto stepped = QObject::connect(&scheduler(), &Scheduler::countdownStepped, record);
        while (shown.size() < 10 && clock.nextWake() && (shown.empty() || scheduler().isCountingDown())) {
            clock.fireNextWake();
            WarningWindow* w = app->warningWindow();
            if (!scheduler().isCountingDown() || !w)
                continue; // at 0 the event goes ahead and the window closes
            const auto* label = w->findChild<QLabel*>("Label1");
            const auto* button = w->findChild<QPushButton*>("btnAbort");
            const int left = scheduler().secondsLeft();
            EXPECT_EQ(shown.back(), left);
            EXPECT_EQ(button->text(), QString("&Abort (%1)").arg(left));
            EXPECT_EQ(QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description),
                      "Computer is Going to Reboot: " + WarningWindow::timeLeftText(left));
            EXPECT_EQ(notification.shown, "Computer is Going to Reboot|" + WarningWindow::timeLeftText(left) +
                                              (abortOn ? "|Abort|Postpone" : ""));
            EXPECT_EQ(label->palette().color(QPalette::WindowText),
                      scheduler().isEmphasised() ? QColor(128, 0, 0) : QColor(Qt::black));
            EXPECT_EQ(button->isEnabled(), bool(abortOn));
            EXPECT_EQ(w->findChild<QPushButton*>("btnPostpone")->isEnabled(), bool(abortOn));
            EXPECT_FALSE(w->close());
            // Text at least half the grey scale darker than its background, and whole.
            EXPECT_GE(grey(label->palette().window().color()) - grey(label->palette().windowText().color()),
                      128);
            EXPECT_GE(grey(button->palette().color(QPalette::Disabled, QPalette::Button)) -
                          grey(button->palette().color(QPalette::Disabled, QPalette::ButtonText)),
                      128);
            EXPECT_TRUE(label->width() >= label->sizeHint().width() &&
                        button->width() >= button->sizeHint().width());
            if (shown.size() == 3 && abort)
                abort();
        }
        QObject::disconnect(began);
        QObject::disconnect(stepped);
        EXPECT_EQ(shown, wanted);
        EXPECT_TRUE(QTest::qWaitFor([this] { return app->warningWindow() == nullptr; }));
    }
    EXPECT_EQ(power.requests, std::vector<int>(2, 6));
}
