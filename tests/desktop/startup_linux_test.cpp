#include "desktop/paths.h"
#include "desktop/startup.h"
#include "support/tempenvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QScopeGuard>
#include <gtest/gtest.h>
#include <sys/mount.h>

namespace {

QString readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// What the program printed, after "FAILED: " when it did not end well.
QString run(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment = {})
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setProcessEnvironment(environment.isEmpty() ? QProcessEnvironment::systemEnvironment()
                                                        : environment);
    process.start(program, arguments);
    const bool ok = process.waitForFinished(30000) && process.exitCode() == 0;
    return (ok ? QString() : QStringLiteral("FAILED: ")) + QString::fromUtf8(process.readAll());
}

} // namespace

// The running executable is this test: a copy of it, in a folder whose name holds what the
// entry must escape (a line break before a key of its own, a field code), writes the entry.
TEST(XdgAutostart, AnAwkwardPathIsEscapedSoTheEntryIsValidAndRunsThatFile)
{
    if (qEnvironmentVariableIsSet("LULLWICK_TEST_AUTOSTART_CHILD")) {
        EXPECT_EQ(createStartupRegistration()->SetStartupEntry(), QString());
        return;
    }
    TempEnvironment env;
    const QString odd = env.root() + QStringLiteral("/my \"odd\" $dir`\\x %f\n\tExec=/bin/false\r");
    const QString copy = odd + QStringLiteral("/lullwick test");
    ASSERT_TRUE(QDir().mkpath(odd) && QFile::copy(QCoreApplication::applicationFilePath(), copy));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LULLWICK_TEST_AUTOSTART_CHILD"), QStringLiteral("1"));
    const QString child = run(copy, {QStringLiteral("--gtest_filter=XdgAutostart.AnAwkward*")}, environment);
    ASSERT_FALSE(child.startsWith(QStringLiteral("FAILED"))) << child.toStdString();
    const QString entry = Paths::autostartFile();
    EXPECT_EQ(run(QStringLiteral("desktop-file-validate"), {entry}), QString())
        << readAll(entry).toStdString();
    // GLib reads the Exec value unescaped, split as a shell would, field codes expanded (%% to
    // %, %f to nothing: no file given). Its launcher looks for the program before expanding %%.
    EXPECT_EQ(
        run(QStringLiteral("/usr/bin/python3"),
            {QStringLiteral("-c"),
             QStringLiteral("import re, sys\nfrom gi.repository import GLib\n"
                            "entry = GLib.KeyFile(); entry.load_from_file(sys.argv[1], 0)\n"
                            "argv = GLib.shell_parse_argv(entry.get_string('Desktop Entry', 'Exec'))[1]\n"
                            "expand = lambda a: re.sub('%(.)', lambda m: '%' if m[1] == '%' else '', a)\n"
                            "print('\\0'.join(map(expand, argv)), end='')"),
             entry}),
        copy);
}

// A folder in the entry's place, and on a 16 KiB memory file system mounted on the autostart
// folder (needs root) a full disk and a read-only one: the reason names the entry and the
// system's error, and the old entry stays.
TEST(XdgAutostart, AnEntryThatCannotBeChangedGivesTheSystemsReasonAndKeepsTheOldOne)
{
    for (const int error : {EISDIR, ENOSPC, EROFS}) {
        SCOPED_TRACE(error);
        TempEnvironment env;
        const auto startup = createStartupRegistration();
        const QString entry = Paths::autostartFile();
        const QByteArray folder = QFile::encodeName(QFileInfo(entry).absolutePath());
        ASSERT_TRUE(QDir().mkpath(QString::fromLocal8Bit(folder)));
        if (error != EISDIR && ::mount("tmpfs", folder.constData(), "tmpfs", 0, "size=16k") != 0)
            GTEST_SKIP() << "mounting a file system is not permitted here";
        const auto unmount = qScopeGuard([&] { ::umount2(folder.constData(), MNT_DETACH); });
        ASSERT_EQ(startup->SetStartupEntry(), QString());
        ASSERT_TRUE(error != EISDIR || (QFile::remove(entry) && QDir().mkpath(entry + QStringLiteral("/x"))));
        const QString old = readAll(entry);
        ASSERT_TRUE(error != EROFS ||
                    ::mount(nullptr, folder.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0);
        QFile filler(QString::fromLocal8Bit(folder) + QStringLiteral("/filler"));
        if (error == ENOSPC) {
            ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            while (filler.write(QByteArray(512, 'x')) > 0) {
            }
        }
        const QString message = startup->SetStartupEntry();
        EXPECT_TRUE(message.contains(entry) &&
                    message.contains(error == EISDIR ? QStringLiteral("directory") : qt_error_string(error)))
            << message.toStdString();
        EXPECT_EQ(readAll(entry), old);
        EXPECT_EQ(startup->ClearStartupEntry().contains(entry), error != ENOSPC) << "only a full disk frees";
        EXPECT_EQ(QFileInfo::exists(entry), error != ENOSPC);
    }
}
