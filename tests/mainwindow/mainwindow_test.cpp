#include "desktop/appicons.h"
#include "desktop/paths.h"
#include "schedule/schedulestore.h"
#include "support/windowchecks.h"
#include "support/windowharness.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFocusEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSessionManager>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>

namespace {

class MainWindowTest : public ::testing::Test, protected WindowHarness {
protected:
    QImage iconImage(AppIcon icon) const { return appIcon(icon).pixmap(16).toImage(); }
    void click(const char* button) { QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton); }
    void leaveCountTimer(const QString& text)
    {
        auto* box = child<QLineEdit>("CountTimer");
        box->setText(text);
        QFocusEvent out(QEvent::FocusOut);
        QCoreApplication::sendEvent(box, &out);
    }
};

} // namespace

TEST_F(MainWindowTest, OpensOnTheScheduleTabWithEveryControlFittingAndNamed)
{
    ASSERT_TRUE(form->startUp());
    form->showAtStart();
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    auto* tabs = child<QTabWidget>("SSTab1");
    EXPECT_EQ(tabs->tabText(tabs->currentIndex()), QStringLiteral("S&chedule"));
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        expectEveryControlFitsAndIsNamed(form.get());
    }
    // The selectors and buttons run left to right in the order the user reads them.
    const std::vector<const char*> rows[] = {
        {"cmbHour", "CmbMinute", "CmbSecond", "CmbAMPM", "CmbStatus", "CmbFrequency", "CmbEvent"},
        {"Command1", "Command2", "Command3", "Startbtn", "disablebtn", "Command4"}};
    for (const auto& row : rows) {
        for (std::size_t i = 1; i < row.size(); ++i)
            EXPECT_LT(form->findChild<QWidget*>(QLatin1String(row[i - 1]))->x(),
                      form->findChild<QWidget*>(QLatin1String(row[i]))->x())
                << row[i];
    }
    // What the selectors offer: count, first and last item.
    const std::tuple<const char*, int, const char*, const char*> offers[] = {
        {"cmbHour", 12, "01", "12"},
        {"CmbMinute", 60, "00", "59"},
        {"CmbSecond", 60, "00", "59"},
        {"CmbAMPM", 2, "AM", "PM"},
        {"CmbStatus", 2, "Enabled", "Disabled"},
        {"CmbFrequency", 4, "Once", "Weekly"},
        {"CmbEvent", 4, "Shutdown", "PowerOff"}};
    for (const auto& [name, count, first, last] : offers) {
        auto* combo = child<QComboBox>(name);
        EXPECT_EQ(combo->count(), count) << name;
        EXPECT_EQ(combo->itemText(0), QLatin1String(first)) << name;
        EXPECT_EQ(combo->itemText(count - 1), QLatin1String(last)) << name;
    }
    EXPECT_FALSE(child<QPushButton>("Startbtn")->isEnabled()) << "the scheduler runs from the start";
    auto* table = child<QTreeView>("mainListview");
    EXPECT_EQ(table->header()->sectionSize(0), table->header()->sectionSize(3));
    EXPECT_GT(4 * table->header()->sectionSize(0), table->viewport()->width() * 9 / 10);
}

TEST_F(MainWindowTest, SecondInstanceIsRefusedAndLeavesTheFirstAndItsFilesAlone)
{
    ASSERT_TRUE(form->startUp());
    QFile settings(Paths::settingsFile());
    ASSERT_TRUE(QDir().mkpath(QFileInfo(settings).absolutePath()));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write("[1]\nSetTime=12/6/2026 07:30:00 PM\nStatus=Enabled\n");
    settings.close();
    const QStringList trayBefore = tray.calls;

    FakeTray secondTray;
    FakeStartup secondStartup;
    MainWindow second(MainWindowServices{secondTray, secondStartup, power, sound, notification});
    EXPECT_FALSE(second.startUp());
    EXPECT_EQ(env.messages, QStringList{QStringLiteral("Program Already Running")});
    EXPECT_EQ(env.captions, QStringList{QStringLiteral("Lullwick")});
    EXPECT_TRUE(secondTray.calls.isEmpty());
    EXPECT_TRUE(secondStartup.calls.isEmpty());
    EXPECT_EQ(tray.calls, trayBefore);
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    EXPECT_EQ(settings.readAll(), QByteArray("[1]\nSetTime=12/6/2026 07:30:00 PM\nStatus=Enabled\n"));
    EXPECT_TRUE(form->isSchedulerStarted());
}

