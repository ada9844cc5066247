#include "desktop/paths.h"
#include "desktop/regularfile.h"
#include "desktop/startup.h"
#include "support/tempenvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QScopeGuard>
#include <gtest/gtest.h>
#include <sys/mount.h>

// What the program printed, after "FAILED: " when it did not end well.
static QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    const bool ok = process.waitForFinished(30000) && process.exitCode() == 0;
    return (ok ? "" : "FAILED: ") + QString::fromUtf8(process.readAll());
}
// A copy of this test in a folder named with what the entry must escape writes the entry. GLib
// reads Exec unescaped, split as a shell would, %% as % and %f as nothing (no file given), and
// starts it (neither hidden nor turned off).
TEST(XdgAutostart, AnAwkwardPathIsEscapedSoTheEntryIsValidAndRunsThatFile)
{
    if (QCoreApplication::applicationFilePath().contains(u'\n'))
        return (void)createStartupRegistration()->SetStartupEntry(); // the entry is checked below
    TempEnvironment env;
    const QString copy = env.root() + "/my \"odd\" $dir`\\x %f\n\tExec=/bin/false\r/lullwick test";
    ASSERT_TRUE(QDir().mkpath(QFileInfo(copy).path()) &&
                QFile::copy(QCoreApplication::applicationFilePath(), copy));
    run(copy, {"--gtest_filter=XdgAutostart.AnAwkward*"});
    EXPECT_EQ(run("desktop-file-validate", {Paths::autostartFile()}), "");
    EXPECT_EQ(run("/usr/bin/python3",
                  {"-c",
                   "import re, sys\nfrom gi.repository import GLib\n"
                   "entry, g = GLib.KeyFile(), 'Desktop Entry'; entry.load_from_file(sys.argv[1], 0)\n"
                   "flag = lambda k, d: entry.get_boolean(g, k) if k in entry.get_keys(g)[0] else d\n"
                   "if flag('Hidden', False) or not flag('X-GNOME-Autostart-enabled', True): sys.exit('off')\n"
                   "argv = GLib.shell_parse_argv(entry.get_string(g, 'Exec'))[1]\n"
                   "print('\\0'.join(re.sub('%(.)', lambda m: m[1] * (m[1] == '%'), a) "
                   "for a in argv), end='')",
                   Paths::autostartFile()}),
              copy);
}
// A folder in the entry's place, and on a 16 KiB tmpfs on the autostart folder (needs root) a full
// disk and a read-only one: the reason names the entry and the system's error; the old one stays.
TEST(XdgAutostart, AnEntryThatCannotBeChangedGivesTheSystemsReasonAndKeepsTheOldOne)
{
    for (const int error : {EISDIR, ENOSPC, EROFS}) {
        SCOPED_TRACE(error);
        TempEnvironment env;
        const auto startup = createStartupRegistration();
        const QString entry = Paths::autostartFile();
        const QByteArray folder = QFile::encodeName(QFileInfo(entry).path());
        ASSERT_TRUE(QDir().mkpath(folder));
        if (error != EISDIR && ::mount("tmpfs", folder.constData(), "tmpfs", 0, "size=16k") != 0)
            GTEST_SKIP() << "mounting a file system is not permitted here";
        const auto unmount = qScopeGuard([&] { ::umount2(folder.constData(), MNT_DETACH); });
        ASSERT_EQ(startup->SetStartupEntry(), "");
        ASSERT_TRUE(error != EISDIR || (QFile::remove(entry) && QDir().mkpath(entry + "/x")));
        const QByteArray old = readRegularFile(entry, 4096).data;
        ASSERT_TRUE(error != EROFS ||
                    ::mount(nullptr, folder.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0);
        QFile filler(folder + "/filler");
        while (error == ENOSPC &&
               (filler.isOpen() || filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) &&
               filler.write(QByteArray(512, 'x')) > 0) {
        }
        const QString message = startup->SetStartupEntry();
        EXPECT_TRUE(message.contains(entry) &&
                    message.contains(error == EISDIR ? "directory" : qt_error_string(error)))
            << qPrintable(message);
        EXPECT_EQ(readRegularFile(entry, 4096).data, old);
        EXPECT_EQ(startup->ClearStartupEntry().contains(entry), error != ENOSPC) << "only a full disk frees";
        EXPECT_EQ(QFileInfo::exists(entry), error != ENOSPC);
    }
}
