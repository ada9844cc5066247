#include "inistore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

bool needsEscape(QStringView value)
{
    for (const QChar c : value) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            return true;
    }
    return false;
}

QString escaped(const QString& value)
{
    if (!needsEscape(value))
        return value;
    QString out;
    out.reserve(value.size() + 8);
    for (const QChar c : value) {
        if (c == QLatin1Char('\\'))
            out += QLatin1String("\\\\");
        else if (c == QLatin1Char('\n'))
            out += QLatin1String("\\n");
        else if (c == QLatin1Char('\r'))
            out += QLatin1String("\\r");
        else
            out += c;
    }
    return out;
}

// The inverse of escaped(). A backslash before any other character, or at the end, is
// taken as it stands, so text that was never escaped reads back unchanged.
QString unescaped(QString value)
{
    if (!value.contains(QLatin1Char('\\')))
        return value;
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == QLatin1Char('\\') && i + 1 < value.size()) {
            const QChar next = value[i + 1];
            if (next == QLatin1Char('\\')) {
                out += QLatin1Char('\\');
                ++i;
                continue;
            }
            if (next == QLatin1Char('n')) {
                out += QLatin1Char('\n');
                ++i;
                continue;
            }
            if (next == QLatin1Char('r')) {
                out += QLatin1Char('\r');
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

} // namespace

bool IniStore::load(const QString& path)
{
    clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray content = file.readAll();
    parse(content);
    return file.error() == QFileDevice::NoError;
}

void IniStore::parse(QByteArrayView text)
{
    clear();
    if (text.startsWith("\xEF\xBB\xBF"))
        text = text.sliced(3);
    // Only sectionFor() can move the sections, and its result replaces this pointer at once.
    Section* current = nullptr;
    while (!text.isEmpty()) {
        const qsizetype end = text.indexOf('\n');
        QByteArrayView line = end < 0 ? text : text.first(end);
        text = end < 0 ? QByteArrayView() : text.sliced(end + 1);
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.isEmpty())
            continue;
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            current = &sectionFor(QString::fromUtf8(line.sliced(1, line.size() - 2)));
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (equals <= 0 || current == nullptr)
            continue;
        put(*current, QString::fromUtf8(line.first(equals)),
            unescaped(QString::fromUtf8(line.sliced(equals + 1))));
    }
}

QString IniStore::save(const QString& path) const
{
    const QByteArray content = toUtf8();
    // A failure here shows again, with the system's reason, when the file is opened.
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    // Unbuffered, and every write checked: QSaveFile (Qt 6.4) commits a truncated file when
    // its buffer fails to flush completely, and a short write reports no error by itself. A
    // write after a short one fails and gives the system's reason.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return saveFailure(path, file.errorString());
    qint64 written = 0;
    while (written < content.size()) {
        const qint64 n = file.write(content.constData() + written, content.size() - written);
        if (n <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return saveFailure(path, reason);
        }
        written += n;
    }
    if (!file.commit())
        return saveFailure(path, file.errorString());
    return {};
}

QByteArray IniStore::toUtf8() const
{
    QByteArray out;
    for (const Section& section : m_sections) {
        if (!out.isEmpty())
            out += '\n';
        out += '[';
        out += section.name.toUtf8();
        out += "]\n";
        for (const Pair& pair : section.pairs) {
            out += pair.key.toUtf8();
            out += '=';
            out += escaped(pair.value).toUtf8();
            out += '\n';
        }
    }
    return out;
}

QString IniStore::value(const QString& section, const QString& key, const QString& defaultValue) const
{
    const Section* s = find(section);
    if (!s)
        return defaultValue;
    const auto it = s->keyIndex.constFind(key);
    return it == s->keyIndex.cend() ? defaultValue : s->pairs.at(*it).value;
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
    const auto it = section.keyIndex.constFind(key);
    if (it != section.keyIndex.cend()) {
        section.pairs[*it].value = value;
        return;
    }
    section.keyIndex.insert(key, section.pairs.size());
    section.pairs.append(Pair{key, value});
}

const IniStore::Section* IniStore::find(const QString& name) const
{
    const auto it = m_sectionIndex.constFind(name);
    return it == m_sectionIndex.cend() ? nullptr : &m_sections[static_cast<size_t>(*it)];
}
