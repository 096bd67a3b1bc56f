#pragma once
// The VB runtime's value helpers the forms use, and exact money.
//
// Everything here is locale-free: "." is the decimal point whatever the system's locale.
#include <QDate>
#include <QString>
#include <compare>
#include <cstdint>

// The leading number of a text: leading spaces skipped, then digits with at most one "." (an
// optional sign in front); reading stops at the first character that cannot continue the
// number. An empty or non-numeric text gives 0; a number too large for a double is infinite.
double Val(const QString& text);

// VB's Trim, LTrim, RTrim: spaces only (tabs and line ends stay).
QString Trim(const QString& text);
QString LTrim(const QString& text);
QString RTrim(const QString& text);

// VB's Str: a number's text with a leading blank for the sign (" 1", "-1", " 2.5").
QString Str(double value);
QString Str(long long value);

// The plain short text of a double, as VB's CStr: "800", "300.75", "-500", up to 15 significant
// digits, never an exponent for the amounts a bill can hold.
QString NumberText(double value);

// Format(n, "00"): at least two digits ("01", "09", "100").
QString Format00(long long value);

// Dates: pickers, bills and reports show "dd/MM/yyyy"; the database holds ISO "yyyy-MM-dd".
QString DateText(const QDate& date);     // "dd/MM/yyyy"
QString IsoDateText(const QDate& date);  // "yyyy-MM-dd"
QDate DateFromText(const QString& ddMMyyyy);  // invalid when the text is not such a date
QDate DateFromIsoText(const QString& yyyyMMdd);  // the stored form back; invalid likewise

// An exact decimal amount, held as a whole count of ten-thousandths. Amounts are parsed from
// their decimal text and summed exactly, and "0.00" rounds half away from zero on the value held
// (10.005 gives "10.01"). Four decimals are kept: digits past the fourth, of a text, a product or
// a quotient, are cut (toward zero). Cutting never changes a two-decimal rounding, since every
// halfway point (x.xx5) has only three decimals: 10.00499 is held as 10.0049 and both give
// "10.00". Amounts saturate at plus or minus 10^14 (a hundred million million) rather than wrap
// round; the bound leaves the int64 room to add any two amounts before they are clamped.
class Money {
public:
  Money() = default;
  static Money Parse(const QString& text);  // the leading number, as Val; 0 when there is none
  static Money FromDouble(double value);    // for values that are already numbers; NaN gives 0
  static Money FromInt(long long value);

  Money operator+(const Money& o) const;
  Money operator-(const Money& o) const;
  Money operator-() const;
  Money operator*(const Money& o) const;  // to four decimals (further digits cut)
  Money operator/(const Money& o) const;  // to four decimals, cut; a division by zero gives 0
  Money& operator+=(const Money& o);
  Money& operator-=(const Money& o);
  std::strong_ordering operator<=>(const Money& o) const = default;
  bool operator==(const Money& o) const = default;

  bool IsZero() const { return units_ == 0; }
  double ToDouble() const;
  // Format(x, "0.00"): two decimals, half away from zero, "-" for negatives, no grouping.
  QString Format2() const;
  // Rounded to cents: Money::Parse(Format2()).
  Money Round2() const;
  // The plain short text: "250", "250.5", "-500", "0.125" (no trailing zeros, no exponent).
  QString Text() const;

private:
  explicit Money(std::int64_t units) : units_(units) {}
  std::int64_t units_ = 0;  // value × 10^4, never beyond ±10^18
};
