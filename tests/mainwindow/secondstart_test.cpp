#include "desktop/paths.h"
#include "desktop/showrequest.h"
#include "support/windowharness.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class SecondStartTest : public ::testing::Test, protected WindowHarness {};

} // namespace

TEST_F(SecondStartTest, IsRefusedAndThenTheRunningInstanceShowsItsWindowThroughItsSocket)
{
    const struct {
        const char* firstWindow;
        bool leftoverSocket; // a killed instance left its socket behind
        std::function<void(MainWindow&)> put;
    } cases[] = {
        {"closed to the tray", false, [](MainWindow& w) { w.close(); }},
        {"minimised", false, [](MainWindow& w) { w.showMinimized(); }},
        {"closed, after a killed instance", true, [](MainWindow& w) { w.close(); }},
    };
    for (const auto& c : cases) {
        form = newForm();
        env.messages.clear();
        const QString socket = showRequestSocketName(Paths::settingsFile());
        if (c.leftoverSocket) {
            QFile leftover(socket);
            ASSERT_TRUE(leftover.open(QIODevice::WriteOnly)) << c.firstWindow;
        }
        ASSERT_TRUE(form->startUp()) << c.firstWindow;
        form->show();
        c.put(*form);
        QCoreApplication::processEvents();
        ASSERT_TRUE(!form->isVisible() || form->isMinimized()) << c.firstWindow;

        FakeTray secondTray;
        MainWindow second(MainWindowServices{secondTray, startup, power, sound, notification});
        EXPECT_FALSE(second.startUp()) << c.firstWindow;
        EXPECT_EQ(env.messages, QStringList{QStringLiteral("Program Already Running")});
        EXPECT_TRUE(QTest::qWaitFor([&] { return form->isVisible() && !form->isMinimized(); }))
            << c.firstWindow << ": the running instance's window was not shown";
    }
}
