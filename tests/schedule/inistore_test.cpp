#include "schedule/inistore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>

namespace {

using Pair = IniStore::Pair;

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& content)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(content), content.size());
}

TEST(IniStore, KeepsWrittenOrderAndRewritesInPlace)
{
    IniStore store;
    EXPECT_TRUE(store.setValue("2", "b", "1"));
    EXPECT_TRUE(store.setValue("1", "z", "2"));
    EXPECT_TRUE(store.setValue("2", "a", "3"));
    EXPECT_TRUE(store.setValue("2", "b", "4")); // an existing key keeps its place

    EXPECT_EQ(store.sections(), QStringList({"2", "1"}));
    EXPECT_EQ(store.pairs("2"), QList<Pair>({{"b", "4"}, {"a", "3"}}));
    EXPECT_EQ(store.pairs("1"), QList<Pair>({{"z", "2"}}));
    EXPECT_TRUE(store.pairs("3").isEmpty());
    EXPECT_EQ(store.value("2", "a"), "3");
    EXPECT_EQ(store.value("2", "missing"), "");
    EXPECT_EQ(store.value("9", "a", "fallback"), "fallback");
    EXPECT_EQ(store.value("2", "missing", "fallback"), "fallback");
}

TEST(IniStore, ClearDeletesEverything)
{
    IniStore store;
    store.setValue("1", "a", "x");
    store.setValue("2", "a", "y");
    store.clear();
    EXPECT_TRUE(store.isEmpty());
    EXPECT_TRUE(store.sections().isEmpty());
    EXPECT_EQ(store.value("1", "a"), "");
    EXPECT_TRUE(store.toUtf8().isEmpty());
    store.setValue("2", "b", "z"); // the index is rebuilt, not stale
    EXPECT_EQ(store.sections(), QStringList({"2"}));
    EXPECT_EQ(store.pairs("2"), QList<Pair>({{"b", "z"}}));
}

TEST(IniStore, WritesTheFileFormatExactly)
{
    IniStore store;
    store.setValue("1", "SetTime", "7/30/2026 07:30:00 PM");
    store.setValue("1", "Odd", "a\\b\nc\rd=e");
    store.setValue("2", "K", "");
    store.setValue("Ünï", "[x]", "ignored: key begins with [");
    store.setValue("Ünï", "k", "ö€😀");
    EXPECT_EQ(store.toUtf8(), QByteArray("[1]\n"
                                         "SetTime=7/30/2026 07:30:00 PM\n"
                                         "Odd=a\\\\b\\nc\\rd=e\n"
                                         "\n"
                                         "[2]\n"
                                         "K=\n"
                                         "\n"
                                         "[\xC3\x9Cn\xC3\xAF]\n"
                                         "k=\xC3\xB6\xE2\x82\xAC\xF0\x9F\x98\x80\n"));
}

TEST(IniStore, RefusesNamesTheFormatCannotHold)
{
    IniStore store;
    EXPECT_FALSE(store.setValue("1", "", "v"));
    EXPECT_FALSE(store.setValue("1", "a=b", "v"));
    EXPECT_FALSE(store.setValue("1", "a\nb", "v"));
    EXPECT_FALSE(store.setValue("1", "a\rb", "v"));
    EXPECT_FALSE(store.setValue("1", "[a]", "v"));
    EXPECT_FALSE(store.setValue("a\nb", "k", "v"));
    EXPECT_FALSE(store.setValue("a\r", "k", "v"));
    EXPECT_TRUE(store.isEmpty());
    // Brackets elsewhere are fine, and so is an empty section name.
    EXPECT_TRUE(store.setValue("", "a]", "v"));
    EXPECT_TRUE(store.setValue("x]y[", "k", "[v]"));
    IniStore back;
    back.parse(store.toUtf8());
    EXPECT_EQ(back.pairs(""), QList<Pair>({{"a]", "v"}}));
    EXPECT_EQ(back.pairs("x]y["), QList<Pair>({{"k", "[v]"}}));
}

