#pragma once

#include <QByteArray>
#include <QString>

// Writes content to path, creating its folder, as a new file renamed over the old one, so the
// file at path is always either the old or the new content. Returns "" on success, otherwise
// the system's reason, with the file at path as it was.
QString writeFileAtomically(const QString& path, const QByteArray& content);
