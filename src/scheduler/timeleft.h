#pragma once

#include <QString>

// How long until a moment, in words that stay true for a while, so that showing it costs few
// wake-ups: minutes within the hour, hours and quarter hours within the day, days beyond.
QString timeLeftText(qint64 seconds);

// In how many seconds timeLeftText() says something else.
qint64 secondsUntilTimeLeftChanges(qint64 seconds);