TEST_F(MainWindowTest, CloseBoxHidesAndKeepsCheckingWhileExitEnds)
{
    ASSERT_TRUE(form->startUp());
    form->showAtStart();
    EXPECT_FALSE(form->close());
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(form->isSchedulerStarted());
    EXPECT_EQ(env.programEnds, 0);
    EXPECT_TRUE(tray.visible);

    tray.click();
    EXPECT_TRUE(form->isVisible());

    click("Command4");
    EXPECT_EQ(env.programEnds, 1);
    EXPECT_FALSE(tray.visible);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(startup.calls, QStringList{QStringLiteral("set")});
}

TEST_F(MainWindowTest, WithoutANotificationAreaTheCloseBoxMinimisesInsteadOfHiding)
{
    tray.available = false;
    ASSERT_TRUE(form->startUp());
    form->showAtStart();
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->isMinimized());
}

TEST_F(MainWindowTest, StartAndDisableSwapTheButtonsTheTimerAndTheIcon)
{
    ASSERT_TRUE(form->startUp());
    EXPECT_EQ(tray.image, iconImage(AppIcon::Started));
    tray.calls.clear();

    click("disablebtn");
    EXPECT_FALSE(form->isSchedulerStarted());
    EXPECT_TRUE(child<QPushButton>("Startbtn")->isEnabled());
    EXPECT_FALSE(child<QPushButton>("disablebtn")->isEnabled());
    EXPECT_EQ(tray.calls, (QStringList{QStringLiteral("remove"), QStringLiteral("add")}));
    EXPECT_EQ(tray.image, iconImage(AppIcon::Disabled));
    EXPECT_EQ(form->windowIcon().pixmap(16).toImage(), iconImage(AppIcon::Disabled));

    click("Startbtn");
    EXPECT_TRUE(form->isSchedulerStarted());
    EXPECT_FALSE(child<QPushButton>("Startbtn")->isEnabled());
    EXPECT_TRUE(child<QPushButton>("disablebtn")->isEnabled());
    EXPECT_EQ(tray.image, iconImage(AppIcon::Started));
    EXPECT_NE(iconImage(AppIcon::Started), iconImage(AppIcon::Disabled));
}

TEST_F(MainWindowTest, CountdownBoxKeepsNonNegativeNumbersAndOtherwiseShowsTen)
{
    ASSERT_TRUE(form->startUp());
    EXPECT_EQ(child<QLineEdit>("CountTimer")->text(), QStringLiteral("5"));
    EXPECT_EQ(child<QLineEdit>("CountTimer")->maxLength(), 3);
    for (const char* kept : {"0", "7", "2.5", "999", " 3"}) {
        leaveCountTimer(QLatin1String(kept));
        EXPECT_EQ(child<QLineEdit>("CountTimer")->text(), QLatin1String(kept));
    }
    for (const char* replaced : {"abc", "-1", "", "1a", "-.5"}) {
        leaveCountTimer(QLatin1String(replaced));
        EXPECT_EQ(child<QLineEdit>("CountTimer")->text(), QStringLiteral("10")) << replaced;
    }
}

TEST_F(MainWindowTest, MinimizeOnStartupHidesOnceThenActivationsShow)
{
    ASSERT_TRUE(form->startUp());
    child<QCheckBox>("StartMin")->setChecked(true);
    form->showAtStart();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(tray.visible);
    tray.click();
    EXPECT_TRUE(form->isVisible());
    form->showAtStart();
    EXPECT_TRUE(form->isVisible());
}

