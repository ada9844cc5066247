#include "inistore.h"

#include "desktop/atomicfile.h"
#include "desktop/regularfile.h"

#include <QCoreApplication>
#include <QDir>
#include <array>

namespace {

void appendEscaped(QString& out, QStringView value)
{
    qsizetype from = 0;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        const char* escape = c == QLatin1Char('\\')   ? "\\\\"
                             : c == QLatin1Char('\n') ? "\\n"
                             : c == QLatin1Char('\r') ? "\\r"
                                                      : nullptr;
        if (escape) {
            out += value.sliced(from, i - from);
            out += QLatin1String(escape);
            from = i + 1;
        }
    }
    out += value.sliced(from);
}

// The inverse of appendEscaped(). A backslash before any other character, or at the end, is
// taken as it stands, so text that was never escaped reads back unchanged.
QString unescaped(QStringView value)
{
    if (!value.contains(QLatin1Char('\\')))
        return value.toString();
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == QLatin1Char('\\') && i + 1 < value.size()) {
            const QChar next = value[i + 1];
            const QChar meant = next == QLatin1Char('\\')  ? QLatin1Char('\\')
                                : next == QLatin1Char('n') ? QLatin1Char('\n')
                                : next == QLatin1Char('r') ? QLatin1Char('\r')
                                                           : QChar();
            if (!meant.isNull()) {
                out += meant;
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

bool isWritableSectionName(const QString& name)
{
    return !name.contains(QLatin1Char('\n')) && !name.contains(QLatin1Char('\r'));
}

// A key line must read back as the same key: not empty, no "=" (the key ends at the first
// one), no line break, and no "[" at the start, where the line could read as a section.
bool isWritableKey(const QString& key)
{
    return !key.isEmpty() && !key.startsWith(QLatin1Char('[')) && !key.contains(QLatin1Char('=')) &&
           !key.contains(QLatin1Char('\n')) && !key.contains(QLatin1Char('\r'));
}

QString saveFailure(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("IniStore", "Could not save the settings file %1: %2")
        .arg(QDir::toNativeSeparators(path), reason);
}

QString loadFailure(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("IniStore", "Could not read the settings file %1: %2")
        .arg(QDir::toNativeSeparators(path), reason);
}

} // namespace

QString IniStore::load(const QString& path)
{
    clear();
    const FileContent file = readRegularFile(path, MaxFileBytes);
    if (file.missing)
        return {};
    if (!file.error.isEmpty())
        return loadFailure(path, file.error);
    parse(file.data);
    return {};
}

void IniStore::parse(QByteArrayView text)
{
    clear();
    if (text.startsWith("\xEF\xBB\xBF"))
        text = text.sliced(3);
    const QString all = QString::fromUtf8(text);

    // The sections of a schedule repeat the same keys, and mostly the same option values, in
    // the same order: a key or value whose text equals the one at the same position in the
    // section before shares that string instead of making a new one.
    struct Recent {
        QStringView keyText;
        QString key;
        QStringView valueText;
        QString value;
    };
    std::array<Recent, 16> recent;
    size_t position = 0;

    // Only sectionFor() can move the sections, and its result replaces this pointer at once.
    Section* current = nullptr;
    QStringView rest(all);
    while (!rest.isEmpty()) {
        const qsizetype end = rest.indexOf(QLatin1Char('\n'));
        QStringView line = end < 0 ? rest : rest.first(end);
        rest = end < 0 ? QStringView() : rest.sliced(end + 1);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.isEmpty())
            continue;
        if (line.size() >= 2 && line.front() == QLatin1Char('[') && line.back() == QLatin1Char(']')) {
            current = &sectionFor(line.sliced(1, line.size() - 2).toString());
            position = 0;
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0 || current == nullptr)
            continue;
        const QStringView keyText = line.first(equals);
        const QStringView valueText = line.sliced(equals + 1);
        if (position < recent.size()) {
            Recent& r = recent[position++];
            if (r.keyText != keyText || r.key.isNull()) {
                r.keyText = keyText;
                r.key = keyText.toString();
            }
            if (r.valueText != valueText || r.value.isNull()) {
                r.valueText = valueText;
                r.value = unescaped(valueText);
            }
            put(*current, r.key, r.value);
        } else {
            put(*current, keyText.toString(), unescaped(valueText));
        }
    }
}

