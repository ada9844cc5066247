#pragma once

#include <QIcon>

// The program's two icons: 101 while the scheduler is started, 102 while it is disabled.
enum class AppIcon { Started = 101, Disabled = 102 };

QIcon appIcon(AppIcon which);
