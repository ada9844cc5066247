#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// Files named by the user's folders are opened so that a hostile name cannot stall the program
// or flood its memory: only a regular file is used (a FIFO, a device, a folder, or a link to
// one, is refused), opening never waits (a FIFO without a writer blocks open() for good), and
// reading stops at a bound.

// Opens path as a regular file with mode: ReadOnly, or WriteOnly | Append, which creates a
// missing file. Returns "" with file open, otherwise the reason the file cannot be used.
QString openRegularFile(QFile& file, const QString& path, QIODevice::OpenMode mode);

struct FileContent {
    QByteArray data;
    QString error;        // empty when the data was read, otherwise the reason
    bool missing = false; // nothing at path (error says so too)
    bool partial = false; // only the end of a larger file was read
};

enum class FilePart { Whole, End };

// Whole: the file, or an error when it holds more than maxBytes. End: at most its last
// maxBytes, with partial set when there was more before them.
FileContent readRegularFile(const QString& path, qint64 maxBytes, FilePart part = FilePart::Whole);
