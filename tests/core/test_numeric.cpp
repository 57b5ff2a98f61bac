#include <gtest/gtest.h>

#include "core/util/Numeric.h"

using namespace dk;

TEST(Numeric, IntegerPartReadsTheLeadingNumberOfADisplayedText) {
  EXPECT_EQ(integerPart("12"), 12);
  EXPECT_EQ(integerPart("  -7 "), -7);
  EXPECT_EQ(integerPart("2.9"), 2);
  EXPECT_EQ(integerPart("-2.9"), -2);
  EXPECT_EQ(integerPart("15 points"), 15);
  EXPECT_EQ(integerPart(""), 0);
  EXPECT_EQ(integerPart("abc"), 0);
  EXPECT_EQ(integerPart("99999999999999999999999"), INT64_MAX);
  EXPECT_EQ(integerPart("-99999999999999999999999"), INT64_MIN);
}

TEST(Numeric, WholeNumberAcceptsOnlyDigitsWithAnOptionalSign) {
  EXPECT_EQ(parseWholeNumber(" 15 "), 15);
  EXPECT_EQ(parseWholeNumber("\t-3"), -3);
  EXPECT_EQ(parseWholeNumber("+4"), 4);
  EXPECT_FALSE(parseWholeNumber(""));
  EXPECT_FALSE(parseWholeNumber("-"));
  EXPECT_FALSE(parseWholeNumber("1.5"));
  EXPECT_FALSE(parseWholeNumber("12a"));
  EXPECT_FALSE(parseWholeNumber("1 2"));
  EXPECT_FALSE(parseWholeNumber("99999999999999999999999"));
}

TEST(Numeric, RoundingTakesHalvesToTheEvenNeighbour) {
  EXPECT_EQ(roundHalfEven(2.5), 2);
  EXPECT_EQ(roundHalfEven(3.5), 4);
  EXPECT_EQ(roundHalfEven(-2.5), -2);
  EXPECT_EQ(roundHalfEven(2.4), 2);
  EXPECT_EQ(roundHalfEven(2.6), 3);
  EXPECT_EQ(halfRoundedEven(5), 2);
  EXPECT_EQ(halfRoundedEven(7), 4);
  EXPECT_EQ(halfRoundedEven(-5), -2);
  EXPECT_EQ(halfRoundedEven(-7), -4);
  EXPECT_EQ(halfRoundedEven(8), 4);
}

TEST(Numeric, RangesHoldAtTheirEnds) {
  EXPECT_TRUE(fitsInt16(32767));
  EXPECT_FALSE(fitsInt16(32768));
  EXPECT_TRUE(fitsInt16(-32768));
  EXPECT_FALSE(fitsInt16(-32769));
  EXPECT_EQ(clampToInt16(40000), 32767);
  EXPECT_EQ(clampToInt16(-40000), -32768);
  EXPECT_TRUE(fitsInt32(2147483647LL));
  EXPECT_FALSE(fitsInt32(2147483648LL));
  EXPECT_EQ(trimBlanks(" \t a b \t"), "a b");
}

#include "core/util/Text.h"

TEST(Text, OneLineValuesTurnEveryLineBreakAndNulIntoOneSpace) {
  EXPECT_EQ(toOneLine("Star\r\nCaptain"), "Star Captain");
  EXPECT_EQ(toOneLine("a\rb\nc"), "a b c");
  EXPECT_EQ(toOneLine("a\n\nb"), "a  b");
  EXPECT_EQ(toOneLine(std::string("a\0b", 3)), "a b");
  EXPECT_EQ(toOneLine("Zo\xC3\xAB, the Second"), "Zo\xC3\xAB, the Second");
  EXPECT_EQ(toOneLine("\r\n"), " ");
}
