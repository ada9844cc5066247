// The main window and the program around it, on the test's clock; CTest runs it in Berlin time,
// unprivileged.
#include "desktop/clock.h"
#include "desktop/paths.h"
#include "editwindow/editwindow.h"
#include "execution/warningwindow.h"
#include "logviewer/logviewer.h"
#include "schedule/schedulestore.h"
#include "schedule/timetext.h"
#include "support/windowharness.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSessionManager>
#include <QSpinBox>
#include <QStyleFactory>
#include <QTabBar>
#include <QTabWidget>
#include <QTranslator>
#include <QTreeView>
#include <csignal>

namespace {

// The program started and its window shown on Monday at 19:00.
class MainWindowTest : public ::testing::Test, protected WindowHarness {
protected:
    static inline const QDate Monday{2026, 12, 7};
    static QDateTime at(int h, int m, int s = 0) { return {Monday, QTime(h, m, s)}; }
    static void checkpoint() { emit qApp->commitDataRequest(*qApp->findChild<QSessionManager*>()); }

    MainWindowTest() : WindowHarness(at(19, 0)) {}
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(startShown()); }
    void restart()
    {
        remake();
        ASSERT_NO_FATAL_FAILURE(startShown());
    }
    void add(const char* time, const char* frequency = "Daily")
    {
        EXPECT_EQ(scheduler().addEntry({makeRecordText(Monday, time), "Enabled", frequency, "Reboot"}), "");
    }
    // Lets time pass until a countdown runs, or up to `until`.
    void runUntilCountdown(const QDateTime& until)
    {
        for (auto wake = clock.nextWake(); wake && *wake <= until && !scheduler().isCountingDown();
             wake = clock.nextWake())
            clock.fireNextWake();
    }
};

// Each caption has one mnemonic, a letter that no other caption of them has.
void expectOwnMnemonics(const QStringList& captions)
{
    QMap<QChar, QString> taken;
    for (const QString& caption : captions) {
        const qsizetype at = caption.indexOf('&');
        const QChar letter = at >= 0 && caption.count('&') == 1 ? caption[at + 1].toLower() : QChar();
        EXPECT_TRUE(letter.isLetter() && !taken.contains(letter))
            << caption.toStdString() << " / " << taken.value(letter).toStdString();
        taken.insert(letter, caption);
    }
}

} // namespace

// A row is selected whenever the table has rows, so that Edit and Delete always act on one.
TEST_F(MainWindowTest, ARowIsSelectedWheneverTheTableHasRows)
{
    for (const char* time : {"01:00:00 AM", "02:00:00 AM", "03:00:00 AM"})
        add(time);
    ASSERT_EQ(scheduler().save(), "");
    restart();
    auto* table = child<QTreeView>("mainListview");
    const auto ctrlClick = [&] {
        QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          table->visualRect(table->currentIndex()).center());
    };
    const auto del = [this] { click("Command3"); };
    const auto deleteKey = [&] { QTest::keyClick(table, Qt::Key_Delete); };
    const auto down = [&] { QTest::keyClick(table, Qt::Key_Down); };
    // clang-format off
    const std::pair<std::function<void()>, const char*> steps[] = {
        {[] {}, "01:00:00 AM"}, {del, "02:00:00 AM"}, {down, "03:00:00 AM"}, {ctrlClick, "03:00:00 AM"},
        {deleteKey, "02:00:00 AM"}, {del, ""}, {del, ""}, {[this] { click("Command1"); }, "01:00:00 AM"}};
    // clang-format on
    for (const auto& [step, selected] : steps) {
        step();
        QCoreApplication::processEvents();
        EXPECT_EQ(table->selectionModel()->selectedRows().value(0).data().toString().toStdString(), selected);
    }
    EXPECT_EQ(env.messages, QStringList{"Nothing to Delete"});
}

