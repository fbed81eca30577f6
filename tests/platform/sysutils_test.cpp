#include "platform/sysutils.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>

namespace {

struct FloatText {
  double value;
  const char* text;
};

TEST(FloatToStr, GeneralFormatWithFifteenDigits) {
  const FloatText cases[] = {
      {0.0, "0"},
      {-0.0, "0"},
      {1.0, "1"},
      {-2.5, "-2,5"},
      {0.1, "0,1"},
      {0.1 + 0.2, "0,3"},  // 0,30000000000000004 has 17 digits
      {1.0 / 3.0, "0,333333333333333"},
      {2.0 / 3.0, "0,666666666666667"},
      {0.00001, "0,00001"},
      {1e-5, "0,00001"},
      {0.000012345, "0,000012345"},
      {9.99999e-6, "9,99999E-6"},
      {1e-6, "1E-6"},
      {-1.5e-7, "-1,5E-7"},
      {123456789012345.0, "123456789012345"},
      {999999999999999.0, "999999999999999"},
      {1e15, "1E15"},
      {9999999999999999.0, "1E16"},
      {1.5e20, "1,5E20"},
      {1e300, "1E300"},
      {3.14159265358979, "3,14159265358979"},
      {M_PI, "3,14159265358979"},
      {M_E, "2,71828182845905"},
      {100.0, "100"},
      {1234.5, "1234,5"},
  };
  for (const auto& c : cases) EXPECT_EQ(FloatToStr(c.value), c.text) << c.text;
}

TEST(FloatToStr, TenthsRoundTripExactly) {
  // The live-graph pages write 0,1·k and read it back; every one must be the short text.
  for (int k = -200; k <= 200; ++k) {
    double v = k / 10.0;
    std::string text = FloatToStr(v);
    std::string expected = (k < 0 ? "-" : "") + std::to_string(std::abs(k) / 10);
    if (k % 10 != 0) expected += "," + std::to_string(std::abs(k) % 10);
    EXPECT_EQ(text, expected) << k;
    EXPECT_EQ(StrToFloat(text), v) << k;
    EXPECT_EQ(FloatToStr(k * 0.1), expected) << "k * 0,1 for " << k;
  }
}

TEST(StrToFloat, AcceptedTexts) {
  const FloatText cases[] = {
      {5.0, "5,"},    {0.5, ",5"},       {-0.5, "-0,5"}, {0.5, "+0,5"},   {2.5, "  2,5  "},
      {1e-5, "1E-5"}, {1e-5, "0,00001"}, {1e15, "1E15"}, {1500, "1,5e3"}, {150, "1,5E+2"},
      {0.0, "0"},     {-0.0, "-0"},      {12.0, "012"},  {0.0, "1e-400"},
  };
  for (const auto& c : cases) {
    double v = StrToFloat(c.text);
    EXPECT_EQ(v, c.value) << c.text;
  }
  EXPECT_TRUE(std::signbit(StrToFloat("-0")));
}

TEST(StrToFloat, RejectedTextsRaiseTheConversionError) {
  const char* cases[] = {"",    ",",   "-",   "+",    "1,2,3", "1.5", "abc", "1e",
                         "1e+", "- 1", "1 2", "0x10", "1e400", "--1", "e5",  "1,5 x"};
  for (const char* text : cases) {
    try {
      StrToFloat(text);
      ADD_FAILURE() << "accepted " << text;
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), "'" + std::string(text) + "' is not a valid floating point value");
    }
  }
}

// Overflow is an error and underflow reads as zero, whether the magnitude comes from the
// exponent or from the run of digits.
TEST(StrToFloat, TheDoubleRangeHoldsHoweverTheNumeralIsWritten) {
  const std::string zeros400(400, '0');
  const std::string beyond[] = {
      "1" + zeros400,
      "-1" + zeros400 + ",5",
      std::string(32767, '9'),
      "1" + std::string(300, '0') + "e9",
      "0," + zeros400 + "1e800",
      "1e99999999999999999999",
  };
  for (const std::string& text : beyond) {
    double v = 0;
    EXPECT_FALSE(TryStrToFloat(text, v)) << text.substr(0, 40);
    EXPECT_THROW(StrToFloat(text), EConvertError) << text.substr(0, 40);
  }
  const struct {
    double value;
    std::string text;
  } within[] = {
      {1.0, "1" + zeros400 + "e-400"},  {1e300, "0," + zeros400 + "1e701"},
      {0.0, "0," + zeros400 + "1"},     {0.0, "0" + zeros400 + "e99999"},
      {0.0, "1e-99999999999999999999"},
  };
  for (const auto& c : within) {
    double v = -1;
    EXPECT_TRUE(TryStrToFloat(c.text, v)) << c.text.substr(0, 40);
    EXPECT_EQ(v, c.value) << c.text.substr(0, 40);
  }
}

TEST(StrToInt, AcceptsDecimalAndHexRejectsOthers) {
  EXPECT_EQ(StrToInt("42"), 42);
  EXPECT_EQ(StrToInt(" -7 "), -7);
  EXPECT_EQ(StrToInt("$FF"), 255);
  EXPECT_EQ(StrToInt("2147483647"), 2147483647);
  for (const char* bad : {"", "1,5", "2147483648", "x", "12a"}) {
    EXPECT_THROW(StrToInt(bad), EConvertError) << bad;
  }
  try {
    StrToInt("1,5");
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'1,5' is not a valid integer value");
  }
}

