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

// Written order kept, an existing key rewritten in place, names the format cannot hold refused,
// and the exact bytes written (escapes, empty values, UTF-8).
TEST(IniStore, WritesInOrderEscapedAndRefusesNamesTheFormatCannotHold)
{
    IniStore store;
    const struct {
        const char* section;
        const char* key;
        const char* value;
        bool accepted;
    } writes[] = {
        {"1", "Odd", "old", true},
        {"1", "SetTime", "7/30/2026 07:30:00 PM", true},
        {"2", "K", "", true},
        {"1", "Odd", "a\\b\nc\rd=e", true}, // rewritten in place
        {"1", "", "v", false},
        {"1", "a=b", "v", false},
        {"1", "a\nb", "v", false},
        {"1", "a\rb", "v", false},
        {"1", "[a]", "v", false},
        {"a\nb", "k", "v", false},
        {"a\r", "k", "v", false},
        {"", "a]", "v", true}, // brackets elsewhere and an empty section are fine
        {"x]y[", "k", "[v]", true},
        {"Ünï", "k", "ö€😀", true},
    };
    for (const auto& w : writes)
        EXPECT_EQ(store.setValue(QString::fromUtf8(w.section), w.key, QString::fromUtf8(w.value)), w.accepted)
            << w.section << " " << w.key;
    EXPECT_EQ(store.toUtf8(), QByteArray("[1]\nOdd=a\\\\b\\nc\\rd=e\nSetTime=7/30/2026 07:30:00 PM\n\n"
                                         "[2]\nK=\n\n[]\na]=v\n\n[x]y[]\nk=[v]\n\n"
                                         "[\xC3\x9Cn\xC3\xAF]\nk=\xC3\xB6\xE2\x82\xAC\xF0\x9F\x98\x80\n"));
    EXPECT_EQ(store.value("9", "a", "fallback"), "fallback");
    IniStore back;
    back.parse(store.toUtf8());
    EXPECT_EQ(back.toUtf8(), store.toUtf8());
    store.clear();
    EXPECT_TRUE(store.toUtf8().isEmpty());
    store.setValue("2", "b", "z"); // the index is rebuilt, not stale
    EXPECT_EQ(store.pairs("2"), QList<Pair>({{"b", "z"}}));
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
        ASSERT_TRUE(store.setValue("s", QString::number(i), values[i]));
    IniStore back;
    back.parse(store.toUtf8());
    ASSERT_EQ(back.pairs("s").size(), values.size());
    for (qsizetype i = 0; i < values.size(); ++i)
        EXPECT_EQ(back.value("s", QString::number(i)), values[i]) << "value " << i;
}

// CR LF, a BOM, lines that are not pairs, repeated sections and keys merged into the first, and
// a parse that replaces what was there.
TEST(IniStore, ReadsDamagedTextIntoTheFirstOfRepeatedSections)
{
    IniStore store;
    store.setValue("old", "k", "v");
    store.parse(
        "\xEF\xBB\xBF"
        "orphan=before any section\r\n[1]\r\nStatus=Enabled\r\nno equals sign\r\n=empty key\r\n[\r\n\r\n"
        "Key=a=b\r\nEsc=\\q\\\\\\n\\\r\n[2]\nc=3\n[1]\nStatus=Disabled\n[2]\nLast=no line end");
    EXPECT_EQ(store.sections(), QStringList({"1", "2"}));
    EXPECT_EQ(store.pairs("1"), QList<Pair>({{"Status", "Disabled"}, {"Key", "a=b"}, {"Esc", "\\q\\\n\\"}}));
    EXPECT_EQ(store.pairs("2"), QList<Pair>({{"c", "3"}, {"Last", "no line end"}}));
}

TEST(IniStore, SavesIntoANewFolderAndLoadsBackOrSaysWhy)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a/b/settings.ini");
    IniStore store;
    store.setValue("1", "k", "v\nw");
    EXPECT_EQ(store.save(path), "");
    EXPECT_EQ(readAll(path), QByteArray("[1]\nk=v\\nw\n"));
    EXPECT_EQ(QDir(dir.filePath("a/b")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList({"settings.ini"})); // nothing but the file is left behind

    // {path, loads without a message}: what was loaded before is gone either way.
    for (const auto& [name, fine] :
         {std::pair{path, true}, {dir.filePath("missing.ini"), true}, {dir.path(), false}}) {
        IniStore back;
        back.setValue("stale", "k", "v");
        EXPECT_EQ(back.load(name).isEmpty(), fine);
        EXPECT_EQ(back.toUtf8(), name == path ? store.toUtf8() : QByteArray());
    }

    // A regular file where the folder should be: no user, root included, can write below it.
    QFile blocker(dir.filePath("config"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString blocked = dir.filePath("config/settings.ini");
    const QString message = store.save(blocked);
    EXPECT_TRUE(message.contains(QDir::toNativeSeparators(blocked))) << message.toStdString();
    EXPECT_TRUE(message.contains(qt_error_string(ENOTDIR))) << message.toStdString();
}

} // namespace