// What runs next, over days: the tray's tooltip and the status line say it with the day and the time
// left, and the table's last column gives each entry's next run (none for a disabled one; a skipped run
// gives way to the next day's).
TEST_F(MainWindowTest, TooltipStatusLineAndNextRunsSayWhatRunsNextAndWhen)
{
    const QDate friday = Monday.addDays(4), saturday = Monday.addDays(5);
    // the entry (time, frequency, status, record date), the time, what the user does; the status, the cell
    const std::tuple<const char*, QDateTime, std::function<void()>, const char*, const char*> rows[] = {
        {"07:30:00 PM|Daily",
         at(19, 0),
         {},
         "Next: Reboot today at 07:30:00 PM (in 30 min)",
         "Mon 12/7/26 07:30:00 PM"},
        {"07:30:00 PM|Daily", at(19, 0), [this] { scheduler().skipNext(); },
         "Next: Reboot tomorrow at 07:30:00 PM (in 1 day)", "Tue 12/8/26 07:30:00 PM"},
        {"07:30:00 PM|Daily",
         at(20, 0),
         {},
         "Next: Reboot tomorrow at 07:30:00 PM (in 23 h 30 min)",
         "Tue 12/8/26 07:30:00 PM"},
        {"07:30:00 PM|Weekly||12/11/2026",
         at(9, 0),
         {},
         "Next: Reboot on Friday at 07:30:00 PM (in 4 days)",
         "Fri 12/11/26 07:30:00 PM"},
        {"07:30:00 PM|WeekDays",
         {saturday, QTime(8, 0)},
         {},
         "Next: Reboot on Monday at 07:30:00 PM (in 2 days)",
         "Mon 12/14/26 07:30:00 PM"},
        {"07:30:00 PM|Once|Disabled", at(19, 0), {}, "Nothing scheduled", ""},
        {"07:30:00 PM|Daily", at(19, 0), [this] { click("disablebtn"); },
         "Scheduler stopped: no entry will run", "Mon 12/7/26 07:30:00 PM"},
        {"07:30:00 PM|Daily",
         {friday, QTime(19, 29, 30)},
         {},
         "Next: Reboot today at 07:30:00 PM (in less than a minute)",
         "Fri 12/11/26 07:30:00 PM"},
    };
    for (const auto& [entry, now, act, status, cell] : rows) {
        SCOPED_TRACE(entry);
        const QStringList f = QString(entry).split('|');
        app.reset();
        QFile::remove(Paths::settingsFile());
        clock.set(now);
        restart();
        scheduler().addEntry(
            {makeRecordText(f.value(3).isEmpty() ? Monday : QDate::fromString(f[3], "M/d/yyyy"), f[0]),
             f.value(2, "").isEmpty() ? "Enabled" : f[2], f[1], "Reboot"});
        if (act)
            act();
        EXPECT_EQ(tray.toolTip, "Lullwick\n" + QString(status));
        EXPECT_EQ(child<QLabel>("StatusLine")->text(), status);
        EXPECT_EQ(scheduler().schedule().data(scheduler().schedule().index(0, ScheduleList::NextRunColumn)),
                  cell);
    }
}