TEST_F(MainWindowTest, StartAtLoginFollowsTheBoxAndAFailureIsShownWithoutEndingAnything)
{
    ASSERT_TRUE(form->startUp());
    auto* box = child<QCheckBox>("Check1");
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(startup.calls, QStringList{QStringLiteral("clear")});

    startup.failure = QStringLiteral("Unable to change the start-at-login entry: Permission denied");
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_TRUE(box->isChecked()) << "the box stays as the user set it";
    EXPECT_EQ(env.messages, QStringList{startup.failure});
    EXPECT_EQ(env.programEnds, 0);
}

TEST_F(MainWindowTest, TheSessionsRequestsSaveAndOnlyItsEndEndsTheProgram)
{
    // How the session asks, and whether the program then ends: a "save session" checkpoint
    // asks for the data as the end of a session does, but the session goes on.
    const std::pair<std::function<void()>, bool> requests[] = {
        {[] { emit qApp->commitDataRequest(*qApp->findChild<QSessionManager*>()); }, false},
        {[] { std::raise(SIGTERM); }, true},
        {[] { std::raise(SIGHUP); }, true},
        {[] { // the session manager's last word: Qt quits its event loop
             QTimer::singleShot(0, qApp, &QCoreApplication::quit);
             QCoreApplication::exec();
         },
         true},
    };
    for (const auto& [request, ends] : requests) {
        form.reset();
        QFile::remove(Paths::settingsFile());
        form = newForm();
        ASSERT_TRUE(form->startUp());
        form->schedule().append({QStringLiteral("12/6/2026 07:30:00 PM"), QStringLiteral("Enabled"),
                                 QStringLiteral("Daily"), QStringLiteral("Reboot")});
        const int endsBefore = env.programEnds;
        request();
        EXPECT_TRUE(QTest::qWaitFor([&] { return env.programEnds == endsBefore + (ends ? 1 : 0); }));
        ScheduleList stored;
        loadSchedule(Paths::settingsFile(), stored);
        EXPECT_EQ(stored.count(), 1) << "the entry added since the start is saved";
        EXPECT_EQ(tray.visible, !ends);
    }
    EXPECT_TRUE(startup.calls.isEmpty()) << "only Exit touches the start-at-login entry";
}

TEST_F(MainWindowTest, OptionsSurviveAnEmptySchedule)
{
    ASSERT_TRUE(form->startUp());
    QTest::mouseClick(child<QCheckBox>("Check1"), Qt::LeftButton);
    child<QLineEdit>("CountTimer")->setText(QStringLiteral("12"));
    click("Command4");
    ASSERT_EQ(startup.calls, (QStringList{"clear", "clear"}));

    form.reset();
    form = newForm();
    ASSERT_TRUE(form->startUp());
    EXPECT_FALSE(child<QCheckBox>("Check1")->isChecked());
    EXPECT_EQ(child<QLineEdit>("CountTimer")->text(), QStringLiteral("12"));
    click("Command4");
    EXPECT_EQ(startup.calls.last(), QStringLiteral("clear")) << "the user's choice holds";
}

TEST_F(MainWindowTest, AStoredCountdownLongerThanTheBoxTakesLoadsWhole)
{
    OptionValues options;
    options.CountTimer = QStringLiteral("0030");
    ScheduleList one;
    one.append({QStringLiteral("12/6/2026 07:30:00 PM"), QStringLiteral("Enabled"), QStringLiteral("Daily"),
                QStringLiteral("Reboot")});
    ASSERT_EQ(saveSchedule(Paths::settingsFile(), one, options), QString());
    ASSERT_TRUE(form->startUp());
    auto* box = child<QLineEdit>("CountTimer");
    EXPECT_EQ(box->text(), QStringLiteral("0030"));
    // It can be shortened, and typing then stays within three characters.
    box->setFocus();
    box->end(false);
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, QStringLiteral("45"));
    EXPECT_EQ(box->text(), QStringLiteral("004"));
}
