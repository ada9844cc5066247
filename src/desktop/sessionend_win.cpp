#include "sessionend.h"

// Windows ends a session through the session manager alone.
void SessionEndWatcher::watchTerminationSignals() {}

void SessionEndWatcher::unwatchTerminationSignals() {}
