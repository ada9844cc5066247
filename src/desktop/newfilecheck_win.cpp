#include "newfilecheck.h"

// Qt's own message on Windows already carries the system's reason.
QString newFileFailure(const QString&)
{
    return {};
}
