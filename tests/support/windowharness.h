#pragma once

#include "mainwindow/mainwindow.h"
#include "support/fakes.h"
#include "support/mockclock.h"
#include "support/tempenvironment.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// Where window tests start: a main window (created, not started) on fakes, in a temporary home, on
// a clock the test sets.
class WindowHarness {
protected:
    explicit WindowHarness(const QDateTime& start = {QDate(2026, 12, 7), QTime(9, 0)}) : clock(start) {}
    std::unique_ptr<MainWindow> newForm()
    {
        return std::make_unique<MainWindow>(MainWindowServices{tray, startup, power, sound, notification});
    }
    // Starts the window and shows it, active, as a user finds it after start-up.
    void startShown()
    {
        ASSERT_TRUE(form->startUp());
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    template <typename T> T* child(const char* name) const { return form->findChild<T*>(name); }
    void click(const char* button) const { QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton); }

    TempEnvironment env;
    MockClock clock;
    FakeTray tray;
    FakeStartup startup;
    FakePower power;
    FakeSound sound;
    FakeNotification notification;
    std::unique_ptr<MainWindow> form = newForm();
};
