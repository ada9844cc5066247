#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

// The settings file of one application, held as an ordered INI document.
//
// The file is UTF-8 with LF line ends (CR LF is accepted when read). A line "[name]" opens a
// section; a line "Key=Value" holds a value of the section above it, the key being the text
// before the first "=". Values escape backslash as "\\", line feed as "\n" and carriage return
// as "\r". Sections are separated by one blank line. Any other line is ignored when read.
//
// Sections and keys keep the order in which they were first written, and writing an existing
// key again changes its value in place. Reading a file is the same as writing its values in
// file order, so a repeated section adds to the first one and a repeated key replaces the
// value of the first one.
class IniStore {
public:
    // The largest file load reads: a few MB more than a full schedule of 1,000 entries needs.
    static constexpr qint64 MaxFileBytes = 4 * 1024 * 1024;

    struct Pair {
        QString key;
        QString value;

        friend bool operator==(const Pair&, const Pair&) = default;
    };

    // Replaces the document with what the file at path holds; a damaged file gives whatever
    // lines can be read. Returns "" when the file was read or does not exist (an empty
    // document), otherwise a message naming the file and the reason (unreadable, not a
    // regular file, over MaxFileBytes), with the document empty.
    QString load(const QString& path);
    // Replaces the document with the lines of a file's content (UTF-8, a leading BOM skipped).
    void parse(QByteArrayView text);

    // Writes the document to path, creating its folder, by writing a new file and renaming
    // it over the old one, so the file at path is always either the old or the new document.
    // Returns "" on success, otherwise a message naming the file and the system's reason;
    // the file at path is then as it was.
    QString save(const QString& path) const;
    // The file's content as save writes it.
    QByteArray toUtf8() const;

    // The value of key in section, or defaultValue when there is none.
    QString value(const QString& section, const QString& key, const QString& defaultValue = {}) const;
    // Writes a value, adding the section and key at the end when they are new. Names the
    // format cannot hold are refused (false, nothing changes): a section name with a line
    // break, and a key that is empty, holds "=" or a line break, or begins with "[".
    bool setValue(const QString& section, const QString& key, const QString& value);
    // Deletes every section.
    void clear();

    bool isEmpty() const { return m_sections.empty(); }
    // Section names in written order.
    QStringList sections() const;
    // The section's pairs in written order; empty when there is no such section.
    QList<Pair> pairs(const QString& section) const;

private:
    // A section's keys are found by a scan while it is small, as a schedule's sections are;
    // from IndexedPairs pairs on, through an index, so a damaged file with very many keys
    // in one section still loads in linear time.
    static constexpr qsizetype IndexedPairs = 32;
    struct Section {
        QString name;
        QList<Pair> pairs;
        QHash<QString, qsizetype> keyIndex; // empty until the section has IndexedPairs pairs
    };

    Section& sectionFor(const QString& name);
    static void put(Section& section, const QString& key, const QString& value);
    static qsizetype indexOf(const Section& section, const QString& key);
    const Section* find(const QString& name) const;

    std::vector<Section> m_sections;
    QHash<QString, qsizetype> m_sectionIndex;
};
