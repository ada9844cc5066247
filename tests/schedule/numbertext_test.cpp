#include "schedule/numbertext.h"

#include <QString>
#include <gtest/gtest.h>

TEST(NumberText, DecimalNumbersWithSignPointExponentAndBlanks)
{
    EXPECT_EQ(parseNumber(u"0"), 0.0);
    EXPECT_EQ(parseNumber(u" 7 "), 7.0);
    EXPECT_EQ(parseNumber(u"2.5"), 2.5);
    EXPECT_EQ(parseNumber(u"-3"), -3.0);
    EXPECT_EQ(parseNumber(u"+.5"), 0.5);
    EXPECT_EQ(parseNumber(u"1e2"), 100.0);
    EXPECT_EQ(parseNumber(u"5."), 5.0);
    EXPECT_TRUE(parseNumber(u"1e999"));
    for (const char16_t* notNumber :
         {u"", u" ", u"abc", u"1a", u".", u"-", u"1e", u"1e+", u"1,5", u"0x10", u"--1"})
        EXPECT_FALSE(parseNumber(notNumber)) << QString::fromUtf16(notNumber).toStdString();
}

TEST(NumberText, SixteenBitIntegersRoundHalfToEvenAndStayInRange)
{
    EXPECT_EQ(parseInt16(u"2.5"), 2);
    EXPECT_EQ(parseInt16(u"3.5"), 4);
    EXPECT_EQ(parseInt16(u"-0.5"), 0);
    EXPECT_EQ(parseInt16(u"32767"), 32767);
    EXPECT_EQ(parseInt16(u"-32768"), -32768);
    EXPECT_FALSE(parseInt16(u"32768"));
    EXPECT_FALSE(parseInt16(u"1e999"));
    EXPECT_FALSE(parseInt16(u"abc"));
}
