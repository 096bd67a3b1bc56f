#include <gtest/gtest.h>

#include <QLocale>
#include <cmath>
#include <limits>
#include <string>

#include "platform/vbruntime.h"

namespace {

std::string s(const QString& text) { return text.toStdString(); }

TEST(VbRuntime, ValReadsTheLeadingNumber) {
  const struct {
    const char* text;
    double value;
  } cases[] = {
      {"12", 12},        {"  12.5", 12.5}, {"12abc", 12},  {"1.2.3", 1.2}, {"", 0},
      {"abc", 0},        {".5", 0.5},      {"-500", -500}, {"+7", 7},      {"5.", 5},
      {"007", 7},        {"-", 0},         {".", 0},       {"12 3", 12},   {"1e3", 1},
      {"- 5", 0},        {"1,5", 1},       {"300.75", 300.75},
  };
  for (const auto& c : cases) EXPECT_EQ(Val(QString::fromUtf8(c.text)), c.value) << '"' << c.text << '"';
}

TEST(VbRuntime, TrimRemovesSpacesOnly) {
  const struct {
    const char* text;
    const char* trim;
    const char* ltrim;
    const char* rtrim;
  } cases[] = {
      {"  a b  ", "a b", "a b  ", "  a b"},
      {"\ta\t", "\ta\t", "\ta\t", "\ta\t"},
      {" \ta \n", "\ta \n", "\ta \n", " \ta \n"},
      {"   ", "", "", ""},
      {"", "", "", ""},
  };
  for (const auto& c : cases) {
    const QString t = QString::fromUtf8(c.text);
    EXPECT_EQ(s(Trim(t)), c.trim) << '"' << c.text << '"';
    EXPECT_EQ(s(LTrim(t)), c.ltrim) << '"' << c.text << '"';
    EXPECT_EQ(s(RTrim(t)), c.rtrim) << '"' << c.text << '"';
  }
}

TEST(VbRuntime, NumberTexts) {
  const struct {
    double value;
    const char* plain;  // NumberText
    const char* str;    // Str
  } cases[] = {
      {800, "800", " 800"},
      {300.75, "300.75", " 300.75"},
      {-500, "-500", "-500"},
      {1000000, "1000000", " 1000000"},
      {150.5, "150.5", " 150.5"},
      {0.1 + 0.2, "0.3", " 0.3"},
      {1e15, "1000000000000000", " 1000000000000000"},
      {0.000012, "0.000012", " 0.000012"},
      {0, "0", " 0"},
      {-0.0, "0", " 0"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(s(NumberText(c.value)), c.plain) << c.plain;
    EXPECT_EQ(s(Str(c.value)), c.str) << c.plain;
  }
  EXPECT_EQ(s(Str(1LL)), " 1");
  EXPECT_EQ(s(Str(-1LL)), "-1");
}

TEST(VbRuntime, Format00HasAtLeastTwoDigits) {
  const struct {
    long long value;
    const char* text;
  } cases[] = {{0, "00"}, {1, "01"}, {9, "09"}, {10, "10"}, {100, "100"}, {-3, "-03"}};
  for (const auto& c : cases) EXPECT_EQ(s(Format00(c.value)), c.text);
}

TEST(VbRuntime, DateTexts) {
  const QDate d(2026, 3, 7);
  EXPECT_EQ(s(DateText(d)), "07/03/2026");
  EXPECT_EQ(s(IsoDateText(d)), "2026-03-07");
  EXPECT_EQ(s(DateText(QDate())), "");
  EXPECT_EQ(s(IsoDateText(QDate())), "");

  const struct {
    const char* text;
    QDate date;  // invalid: not such a date
  } shown[] = {
      {"07/03/2026", d}, {"29/02/2024", QDate(2024, 2, 29)}, {"29/02/2026", {}}, {"7/3/2026", {}},
      {"07-03-2026", {}}, {"07/03/2026 ", {}}, {"aa/03/2026", {}}, {"", {}},
  };
  for (const auto& c : shown) EXPECT_EQ(DateFromText(QString::fromUtf8(c.text)), c.date) << c.text;

  const struct {
    const char* text;
    QDate date;
  } stored[] = {{"2026-03-07", d}, {"2026-13-01", {}}, {"07/03/2026", {}}, {"2026-03-07 10:00", {}}};
  for (const auto& c : stored) EXPECT_EQ(DateFromIsoText(QString::fromUtf8(c.text)), c.date) << c.text;
}

TEST(Money, ParsesTheLeadingNumberExactly) {
  const struct {
    const char* text;
    const char* value;  // Text()
  } cases[] = {
      {"10.005", "10.005"}, {"  250", "250"}, {"250.50", "250.5"}, {"12abc", "12"},
      {"", "0"},            {"abc", "0"},     {"-500", "-500"},    {"1.2.3", "1.2"},
      {".5", "0.5"},        {"-0", "0"},      {"0.1234567891", "0.1234"},
  };
  for (const auto& c : cases) EXPECT_EQ(s(Money::Parse(QString::fromUtf8(c.text)).Text()), c.value) << c.text;
}

TEST(Money, Format2RoundsHalfAwayFromZeroOnTheExactValue) {
  const struct {
    const char* text;
    const char* format2;
  } cases[] = {
      {"10.005", "10.01"},  {"10.004", "10.00"},     {"-2.5", "-2.50"},   {"-0.004", "0.00"},
      {"-0.005", "-0.01"},  {"0", "0.00"},           {"100.125", "100.13"},
      {"2.675", "2.68"},    // the double nearest 2.675 lies below it
      {"1.005", "1.01"},    {"0.0049999999", "0.00"}, {"1000000", "1000000.00"}, {"7.1", "7.10"},
      // digits past the fourth are cut, and the halfway points have three: the rounding stays
      {"10.00499", "10.00"}, {"10.00999", "10.01"},    {"-0.00499", "0.00"},    {"-0.00500001", "-0.01"},
      {"99999999999999.995", "100000000000000.00"},   {"-100000000000000", "-100000000000000.00"},
  };
  for (const auto& c : cases) {
    const Money m = Money::Parse(QString::fromUtf8(c.text));
    EXPECT_EQ(s(m.Format2()), c.format2) << c.text;
    EXPECT_EQ(m.Round2(), Money::Parse(m.Format2())) << c.text;
  }
}

TEST(Money, ArithmeticIsExact) {
  const struct {
    const char* a;
    char op;
    const char* b;
    const char* result;
  } cases[] = {
      {"0.1", '+', "0.2", "0.3"},       {"10", '-', "10.005", "-0.005"}, {"2.5", '*', "3", "7.5"},
      {"1.5", '*', "-1.5", "-2.25"},    {"0.01", '*', "0.01", "0.0001"},
      {"123456789.123", '*', "1000", "123456789123"},
      {"10", '/', "3", "3.3333"},       {"-7", '/', "2", "-3.5"},          {"1", '/', "0", "0"},
      {"1", '/', "-3", "-0.3333"},
  };
  for (const auto& c : cases) {
    const Money a = Money::Parse(QString::fromUtf8(c.a)), b = Money::Parse(QString::fromUtf8(c.b));
    const Money r = c.op == '+' ? a + b : c.op == '-' ? a - b : c.op == '*' ? a * b : a / b;
    EXPECT_EQ(s(r.Text()), c.result) << c.a << ' ' << c.op << ' ' << c.b;
  }

  // A bill's lines summed as decimals: three times 10.005 is 30.015, which shows as 30.02.
  Money total;
  for (int i = 0; i < 3; ++i) total += Money::Parse(QStringLiteral("10.005"));
  EXPECT_EQ(s(total.Format2()), "30.02");
  total -= Money::FromInt(30);
  EXPECT_EQ(s(total.Text()), "0.015");

  EXPECT_LT(Money::Parse(QStringLiteral("2")), Money::Parse(QStringLiteral("10")));
  EXPECT_LT(Money::Parse(QStringLiteral("-1")), Money());
  EXPECT_TRUE((Money::Parse(QStringLiteral("5")) - Money::FromInt(5)).IsZero());
  // Far beyond any bill, a number saturates instead of wrapping round to a negative.
  EXPECT_GT(Money::Parse(QString(40, u'9')), Money());
}

// Four decimals are kept, cut toward zero, and amounts stop at plus or minus 10^14 instead of
// wrapping round in any of the ways a value is made.
TEST(Money, CutsPastTheFourthDecimalAndSaturatesAtTheBound) {
  const struct {
    const char* a;
    char op;  // '=' reads a alone
    const char* b;
    const char* text;
    const char* format2;
  } cases[] = {
      {"10.00499", '=', "", "10.0049", "10.00"},
      {"-0.00009", '=', "", "0", "0.00"},
      {"100000000000000", '=', "", "100000000000000", "100000000000000.00"},
      {"99999999999999.9999", '=', "", "99999999999999.9999", "100000000000000.00"},
      {"100000000000000.0001", '=', "", "100000000000000", "100000000000000.00"},
      {"9223372036854775808", '=', "", "100000000000000", "100000000000000.00"},
      {"-9999999999999999999999999999999999999999", '=', "", "-100000000000000", "-100000000000000.00"},
      // sums and differences
      {"99999999999999", '+', "2", "100000000000000", "100000000000000.00"},
      {"100000000000000", '+', "100000000000000", "100000000000000", "100000000000000.00"},
      {"-99999999999999", '-', "2", "-100000000000000", "-100000000000000.00"},
      {"-100000000000000", '-', "100000000000000", "-100000000000000", "-100000000000000.00"},
      {"100000000000000", '-', "0.0001", "99999999999999.9999", "100000000000000.00"},
      // products: the whole and the decimals of both sides, without a wider type
      {"1000000", '*', "1000000.5", "1000000500000", "1000000500000.00"},
      {"123456.7891", '*', "98765.4321", "12193263121.14", "12193263121.14"},
      {"9999999.9999", '*', "10000000.0001", "99999999999999.9999", "100000000000000.00"},
      {"10000000", '*', "10000000", "100000000000000", "100000000000000.00"},
      {"10000000", '*', "10000000.0001", "100000000000000", "100000000000000.00"},
      {"-10000000", '*', "10000000.0001", "-100000000000000", "-100000000000000.00"},
      {"-100000000000000", '*', "-100000000000000", "100000000000000", "100000000000000.00"},
      {"-123456.7891", '*', "0.0009", "-111.1111", "-111.11"},
      {"0.5", '*', "0.0001", "0", "0.00"},
      {"-0.5", '*', "0.0001", "0", "0.00"},
      {"-0.01", '*', "0.5", "-0.005", "-0.01"},
      // quotients
      {"1", '/', "0.0003", "3333.3333", "3333.33"},
      {"100000000000000", '/', "-3", "-33333333333333.3333", "-33333333333333.33"},
      {"100000000000000", '/', "0.0001", "100000000000000", "100000000000000.00"},
      {"-100000000000000", '/', "0.0001", "-100000000000000", "-100000000000000.00"},
      {"0.0001", '/', "3", "0", "0.00"},
      {"-0.0001", '/', "0.0002", "-0.5", "-0.50"},
  };
  for (const auto& c : cases) {
    const Money a = Money::Parse(QString::fromUtf8(c.a)), b = Money::Parse(QString::fromUtf8(c.b));
    const Money r = c.op == '=' ? a : c.op == '+' ? a + b : c.op == '-' ? a - b : c.op == '*' ? a * b : a / b;
    EXPECT_EQ(s(r.Text()), c.text) << c.a << ' ' << c.op << ' ' << c.b;
    EXPECT_EQ(s(r.Format2()), c.format2) << c.a << ' ' << c.op << ' ' << c.b;
    EXPECT_EQ(r.Round2(), Money::Parse(r.Format2())) << c.a << ' ' << c.op << ' ' << c.b;
  }
}

TEST(Money, DoublesConvert) {
  EXPECT_EQ(Money::Parse(QStringLiteral("300.75")).ToDouble(), 300.75);
  EXPECT_EQ(Money::Parse(QStringLiteral("-0.1")).ToDouble(), -0.1);
  EXPECT_EQ(Money::FromDouble(0.1 + 0.2), Money::Parse(QStringLiteral("0.3")));
  EXPECT_EQ(s(Money::FromDouble(10.005).Format2()), "10.01");
  EXPECT_EQ(s(Money::FromDouble(-500).Text()), "-500");

  // Numbers made elsewhere keep four decimals and saturate like typed ones; NaN is no amount.
  const struct {
    double value;
    const char* text;
  } doubles[] = {
      {123.45678, "123.4567"},
      {-0.00005, "0"},
      {1e300, "100000000000000"},
      {-1e15, "-100000000000000"},
      {HUGE_VAL, "100000000000000"},
      {-HUGE_VAL, "-100000000000000"},
      {std::nan(""), "0"},
  };
  for (const auto& c : doubles) EXPECT_EQ(s(Money::FromDouble(c.value).Text()), c.text) << c.value;
  EXPECT_EQ(s(Money::FromInt(std::numeric_limits<long long>::max()).Text()), "100000000000000");
  EXPECT_EQ(s(Money::FromInt(std::numeric_limits<long long>::min()).Text()), "-100000000000000");
  EXPECT_EQ(s(Money::FromInt(-100000000000000).Text()), "-100000000000000");
}

TEST(VbRuntime, IgnoresTheLocale) {
  const QLocale before;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(Val(QStringLiteral("2.5")), 2.5);
  EXPECT_EQ(s(NumberText(1234.5)), "1234.5");
  EXPECT_EQ(s(Money::Parse(QStringLiteral("1234.5")).Format2()), "1234.50");
  QLocale::setDefault(before);
}

}  // namespace