TEST(IniStore, ValuesRoundTripExactly)
{
    const QStringList values{"",
                             "\\",
                             "\\\\n",
                             "\\n",
                             "\\r\\",
                             "trailing\\",
                             "\n",
                             "\r\n",
                             "\r",
                             "a=b=c",
                             "[x]",
                             "[1]\nStatus=Enabled",
                             "  blanks  ",
                             QString::fromUtf8("Grüße, 日本, 😀"),
                             QString(QChar(0)) + "nul",
                             "x\tTab"};
    IniStore store;
    for (qsizetype i = 0; i < values.size(); ++i)
        ASSERT_TRUE(store.setValue("s", QStringLiteral("k%1").arg(i), values[i]));
    IniStore back;
    back.parse(store.toUtf8());
    ASSERT_EQ(back.pairs("s").size(), values.size());
    for (qsizetype i = 0; i < values.size(); ++i)
        EXPECT_EQ(back.value("s", QStringLiteral("k%1").arg(i)), values[i]) << "value " << i;
    EXPECT_EQ(back.sections(), QStringList({"s"}));
}

TEST(IniStore, ReadsCrLfBomAndSkipsOtherLines)
{
    IniStore store;
    store.parse("\xEF\xBB\xBF"
                "orphan=before any section\r\n"
                "[1]\r\n"
                "Status=Enabled\r\n"
                "no equals sign\r\n"
                "=empty key\r\n"
                "[\r\n"
                "\r\n"
                "Key=a=b\r\n"
                "Esc=\\q\\\\\\n\\\r\n"
                "[2]\n"
                "Last=no line end");
    EXPECT_EQ(store.sections(), QStringList({"1", "2"}));
    EXPECT_EQ(store.pairs("1"), QList<Pair>({{"Status", "Enabled"}, {"Key", "a=b"}, {"Esc", "\\q\\\n\\"}}));
    EXPECT_EQ(store.pairs("2"), QList<Pair>({{"Last", "no line end"}}));
}

TEST(IniStore, RepeatedSectionsAndKeysMergeIntoTheFirst)
{
    IniStore store;
    store.parse("[1]\na=1\nb=2\n[2]\nc=3\n[1]\nb=20\nd=4\na=10\n");
    EXPECT_EQ(store.sections(), QStringList({"1", "2"}));
    EXPECT_EQ(store.pairs("1"), QList<Pair>({{"a", "10"}, {"b", "20"}, {"d", "4"}}));
    // A document read back writes the same file again.
    IniStore again;
    again.parse(store.toUtf8());
    EXPECT_EQ(again.toUtf8(), store.toUtf8());
}

TEST(IniStore, ParseReplacesTheDocument)
{
    IniStore store;
    store.setValue("old", "k", "v");
    store.parse("[new]\nk=w\n");
    EXPECT_EQ(store.sections(), QStringList({"new"}));
    store.parse("");
    EXPECT_TRUE(store.isEmpty());
}

TEST(IniStore, SaveCreatesTheFolderAndLoadReadsItBack)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("a/b/settings.ini");
    IniStore store;
    store.setValue("1", "k", "v\nw");
    EXPECT_EQ(store.save(path), "");
    EXPECT_EQ(readAll(path), QByteArray("[1]\nk=v\\nw\n"));

    IniStore back;
    back.setValue("stale", "k", "v");
    EXPECT_EQ(back.load(path), QString());
    EXPECT_EQ(back.toUtf8(), store.toUtf8());
    // Nothing but the file is left in the folder.
    EXPECT_EQ(QDir(dir.filePath("a/b")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList({"settings.ini"}));
}

TEST(IniStore, MissingOrUnreadableFileLoadsEmpty)
{
    QTemporaryDir dir;
    IniStore store;
    store.setValue("stale", "k", "v");
    EXPECT_EQ(store.load(dir.filePath("missing.ini")), QString());
    EXPECT_TRUE(store.isEmpty());
    store.setValue("stale", "k", "v");
    EXPECT_NE(store.load(dir.path()), QString()); // a folder, not a file
    EXPECT_TRUE(store.isEmpty());
}

TEST(IniStore, SaveFailureNamesTheFileAndTheReason)
{
    QTemporaryDir dir;
    // A regular file where the folder should be: no user, root included, can write below it.
    writeAll(dir.filePath("config"), "not a folder");
    const QString path = dir.filePath("config/settings.ini");
    IniStore store;
    store.setValue("1", "k", "v");
    const QString message = store.save(path);
    EXPECT_TRUE(message.contains(QDir::toNativeSeparators(path))) << message.toStdString();
    EXPECT_TRUE(message.contains(qt_error_string(ENOTDIR))) << message.toStdString();
    EXPECT_EQ(readAll(dir.filePath("config")), QByteArray("not a folder"));
}

} // namespace
