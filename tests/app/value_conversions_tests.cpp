#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "app/value_conversions.h"
#include "engine/keywords.h"

namespace vecrast {
namespace {

TEST(IntegerValue, ReadsDecimalHexadecimalAndBinary) {
  constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
  constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
  struct Case {
    const char* text;
    int64_t value;
  } cases[] = {
      {"800", 800},      {"$320", 800},     {"%1010", 10},       {"-20", -20},     {"+7", 7},
      {" \t 42", 42},    {"12px", 12},      {"px", 0},           {"", 0},          {"-", 0},
      {"$ff", 255},      {"$FFg", 255},     {"%102", 2},         {"-$10", -16},    {"4 2", 4},
      {"2147483647", 2147483647},           {"2147483648", 2147483648},          {"4294967297", 4294967297},
      {"99999999999999999999", kMax},       {"-99999999999999999999", kMin},     {"$FFFFFFFFFFFFFFFFF", kMax},
      {"9223372036854775807", kMax},        {"-9223372036854775808", kMin},
  };
  for (const Case& c : cases) EXPECT_EQ(IntegerValue(c.text), c.value) << c.text;
}

TEST(RealValue, ReadsDecimalNumbersWithAPoint) {
  EXPECT_FLOAT_EQ(RealValue("1.5"), 1.5f);
  EXPECT_FLOAT_EQ(RealValue("-0.25"), -0.25f);
  EXPECT_FLOAT_EQ(RealValue("+2"), 2.0f);
  EXPECT_FLOAT_EQ(RealValue(" 9.99 "), 9.99f);
  EXPECT_FLOAT_EQ(RealValue(".5"), 0.5f);
  EXPECT_FLOAT_EQ(RealValue("1e-3"), 0.001f);
  EXPECT_EQ(RealValue("1,5"), 0.0f) << "a comma is no decimal point";
  EXPECT_EQ(RealValue("abc"), 0.0f);
  EXPECT_EQ(RealValue(""), 0.0f);
  EXPECT_EQ(RealValue("1.5x"), 0.0f);
  EXPECT_EQ(RealValue("0x10"), 0.0f);
  EXPECT_EQ(RealValue("inf"), 0.0f);
  EXPECT_EQ(RealValue("1e-999"), 0.0f);
}

TEST(RealValue, AcceptsInfinityAndNaNInAnyCase) {
  EXPECT_EQ(RealValue("+Infinity"), std::numeric_limits<float>::infinity());
  EXPECT_EQ(RealValue("+INFINITY"), std::numeric_limits<float>::infinity());
  EXPECT_EQ(RealValue("-infinity"), -std::numeric_limits<float>::infinity());
  EXPECT_TRUE(std::isnan(RealValue("NaN")));
  EXPECT_TRUE(std::isnan(RealValue("nan")));
  EXPECT_EQ(RealValue("1e999"), std::numeric_limits<float>::infinity()) << "too large for a float";
  EXPECT_EQ(RealValue("-1e300"), -std::numeric_limits<float>::infinity());
}

TEST(KeywordValue, TrimsAndIgnoresLetterCase) {
  EXPECT_EQ(KeywordValue(keywords::JpgSaveAs, "progressive"), 3);
  EXPECT_EQ(KeywordValue(keywords::JpgSaveAs, "  PROGRESSIVE "), 3);
  EXPECT_EQ(KeywordValue(keywords::JpgSaveAs, "sideways"), 0);
}

TEST(TextValue, RemovesOuterDoubleQuotesOnly) {
  EXPECT_EQ(TextValue("\"Hello World\""), "Hello World");
  EXPECT_EQ(TextValue("\"\"a\"b\"\""), "a\"b");
  EXPECT_EQ(TextValue(" a "), " a ");
  EXPECT_EQ(TextValue("\"\""), "");
}

}  // namespace
}  // namespace vecrast