TEST(Rounding, WholeNumbersHalvesToEvenNeverMinusZero) {
  const struct {
    double in, out;
  } cases[] = {{0.5, 0},   {1.5, 2},    {2.5, 2},    {3.5, 4},  {-0.5, 0}, {-1.5, -2},
               {-2.5, -2}, {2.4999, 2}, {2.5001, 3}, {-0.4, 0}, {-0.0, 0}, {7, 7}};
  for (const auto& c : cases) {
    double r = RoundHalfEven(c.in);
    EXPECT_EQ(r, c.out) << c.in;
    EXPECT_FALSE(std::signbit(r) && r == 0) << "-0 from " << c.in;
    EXPECT_EQ(Round(c.in), static_cast<std::int64_t>(c.out)) << c.in;
  }
}

TEST(Rounding, DecimalsHalvesToEvenOnTheWrittenValue) {
  const struct {
    double in;
    int decimals;
    const char* out;
  } cases[] = {
      {-0.25, 1, "-0,2"},   {0.25, 1, "0,2"},     {0.35, 1, "0,4"},    {0.15, 1, "0,2"},
      {2.675, 2, "2,68"},   {1.005, 2, "1"},      {-0.04, 1, "0"},     {-0.05, 1, "0"},
      {-0.06, 1, "-0,1"},   {1.45, 1, "1,4"},     {1.55, 1, "1,6"},    {0.1 + 0.2, 1, "0,3"},
      {1.0 / 3, 2, "0,33"}, {2.0 / 3, 2, "0,67"}, {123.456, 0, "123"}, {0.0005, 3, "0"},
      {0.0015, 3, "0,002"}, {9.95, 1, "10"},      {-9.95, 1, "-10"},   {5, 2, "5"},
  };
  for (const auto& c : cases) {
    double r = RoundToDecimals(c.in, c.decimals);
    EXPECT_EQ(FloatToStr(r), c.out) << c.in << " to " << c.decimals;
    EXPECT_FALSE(r == 0 && std::signbit(r)) << "-0 from " << c.in;
  }
}

TEST(Frac, KeepsTheSign) {
  EXPECT_EQ(Frac(2.5), 0.5);
  EXPECT_EQ(Frac(-2.5), -0.5);
  EXPECT_EQ(Frac(3.0), 0.0);
  EXPECT_FALSE(std::signbit(Frac(-3.0)));
}

TEST(Random, SeededGeneratorIsRepeatableAndInRange) {
  SetRandSeed(12345);
  int first[20];
  for (int& v : first) v = Random(10);
  SetRandSeed(12345);
  for (int v : first) EXPECT_EQ(Random(10), v);
  for (int i = 0; i < 1000; ++i) {
    int v = Random(7);
    ASSERT_GE(v, 0);
    ASSERT_LT(v, 7);
    double f = RandomFloat();
    ASSERT_GE(f, 0.0);
    ASSERT_LT(f, 1.0);
  }
  EXPECT_EQ(Random(0), 0);
}

TEST(Random, RandomizeSeedsFromTheInstalledSourceOrElseTheClock) {
  std::uint32_t next = 41;
  SetRandomizeSource([&] { return ++next; });
  Randomize();
  EXPECT_EQ(RandSeed(), 42u);
  const int draw = Random(1000);
  Randomize();
  EXPECT_EQ(RandSeed(), 43u);
  SetRandSeed(42);
  EXPECT_EQ(Random(1000), draw) << "the same seed, the same draws";

  SetRandomizeSource({});
  auto micros = [] {
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::microseconds>(
                                          std::chrono::system_clock::now().time_since_epoch())
                                          .count());
  };
  const std::uint32_t before = micros();
  Randomize();
  const std::uint32_t after = micros();
  EXPECT_EQ(next, 43u) << "the source is no longer asked";
  EXPECT_LE(RandSeed() - before, after - before) << "a seed from the clock";
}

TEST(Time, LongTimeFormat) {
  EXPECT_EQ(FormatLongTime(0), "0:00:00");
  EXPECT_EQ(FormatLongTime(187'999), "0:03:07");
  EXPECT_EQ(FormatLongTime(3'600'000 * 2 + 61'000), "2:01:01");
  EXPECT_EQ(FormatLongTime(-5), "0:00:00");
  std::int64_t a = MonotonicMs(), b = MonotonicMs();
  EXPECT_LE(a, b);
}

TEST(CodePage1250, DecodesCzechAndDashes) {
  // "Příliš" in code page 1250, then the en dash (150) and the em dash (151).
  const std::string cp = "P\xf8\xedli\x9a \x96 \x97";
  EXPECT_EQ(Cp1250ToUtf8(cp), "Příliš – —");
  EXPECT_EQ(Utf8ToCp1250("Příliš – —"), cp);
  EXPECT_THROW(Utf8ToCp1250("π"), EConvertError);
}

}  // namespace
