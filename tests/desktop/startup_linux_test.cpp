#include "desktop/paths.h"
#include "desktop/startup.h"
#include "mainwindow/mainwindow.h"
#include "support/fakes.h"
#include "support/tempenvironment.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>
#include <gtest/gtest.h>
#include <sys/mount.h>

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

// Checked at Exit writes a valid entry that runs this program; unchecking removes it at once,
// and removing a missing entry at Exit is quiet.
TEST(XdgAutostart, CheckedAtExitWritesAValidEntryAndUncheckedRemovesIt)
{
    TempEnvironment env;
    const auto startup = createStartupRegistration();
    FakeTray tray;
    FakePower power;
    FakeSound sound;
    FakeNotification notification;
    const QString entry = Paths::autostartFile();
    for (const bool uncheck : {false, true}) {
        MainWindow form(MainWindowServices{tray, *startup, power, sound, notification});
        ASSERT_TRUE(form.startUp());
        form.schedule().append({QStringLiteral("12/6/2026 07:30:00 PM"), QStringLiteral("Enabled"),
                                QStringLiteral("Daily"), QStringLiteral("Shutdown")});
        auto* box = form.findChild<QCheckBox*>(QStringLiteral("Check1"));
        ASSERT_TRUE(box->isChecked());
        if (uncheck) {
            QTest::mouseClick(box, Qt::LeftButton);
            EXPECT_FALSE(QFile::exists(entry));
        }
        QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("Command4")), Qt::LeftButton);
        EXPECT_EQ(QFile::exists(entry), !uncheck);
        if (!uncheck) {
            EXPECT_TRUE(readAll(entry).contains(QStringLiteral("Exec=\"") +
                                                QCoreApplication::applicationFilePath() + QLatin1Char('"')))
                << readAll(entry).toStdString();
            EXPECT_EQ(validate(entry), QString());
        }
    }
    EXPECT_EQ(env.programEnds, 2);
    EXPECT_TRUE(env.messages.isEmpty());
}

TEST(XdgAutostart, AnAwkwardPathIsEscapedSoTheEntryIsValidAndRunsThatFile)
{
    TempEnvironment env;
    // The running executable is this test; copy it to a folder whose name holds the characters
    // the entry must escape, a line break followed by a key of its own and a field code included.
    const QString odd = env.root() + QStringLiteral("/my \"odd\" $dir\\x %f\n\tExec=/bin/false\r");
    ASSERT_TRUE(QDir().mkpath(odd));
    const QString copy = odd + QStringLiteral("/lullwick test");
    ASSERT_TRUE(QFile::copy(QCoreApplication::applicationFilePath(), copy));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LULLWICK_TEST_AUTOSTART_CHILD"), QStringLiteral("1"));
    environment.insert(QStringLiteral("GTEST_FILTER"), QStringLiteral("XdgAutostart.WriteForThisExecutable"));
    QProcess child;
    child.setProcessEnvironment(environment);
    child.start(copy);
    ASSERT_TRUE(child.waitForFinished(30000));
    ASSERT_EQ(child.exitCode(), 0) << child.readAll().toStdString();
    const QString entry = Paths::autostartFile();
    EXPECT_EQ(validate(entry), QString());
    EXPECT_EQ(readAll(entry).count(
                  QRegularExpression(QStringLiteral("^Exec="), QRegularExpression::MultilineOption)),
              1)
        << readAll(entry).toStdString();

    // GLib's parsers read the copy's path as the whole command: the Exec value unescaped, split as a
    // shell would, then field codes expanded, %% to % and %f to nothing (no file given).
    // (GLib's own launcher looks for the program before it expands %%, so it is not used.)
    QProcess glib;
    glib.start(QStringLiteral("/usr/bin/python3"),
               {QStringLiteral("-c"),
                QStringLiteral("import re, sys\nfrom gi.repository import GLib\n"
                               "entry = GLib.KeyFile(); entry.load_from_file(sys.argv[1], 0)\n"
                               "argv = GLib.shell_parse_argv(entry.get_string('Desktop Entry', 'Exec'))[1]\n"
                               "expand = lambda a: re.sub('%(.)', lambda m: '%' if m[1] == '%' else '', a)\n"
                               "print('\\0'.join(map(expand, argv)), end='')"),
                entry});
    ASSERT_TRUE(glib.waitForFinished(30000));
    EXPECT_EQ(QString::fromUtf8(glib.readAllStandardOutput()), copy)
        << glib.readAllStandardError().toStdString();
}

// Run by the test above in a copy of this executable, in the test's temporary home.
TEST(XdgAutostart, WriteForThisExecutable)
{
    if (qEnvironmentVariableIsEmpty("LULLWICK_TEST_AUTOSTART_CHILD"))
        GTEST_SKIP() << "run only as the child of AnAwkwardPathIsEscapedSoTheEntryIsValidAndRunsThatFile";
    EXPECT_EQ(createStartupRegistration()->SetStartupEntry(), QString());
}

// A full disk and a read-only file system: a 16 KiB memory file system mounted on the
// autostart folder (needs root), then filled or remounted read-only.
TEST(XdgAutostart, AnEntryThatCannotBeWrittenGivesTheSystemsReasonAndKeepsTheOldOne)
{
    for (const int error : {ENOSPC, EROFS}) {
        SCOPED_TRACE(error);
        TempEnvironment env;
        const QString entry = Paths::autostartFile();
        const QByteArray folder = QFile::encodeName(QFileInfo(entry).absolutePath());
        ASSERT_TRUE(QDir().mkpath(QString::fromLocal8Bit(folder)));
        if (::mount("tmpfs", folder.constData(), "tmpfs", 0, "size=16k") != 0)
            GTEST_SKIP() << "mounting a file system is not permitted here";
        const auto unmount = qScopeGuard([&] { ::umount2(folder.constData(), MNT_DETACH); });
        const auto startup = createStartupRegistration();
        ASSERT_EQ(startup->SetStartupEntry(), QString());
        const QString old = readAll(entry);
        if (error == EROFS) {
            ASSERT_EQ(::mount(nullptr, folder.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);
        } else {
            QFile filler(QString::fromLocal8Bit(folder) + QStringLiteral("/filler"));
            ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            while (filler.write(QByteArray(512, 'x')) > 0) {
            }
        }
        const QString message = startup->SetStartupEntry();
        EXPECT_TRUE(message.contains(entry)) << message.toStdString();
        EXPECT_TRUE(message.contains(qt_error_string(error))) << message.toStdString();
        EXPECT_EQ(readAll(entry), old);
    }
}

// A folder in the entry's place: neither written nor removed, and the reason names it.
TEST(XdgAutostart, AnEntryThatCannotBeWrittenOrRemovedGivesTheReason)
{
    TempEnvironment env;
    const auto startup = createStartupRegistration();
    ASSERT_TRUE(QDir().mkpath(Paths::autostartFile() + QStringLiteral("/blocked")));
    EXPECT_TRUE(startup->SetStartupEntry().contains(Paths::autostartFile()));
    EXPECT_TRUE(startup->ClearStartupEntry().contains(Paths::autostartFile()));
}
