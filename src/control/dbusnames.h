#pragma once

#include <QString>

// The names of the program's D-Bus interface (resources/io.github.lullwick.Lullwick.xml).
namespace DBusNames {
inline const QString Service = QStringLiteral("io.github.lullwick.Lullwick");
inline const QString Path = QStringLiteral("/io/github/lullwick/Lullwick");
inline const QString Interface = QStringLiteral("io.github.lullwick.Lullwick");
inline const QString InvalidArgument = QStringLiteral("io.github.lullwick.Lullwick.Error.InvalidArgument");
inline const QString Refused = QStringLiteral("io.github.lullwick.Lullwick.Error.Refused");
} // namespace DBusNames