// The controls show the scheduler's options and change them: a click on a box, a count typed (three
// characters at most; a stored longer one is shown whole) and corrected when the box is left. Start
// and Disable switch the buttons, the window's and the tray's icon. Exit registers start at login as
// chosen, saves and ends; when it cannot save it asks, and the user may stay.
TEST_F(MainWindowTest, ControlsShowAndChangeTheSchedulersState)
{
    Options stored;
    stored.CountTimer = "0030";
    stored.EventSound = 2;
    ASSERT_EQ(saveSchedule(Paths::settingsFile(), ScheduleList(), stored), "");
    restart();
    auto* count = child<QLineEdit>("CountTimer");
    child<QTabWidget>("SSTab1")->setCurrentIndex(0);
    EXPECT_EQ(count->text(), "0030");
    EXPECT_EQ(child<QCheckBox>("EventSound")->checkState(), Qt::PartiallyChecked);
    const auto option = [this](const char* name) {
        QCheckBox* box = child<QCheckBox>(name);
        const Options before = scheduler().options();
        box->click();
        const Options after = scheduler().options();
        return QString("%1%2%3%4%5")
            .arg(before.EventSound != after.EventSound)
            .arg(before.AbortBtn != after.AbortBtn)
            .arg(before.Startup != after.Startup)
            .arg(before.LogFile != after.LogFile)
            .arg(before.StartMin != after.StartMin);
    };
    EXPECT_EQ(QStringList({option("EventSound"), option("AbortBtn"), option("Check1"), option("LogFile"),
                           option("StartMin")}),
              QStringList({"10000", "01000", "00100", "00010", "00001"}));
    EXPECT_EQ(startup.calls, QStringList{"clear"}) << "a click on start at login acts at once";
    // typed, then shown; after leaving the box, shown and the scheduler's
    for (const auto& [typed, shown, left] : {std::tuple{"12345", "123", "123"},
                                             {"abc", "abc", "10"},
                                             {"0", "0", "0"},
                                             {"-1", "-1", "10"},
                                             {"2.5", "2.5", "2.5"},
                                             {"", "", "10"}}) {
        count->setFocus();
        count->selectAll();
        QTest::keyClicks(count, typed);
        if (*typed == '\0')
            QTest::keyClick(count, Qt::Key_Delete);
        EXPECT_EQ(std::pair(count->text(), scheduler().options().CountTimer),
                  std::pair(QString(shown), QString(shown)));
        child<QCheckBox>("LogFile")->setFocus();
        EXPECT_EQ(std::pair(count->text(), scheduler().options().CountTimer),
                  std::pair(QString(left), QString(left)));
    }
    const QImage started = tray.image;
    click("disablebtn");
    EXPECT_TRUE(!scheduler().isStarted() && child<QPushButton>("Startbtn")->hasFocus() &&
                !child<QPushButton>("disablebtn")->isEnabled() && tray.image != started);
    click("Startbtn");
    EXPECT_TRUE(scheduler().isStarted() && child<QPushButton>("disablebtn")->hasFocus() &&
                tray.image == started);

    const QString folder = QFileInfo(Paths::settingsFile()).path();
    ASSERT_TRUE(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    startup.calls.clear();
    click("Command4");
    EXPECT_TRUE(env.questions.size() == 1 && env.questions[0].contains("Lullwick.ini"));
    EXPECT_TRUE(env.programEnds == 0 && tray.visible()) << "the user stays";
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    click("Command4");
    EXPECT_TRUE(env.programEnds == 1 && !tray.visible() && !form()->isVisible());
    EXPECT_EQ(startup.calls, QStringList({"clear", "clear"})) << "as the box says";
    EXPECT_TRUE(contents(Paths::settingsFile()).contains("CountTimer=10"));
}

// Add Timer adds a Once entry for the chosen event the box's minutes from now, to the second, which
// then comes due; an event the system cannot carry out is not offered.
TEST_F(MainWindowTest, AddTimerAddsAOnceEntryMinutesFromNowOfAnOfferedEvent)
{
    power.cannot = {"Hibernate"};
    restart();
    auto* events = child<QComboBox>("CmbEvent");
    QStringList offered;
    for (int i = 0; i < events->count(); ++i)
        offered << events->itemData(i).toString();
    EXPECT_EQ(offered, QStringList({"Shutdown", "Logoff", "Reboot", "PowerOff", "Suspend", "Lock"}));
    clock.set(at(19, 0, 17));
    events->setCurrentIndex(offered.indexOf("Lock"));
    child<QSpinBox>("TimerMinutes")->setValue(45);
    click("AddTimer");
    ASSERT_EQ(scheduler().schedule().count(), 1);
    EXPECT_EQ(scheduler().schedule().entry(0),
              (ScheduleEntry{makeRecordText(Monday, "07:45:17 PM"), "Enabled", "Once", "Lock"}));
    runUntilCountdown(at(20, 0));
    EXPECT_TRUE(scheduler().isCountingDown());
    EXPECT_EQ(Clock::now().toString(Qt::ISODate), at(19, 45, 17).toString(Qt::ISODate)) << "in its second";
}

// Started in the tray ("Minimize on Startup"), no window is built until the tray icon is clicked;
// without a notification area the window is shown minimised instead. The close box hides it.
TEST_F(MainWindowTest, StartedInTheTrayTheWindowIsBuiltWhenFirstShown)
{
    Options options;
    options.StartMin = 1;
    ASSERT_EQ(saveSchedule(Paths::settingsFile(), ScheduleList(), options), "");
    for (const bool trayAvailable : {true, false}) {
        SCOPED_TRACE(trayAvailable);
        tray.available = trayAvailable;
        remake();
        ASSERT_TRUE(app->start());
        EXPECT_EQ(form() != nullptr, !trayAvailable);
        if (trayAvailable) {
            emit tray.showWindowRequested();
            ASSERT_TRUE(form() && QTest::qWaitForWindowExposed(form()));
            EXPECT_FALSE(form()->close());
            EXPECT_FALSE(form()->isVisible());
        } else {
            EXPECT_TRUE(form()->isMinimized());
        }
    }
}

// A second start is refused: it says so, shows the running instance's window (also after a killed
// instance left its socket) and touches nothing. The session's requests then save what the running
// one holds; only the session's end (or Ctrl+C) ends it, and the refused instance neither saves nor
// ends. During a countdown the end saves at once, the countdown goes on, and an abort ends.
TEST_F(MainWindowTest, SecondStartIsRefusedAndTheSessionsRequestsSave)
{
    const auto quit = [] { // the session manager's last word: Qt quits its event loop
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        QCoreApplication::exec();
    };
    const auto duringCountdown = [this] {
        add("07:30:00 PM");
        runUntilCountdown(at(19, 31));
        ASSERT_TRUE(scheduler().isCountingDown());
        const int ends = env.programEnds;
        std::raise(SIGTERM);
        EXPECT_TRUE(QTest::qWaitFor([] { return QFile::exists(Paths::settingsFile()); }));
        EXPECT_TRUE(scheduler().isCountingDown() && env.programEnds == ends) << "the countdown goes on";
        scheduler().abortCountdown();
    };
    // the request, whether it ends the program, whether a killed instance left its socket
    // clang-format off
    const std::tuple<std::function<void()>, bool, bool> rows[] = {
        {checkpoint, false, true}, {[] { std::raise(SIGTERM); }, true, false}, {[] { std::raise(SIGINT); }, true, false},
        {quit, true, false}, {duringCountdown, true, false}};
    // clang-format on
    for (const auto& [request, ends, leftover] : rows) {
        app.reset();
        QFile::remove(Paths::settingsFile());
        ASSERT_TRUE(!leftover ||
                    QFile(showRequestSocketName(Paths::settingsFile())).open(QIODevice::WriteOnly));
        clock.set(at(19, 29, 59));
        restart();
        add("08:00:00 PM");
        form()->hide();
        env.messages.clear();
        FakeTray secondTray;
        Application second({secondTray, startup, power, sound, notification});
        EXPECT_FALSE(second.start());
        EXPECT_EQ(env.messages, QStringList{"Program Already Running"});
        EXPECT_TRUE(QTest::qWaitFor([&] { return form()->isVisible(); }));
        EXPECT_TRUE(!secondTray.visible() && second.mainWindow() == nullptr);
        const int endsBefore = env.programEnds;
        request();
        EXPECT_TRUE(QTest::qWaitFor([&] { return env.programEnds == endsBefore + ends; }));
        EXPECT_TRUE(contents(Paths::settingsFile()).contains("08:00:00 PM")) << "the entry added";
        EXPECT_EQ(tray.visible(), !ends);
    }
    EXPECT_TRUE(startup.calls.isEmpty()) << "only Exit touches the start-at-login entry";
}

// In each window, at 8, 12 and 18 points, in Fusion and Adwaita: every control a user acts on is reached
// by Tab and has a mnemonic of its own (buttons, check boxes, tabs, the labels of selectors and text
// boxes); screen readers name every selector and text box by its label; captions and the longest items
// fit, and no two controls overlap.
TEST_F(MainWindowTest, EveryControlIsNamedReachableAndFitsAtAnyFontAndStyle)
{
    add("07:30:00 PM", "Weekly");
    for (int i = 0; i < Values::Events.size(); ++i) // every event's name and day's in the table
        scheduler().addEntry(
            {makeRecordText(Monday.addDays(i), "08:00:00 PM"), "Disabled", "Weekly", Values::Events[i]});
    ASSERT_EQ(scheduler().save(), "");
    const QFont initial = QApplication::font();
    for (const char* style : {"Fusion", "Adwaita"})
        for (const int points : {8, 12, 18}) {
            SCOPED_TRACE(::testing::Message() << style << " " << points << " pt");
            ASSERT_TRUE(QStyleFactory::keys().contains(style));
            QApplication::setStyle(QStyleFactory::create(style));
            QFont font = initial;
            font.setPointSize(points);
            QApplication::setFont(font);
            // The program started in this font and style, counting down.
            clock.set(at(19, 29, 59));
            restart();
            runUntilCountdown(at(19, 31));
            ASSERT_TRUE(app->warningWindow());
            EditWindow edit(scheduler(), 0);
            LogViewer viewer(Paths::logFile());
            for (QWidget* window :
                 std::initializer_list<QWidget*>{form(), &edit, &viewer, app->warningWindow()}) {
                SCOPED_TRACE(window->metaObject()->className());
                window->show();

                // Tabs and push buttons answer their mnemonics from any tab; the rest on their own.
                auto* tabs = window->findChild<QTabWidget*>();
                QStringList everywhere;
                for (int tab = 0; tabs && tab < tabs->count(); ++tab)
                    everywhere << tabs->tabText(tab);
                for (const QPushButton* button : window->findChildren<QPushButton*>())
                    everywhere << button->text();
                for (int tab = 0; tab < (tabs ? tabs->count() : 1); ++tab) {
                    QStringList captions = everywhere;
                    if (tabs)
                        tabs->setCurrentIndex(tab);
                    QCoreApplication::processEvents();
                    QList<QWidget*> shown;
                    for (QWidget* w : window->findChildren<QWidget*>()) {
                        if (!w->isVisible() || qobject_cast<QTabBar*>(w->parentWidget()))
                            continue;
                        SCOPED_TRACE(w->objectName().toStdString());
                        const auto* button = qobject_cast<QAbstractButton*>(w);
                        const auto* label = qobject_cast<QLabel*>(w);
                        if (button && !qobject_cast<QPushButton*>(w))
                            captions << button->text();
                        if (label && label->buddy())
                            captions << label->text();
                        const bool selector =
                            qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractSpinBox*>(w);
                        // the text box inside a selector is measured with it
                        const bool inner = qobject_cast<QComboBox*>(w->parentWidget()) ||
                                           qobject_cast<QAbstractSpinBox*>(w->parentWidget());
                        if (button || selector || (qobject_cast<QLineEdit*>(w) && !inner) ||
                            (label && !label->wordWrap())) {
                            shown << w;
                            const int needs =
                                qobject_cast<QPushButton*>(w)
                                    ? w->fontMetrics().horizontalAdvance(button->text().remove('&')) + 8
                                    : w->minimumSizeHint().width();
                            EXPECT_LE(needs, w->width()) << "cut off";
                            EXPECT_LE(w->minimumSizeHint().height(), w->height()) << "cut off";
                        }
                        auto* table = qobject_cast<QTreeView*>(w);
                        for (int column = 0; table && column < table->model()->columnCount(); ++column) {
                            EXPECT_LE(static_cast<QAbstractItemView*>(table)->sizeHintForColumn(column),
                                      table->header()->sectionSize(column))
                                << "column " << column << " cut off";
                        }
                        const bool textBox = qobject_cast<QPlainTextEdit*>(w);
                        if (!textBox && !selector && !(qobject_cast<QLineEdit*>(w) && !inner))
                            continue;
                        EXPECT_TRUE(w->focusPolicy() & Qt::TabFocus);
                        QString name = textBox ? w->accessibleName() : QString();
                        for (const auto& [other, relation] :
                             QAccessible::queryAccessibleInterface(w)->relations(QAccessible::Label))
                            if (const auto* by = qobject_cast<QLabel*>(other->object()))
                                name = other->text(QAccessible::Name) == QString(by->text()).remove('&')
                                           ? by->text()
                                           : "";
                        EXPECT_FALSE(name.isEmpty()) << "no name for screen readers";
                    }
                    const auto area = [window](QWidget* w) {
                        return QRect(w->mapTo(window, QPoint()), w->size());
                    };
                    for (QWidget* a : shown)
                        for (QWidget* b : shown) {
                            const bool apart = a >= b || a->isAncestorOf(b) || b->isAncestorOf(a) ||
                                               !area(a).intersects(area(b));
                            EXPECT_TRUE(apart)
                                << a->objectName().toStdString() << " / " << b->objectName().toStdString();
                        }
                    expectOwnMnemonics(captions);
                }
            }
        }
    QApplication::setFont(initial);
}

// In the user's language (CTest runs this also in German, French and Spanish): no English is left on
// a window, in the tray's menu or its notice, whose mnemonics differ; the store keeps the English
// words, so the same choices store the same bytes in any language, which load back the same.
TEST_F(MainWindowTest, EveryTextIsInTheUsersLanguageAndTheStoreIsNot)
{
    const auto shownTexts = [this] {
        app.reset();
        QFile::remove(Paths::settingsFile());
        clock.set(at(19, 29, 59));
        restart();
        add("07:30:00 PM", "Weekly");
        runUntilCountdown(at(19, 31));
        EditWindow edit(scheduler(), 0);
        LogViewer viewer(Paths::logFile());
        QStringList texts = QStringList{tray.toolTip} + notification.shown.split('|');
        for (const QAction* item : tray.menu->actions())
            texts << item->text();
        // titles, captions, labels, names for screen readers, tabs, the selectors' items, the table
        for (QWidget* window : std::initializer_list<QWidget*>{form(), &edit, &viewer, app->warningWindow()})
            for (const QWidget* w : window->findChildren<QWidget*>() + QWidgetList{window}) {
                for (const char* property :
                     {"windowTitle", "accessibleName", "accessibleDescription", "text", "title"})
                    texts << w->property(property).toString();
                const auto* tabs = qobject_cast<const QTabBar*>(w);
                for (int i = 0; tabs && i < tabs->count(); ++i)
                    texts << tabs->tabText(i);
                const auto* view = qobject_cast<const QAbstractItemView*>(w);
                for (int row = -1; view && row < view->model()->rowCount(); ++row)
                    for (int column = 0; column < view->model()->columnCount(); ++column)
                        texts << (row < 0 ? view->model()->headerData(column, Qt::Horizontal)
                                          : view->model()->index(row, column).data())
                                     .toString();
            }
        scheduler().abortCountdown();
        return texts;
    };
    // Status "Disabled", frequency "Weekly" on Friday, event "PowerOff", chosen by their places.
    const auto storeChoices = [this] {
        app.reset();
        QFile::remove(Paths::settingsFile());
        restart();
        for (const auto& [name, index] :
             {std::pair{"CmbStatus", 1}, {"CmbFrequency", 3}, {"CmbWeekday", 4}, {"CmbEvent", 3}})
            child<QComboBox>(name)->setCurrentIndex(index);
        click("Command1");
        EXPECT_EQ(scheduler().save(), "");
        return contents(Paths::settingsFile());
    };
    const auto loadsBackTheSame = [this](const QByteArray& stored) {
        restart();
        EXPECT_EQ(scheduler().save(), "");
        EXPECT_EQ(contents(Paths::settingsFile()), stored);
    };
    QStringList menu;
    for (const bool started : {false, true}) {
        started ? scheduler().start() : scheduler().stop();
        for (const QAction* item : tray.menu->actions())
            if (item->text().contains('&') && !menu.contains(item->text()))
                menu << item->text();
    }
    expectOwnMnemonics(menu);
    if (QLocale().language() == QLocale::English)
        GTEST_SKIP() << "the other languages are compared with English";

    const QList<QTranslator*> translators = qApp->findChildren<QTranslator*>();
    const QStringList translated = shownTexts();
    const QByteArray stored = storeChoices();
    for (QTranslator* translator : translators)
        QCoreApplication::removeTranslator(translator);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    loadsBackTheSame(stored);
    const QStringList english = shownTexts();
    EXPECT_EQ(storeChoices(), stored);
    for (QTranslator* translator : translators)
        QCoreApplication::installTranslator(translator);
    QLocale::setDefault(QLocale::system());
    loadsBackTheSame(stored);

    static const QRegularExpression names(R"(^(Lullwick( v[\d.]+)?|AM|PM|min|[\d\W])*$)");
    ASSERT_EQ(translated.size(), english.size());
    for (qsizetype i = 0; i < english.size(); ++i)
        EXPECT_TRUE(translated[i] != english[i] || names.match(english[i]).hasMatch())
            << "left in English: " << english[i].toStdString();
}
