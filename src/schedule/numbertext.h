#pragma once

#include <QStringView>
#include <optional>

// Reads text as a decimal number: optional blanks, an optional sign, digits with an
// optional decimal point, an optional exponent, optional blanks. Nothing else is a number.
std::optional<double> parseNumber(QStringView text);

// Reads text as a 16-bit signed integer: a number as above, a fraction rounded half to
// even (2.5 gives 2). Nothing when the text is no number or the result lies outside
// -32768 to 32767.
std::optional<int> parseInt16(QStringView text);
