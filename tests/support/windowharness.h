#pragma once

#include "app/application.h"
#include "mainwindow/mainwindow.h"
#include "support/fakes.h"
#include "support/mockclock.h"
#include "support/tempenvironment.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

inline void PrintTo(const ScheduleEntry& e, std::ostream* out)
{
    *out << qPrintable(QStringList({e.SetTime, e.Status, e.Frequency, e.Event}).join(u'|'));
}

// Where the program's tests start: the program (made, not started) on fakes, in a temporary home,
// on a clock the test sets; the scheduler's tests use it without ever showing a window.
struct WindowHarness {
    explicit WindowHarness(const QDateTime& start = {QDate(2026, 12, 7), QTime(9, 0)}) : clock(start) {}
    std::unique_ptr<Application> newApp()
    {
        return std::make_unique<Application>(PlatformServices{tray, startup, power, sound, notification});
    }
    // Ends this program and makes a new one, as the next start does (not started yet).
    void remake()
    {
        app.reset();
        app = newApp();
    }
    Scheduler& scheduler() { return app->scheduler(); }
    // Starts the program and shows its window, active, as a user finds it after start-up.
    void startShown()
    {
        ASSERT_TRUE(app->start());
        app->showMainWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form()));
    }
    MainWindow* form() const { return app->mainWindow(); }
    template <typename T> T* child(const char* name) const { return form()->findChild<T*>(name); }
    void click(const char* button) const { QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton); }
    static QByteArray contents(const QString& file)
    {
        QFile::setPermissions(file, QFile::permissions(file) | QFile::ReadOwner);
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }

    TempEnvironment env;
    MockClock clock;
    FakeTray tray;
    FakeStartup startup;
    FakePower power;
    FakeSound sound;
    FakeNotification notification;
    std::unique_ptr<Application> app = newApp();
};
