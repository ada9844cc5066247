#include "options.h"

#include "numbertext.h"

int Options::countdownSeconds() const
{
    const auto seconds = parseInt16(CountTimer);
    return seconds && *seconds >= 0 ? *seconds : FallbackSeconds;
}

QString Options::correctedCountdown(const QString& typed)
{
    const auto number = parseNumber(typed);
    return !number || *number < 0 ? QString::number(FallbackSeconds) : typed;
}
