#pragma once

#include <QString>

// Why no new file can be made in folder, as the system says it (a read-only file system, no
// permission, no such folder); "" when one can, or when the platform cannot tell.
QString newFileFailure(const QString& folder);