QString IniStore::save(const QString& path) const
{
    const QString reason = writeFileAtomically(path, toUtf8());
    return reason.isEmpty() ? QString() : saveFailure(path, reason);
}

QByteArray IniStore::toUtf8() const
{
    // Built as one text and converted once: far fewer allocations than line by line.
    qsizetype size = 0;
    for (const Section& section : m_sections) {
        size += section.name.size() + 4;
        for (const Pair& pair : section.pairs)
            size += pair.key.size() + pair.value.size() + 2;
    }
    QString out;
    out.reserve(size + size / 16);
    for (const Section& section : m_sections) {
        if (!out.isEmpty())
            out += QLatin1Char('\n');
        out += QLatin1Char('[');
        out += section.name;
        out += QLatin1String("]\n");
        for (const Pair& pair : section.pairs) {
            out += pair.key;
            out += QLatin1Char('=');
            appendEscaped(out, pair.value);
            out += QLatin1Char('\n');
        }
    }
    return out.toUtf8();
}

QString IniStore::value(const QString& section, const QString& key, const QString& defaultValue) const
{
    const Section* s = find(section);
    if (!s)
        return defaultValue;
    const qsizetype i = indexOf(*s, key);
    return i < 0 ? defaultValue : s->pairs.at(i).value;
}

bool IniStore::setValue(const QString& section, const QString& key, const QString& value)
{
    if (!isWritableSectionName(section) || !isWritableKey(key))
        return false;
    put(sectionFor(section), key, value);
    return true;
}

void IniStore::clear()
{
    m_sections.clear();
    m_sectionIndex.clear();
}

QStringList IniStore::sections() const
{
    QStringList names;
    names.reserve(static_cast<qsizetype>(m_sections.size()));
    for (const Section& section : m_sections)
        names << section.name;
    return names;
}

QList<IniStore::Pair> IniStore::pairs(const QString& section) const
{
    const Section* s = find(section);
    return s ? s->pairs : QList<Pair>();
}

IniStore::Section& IniStore::sectionFor(const QString& name)
{
    const auto it = m_sectionIndex.constFind(name);
    if (it != m_sectionIndex.cend())
        return m_sections[static_cast<size_t>(*it)];
    m_sectionIndex.insert(name, static_cast<qsizetype>(m_sections.size()));
    m_sections.push_back(Section{name, {}, {}});
    return m_sections.back();
}

void IniStore::put(Section& section, const QString& key, const QString& value)
{
    const qsizetype i = indexOf(section, key);
    if (i >= 0) {
        section.pairs[i].value = value;
        return;
    }
    section.pairs.append(Pair{key, value});
    const qsizetype size = section.pairs.size();
    if (size > IndexedPairs) {
        section.keyIndex.insert(key, size - 1);
    } else if (size == IndexedPairs) {
        section.keyIndex.reserve(IndexedPairs * 2);
        for (qsizetype k = 0; k < size; ++k)
            section.keyIndex.insert(section.pairs[k].key, k);
    }
}

qsizetype IniStore::indexOf(const Section& section, const QString& key)
{
    if (section.pairs.size() >= IndexedPairs)
        return section.keyIndex.value(key, -1);
    for (qsizetype k = 0; k < section.pairs.size(); ++k) {
        if (section.pairs[k].key == key)
            return k;
    }
    return -1;
}

const IniStore::Section* IniStore::find(const QString& name) const
{
    const auto it = m_sectionIndex.constFind(name);
    return it == m_sectionIndex.cend() ? nullptr : &m_sections[static_cast<size_t>(*it)];
}
