#include "schedule/numbertext.h"

#include <QString>
#include <cmath>
#include <gtest/gtest.h>

TEST(NumberText, DecimalNumbersAndSixteenBitIntegersRoundedHalfToEven)
{
    const struct {
        const char16_t* text;
        std::optional<double> number;
        std::optional<int> int16;
    } rows[] = {
        {u"0", 0.0, 0},
        {u" 7 ", 7.0, 7},
        {u"2.5", 2.5, 2},
        {u"3.5", 3.5, 4},
        {u"-0.5", -0.5, 0},
        {u"-3", -3.0, -3},
        {u"+.5", 0.5, 0},
        {u"1e2", 100.0, 100},
        {u"5.", 5.0, 5},
        {u"32767", 32767.0, 32767},
        {u"-32768", -32768.0, -32768},
        {u"32768", 32768.0, std::nullopt},
        {u"32767.5", 32767.5, std::nullopt},
        {u"1e999", HUGE_VAL, std::nullopt},
        {u"1e-999", 0.0, 0},
        {u"", {}, {}},
        {u" ", {}, {}},
        {u"abc", {}, {}},
        {u"1a", {}, {}},
        {u".", {}, {}},
        {u"-", {}, {}},
        {u"1e", {}, {}},
        {u"1e+", {}, {}},
        {u"1,5", {}, {}},
        {u"0x10", {}, {}},
        {u"--1", {}, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(QString::fromUtf16(row.text).toStdString());
        EXPECT_EQ(parseNumber(row.text), row.number);
        EXPECT_EQ(parseInt16(row.text), row.int16);
    }
}
