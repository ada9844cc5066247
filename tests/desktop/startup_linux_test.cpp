#include "desktop/paths.h"
#include "desktop/startup.h"
#include "mainwindow/mainwindow.h"
#include "support/fakes.h"
#include "support/tempenvironment.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QString readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// desktop-file-validate's verdict, empty when the entry is valid and it has nothing to say.
QString validate(const QString& path)
{
    QProcess validator;
    validator.setProcessChannelMode(QProcess::MergedChannels);
    validator.start(QStringLiteral("desktop-file-validate"), {path});
    if (!validator.waitForFinished(20000))
        return QStringLiteral("desktop-file-validate did not run");
    return QString::fromUtf8(validator.readAll()).trimmed() +
           (validator.exitCode() ? QStringLiteral(" (failed)") : QString());
}

} // namespace

TEST(XdgAutostart, CheckedAtExitWritesAValidEntryAndUncheckedRemovesIt)
{
    TempEnvironment env;
    const auto startup = createStartupRegistration();
    FakeTray tray;
    FakePower power;
    FakeSound sound;
    FakeNotification notification;
    const QString entry = Paths::autostartFile();

    {
        MainWindow form(MainWindowServices{tray, *startup, power, sound, notification});
        ASSERT_TRUE(form.startUp());
        form.schedule().append({QStringLiteral("12/6/2026 07:30:00 PM"), QStringLiteral("Enabled"),
                                QStringLiteral("Daily"), QStringLiteral("Shutdown")});
        ASSERT_TRUE(form.findChild<QCheckBox*>(QStringLiteral("Check1"))->isChecked());
        QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("Command4")), Qt::LeftButton);
        ASSERT_EQ(env.programEnds, 1);
    }
    const QString text = readAll(entry);
    EXPECT_TRUE(
        text.contains(QStringLiteral("Exec=\"") + QCoreApplication::applicationFilePath() + QLatin1Char('"')))
        << text.toStdString();
    EXPECT_EQ(validate(entry), QString());

    {
        MainWindow form(MainWindowServices{tray, *startup, power, sound, notification});
        ASSERT_TRUE(form.startUp());
        auto* box = form.findChild<QCheckBox*>(QStringLiteral("Check1"));
        QTest::mouseClick(box, Qt::LeftButton); // the click itself removes the entry
        EXPECT_FALSE(QFile::exists(entry));
        QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("Command4")), Qt::LeftButton);
        EXPECT_FALSE(QFile::exists(entry)) << "removing a missing entry is quiet";
    }
    EXPECT_TRUE(env.messages.isEmpty());
}

TEST(XdgAutostart, PathsWithBlanksQuotesAndDollarsAreQuotedAsTheFormatAsks)
{
    TempEnvironment env;
    // The running executable is this test; copy it to an awkward place and ask that copy.
    const QString odd = env.root() + QStringLiteral("/my \"odd\" $dir\\x%y");
    ASSERT_TRUE(QDir().mkpath(odd));
    const QString copy = odd + QStringLiteral("/lullwick test");
    ASSERT_TRUE(QFile::copy(QCoreApplication::applicationFilePath(), copy));
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LULLWICK_TEST_AUTOSTART_CHILD"), QStringLiteral("1"));
    child.setProcessEnvironment(environment);
    child.start(copy, {QStringLiteral("--gtest_filter=XdgAutostart.WriteForThisExecutable")});
    ASSERT_TRUE(child.waitForFinished(30000));
    ASSERT_EQ(child.exitCode(), 0) << child.readAll().toStdString();
    const QString text = readAll(Paths::autostartFile());
    EXPECT_TRUE(text.contains(QStringLiteral("Exec=\"") + env.root() +
                              QStringLiteral("/my \\\\\"odd\\\\\" \\\\$dir\\\\\\\\x%%y/lullwick test\"")))
        << text.toStdString();
    EXPECT_EQ(validate(Paths::autostartFile()), QString());
}

// Run by the test above in a copy of this executable, in the test's temporary home.
TEST(XdgAutostart, WriteForThisExecutable)
{
    if (qEnvironmentVariableIsEmpty("LULLWICK_TEST_AUTOSTART_CHILD"))
        GTEST_SKIP() << "run only as the child of PathsWithBlanksQuotesAndDollarsAreQuotedAsTheFormatAsks";
    EXPECT_EQ(createStartupRegistration()->SetStartupEntry(), QString());
}

TEST(XdgAutostart, AnEntryThatCannotBeWrittenOrRemovedGivesTheReason)
{
    TempEnvironment env;
    const auto startup = createStartupRegistration();
    ASSERT_TRUE(QDir().mkpath(Paths::autostartFile() + QStringLiteral("/blocked")));
    EXPECT_TRUE(startup->SetStartupEntry().contains(Paths::autostartFile()));
    EXPECT_TRUE(startup->ClearStartupEntry().contains(Paths::autostartFile()));
}
