#pragma once
// LOCAL STUB - replaced by the store branch
#include "schedulelist.h"
#include <optional>
inline constexpr int MaxScheduleEntries = 1000;
struct OptionValues { int EventSound = 0; int AbortBtn = 1; QString CountTimer = QStringLiteral("5"); int Check1 = 1; int LogFile = 1; int StartMin = 0; };
struct StoredOptions { std::optional<int> EventSound, AbortBtn, Check1, LogFile, StartMin; std::optional<QString> CountTimer; };
inline QString saveSchedule(const QString&, const ScheduleList&, const OptionValues&) { return {}; }
inline StoredOptions loadSchedule(const QString&, ScheduleList&) { return {}; }
