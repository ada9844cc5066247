// Settings files the user's permissions keep from being read or written. The tests run as an
// unprivileged user (tests/support/unprivileged.sh), whom permissions stop.
#include "desktop/paths.h"
#include "schedule/sampleschedules.h"
#include "schedule/schedulestore.h"
#include "support/windowharness.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QScopeGuard>
#include <QSessionManager>
#include <QTest>
#include <cerrno>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>

namespace {

class StoreFaultsTest : public ::testing::Test, protected WindowHarness {
protected:
    void SetUp() override
    {
        ScheduleList two;
        fillList(two, sampleEntries(2, 0));
        ASSERT_EQ(saveSchedule(path, two, sampleOptions(1)), QString());
        before = contents();
    }
    QByteArray contents() const
    {
        QFile file(path);
        file.setPermissions(file.permissions() | QFile::ReadOwner);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Starts a new window on the store and adds an entry that only a save would keep.
    void startWithAnUnsavedEntry()
    {
        form.reset();
        form = newForm();
        ASSERT_TRUE(form->startUp());
        QTest::mouseClick(child<QPushButton>("Command1"), Qt::LeftButton);
    }
    QByteArray log() const
    {
        QFile file(Paths::logFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void complete(const QString& frequency)
    {
        CompleteEvent({"09:00:00 AM", "Reboot", frequency, "0"}, *form, power);
    }

    const QString path = Paths::settingsFile();
    const QString denied = qt_error_string(EACCES);
    QByteArray before;
};

} // namespace

TEST_F(StoreFaultsTest, AStoreThatCannotBeReadIsReportedAndNeverWrittenOver)
{
    const std::pair<const char*, std::function<void()>> waysOut[] = {
        {"Exit",
         [this] {
             env.questionAnswer = true;
             QTest::mouseClick(child<QPushButton>("Command4"), Qt::LeftButton);
         }},
        {"SIGTERM", [] { std::raise(SIGTERM); }},
        {"checkpoint", [] { emit qApp->commitDataRequest(*qApp->findChild<QSessionManager*>()); }},
        {"completion", [this] { complete(QStringLiteral("Daily")); }},
    };
    for (const auto& [name, wayOut] : waysOut) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(QFile::setPermissions(path, QFile::WriteOwner));
        env.messages.clear();
        startWithAnUnsavedEntry();
        ASSERT_EQ(env.messages.size(), 1);
        EXPECT_TRUE(env.messages.first().contains(QDir::toNativeSeparators(path)));
        EXPECT_TRUE(env.messages.first().contains(denied)) << env.messages.first().toStdString();
        wayOut();
        QCoreApplication::processEvents(); // a signal is handled here
        EXPECT_EQ(contents(), before);
    }
    EXPECT_EQ(env.questions.size(), 1) << "Exit asks before it leaves without saving";
    EXPECT_TRUE(log().contains("Schedule not saved")) << log().toStdString();
    EXPECT_TRUE(startup.calls.isEmpty()) << "the stored start-at-login choice is unknown";
}

TEST_F(StoreFaultsTest, AReadOnlySettingsFolderIsReportedAtStartAndAtCompletionInTheLog)
{
    const QString folder = QFileInfo(path).absolutePath();
    ASSERT_TRUE(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    const auto restore = qScopeGuard(
        [&] { QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); });
    startWithAnUnsavedEntry();
    ASSERT_EQ(env.messages.size(), 1);
    EXPECT_TRUE(env.messages.first().contains(QDir::toNativeSeparators(path)));
    EXPECT_TRUE(env.messages.first().contains(denied)) << env.messages.first().toStdString();

    complete(QStringLiteral("Once"));
    EXPECT_EQ(power.requests, std::vector<int>{6}) << "the event goes ahead";
    const QList<QByteArray> lines = log().split('\n');
    ASSERT_EQ(lines.size(), 3) << log().toStdString();
    EXPECT_TRUE(lines[0].startsWith("\"Reboot at "));
    EXPECT_TRUE(lines[1].startsWith("\"Schedule not saved (")) << lines[1].toStdString();
    EXPECT_TRUE(lines[1].contains(denied.toUtf8()));
    EXPECT_EQ(contents(), before);
}
