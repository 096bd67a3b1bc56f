#include "platform/vbruntime.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

constexpr std::int64_t kScale = 10000;  // units per whole amount (four decimals)
constexpr int kDecimals = 4;

// Amounts beyond 10^14 saturate instead of wrapping round; no bill comes near it. Twice the bound
// still fits an int64, and ten times it an unsigned one, which the sums and the long division use.
constexpr std::int64_t kMaxUnits = 100000000000000 * kScale;
static_assert(kMaxUnits <= std::numeric_limits<std::int64_t>::max() / 2);
static_assert(std::uint64_t(kMaxUnits) <= std::numeric_limits<std::uint64_t>::max() / 10);

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// The leading number of a text, split into its parts (ASCII digits only).
struct Leading {
  bool negative = false;
  std::string whole;     // digits before the point
  std::string fraction;  // digits after it
  bool empty() const { return whole.empty() && fraction.empty(); }
};

Leading scan(const QString& text) {
  Leading r;
  const qsizetype n = text.size();
  qsizetype i = 0;
  while (i < n && text[i] == u' ') ++i;
  if (i < n && (text[i] == u'-' || text[i] == u'+')) r.negative = text[i++] == u'-';
  while (i < n && isDigit(text[i])) r.whole += char(text[i++].unicode());
  if (i < n && text[i] == u'.') {
    ++i;
    while (i < n && isDigit(text[i])) r.fraction += char(text[i++].unicode());
  }
  return r;
}

double toDouble(const std::string& plain) {
  double v = 0;
  const auto r = std::from_chars(plain.data(), plain.data() + plain.size(), v);
  // from_chars leaves v alone when the number is out of range: a number too large for a double
  // is infinite, not 0; one too small to tell from 0 is 0.
  if (r.ec == std::errc::result_out_of_range) {
    const std::size_t point = plain.find('.');
    const std::string whole = plain.substr(0, point);
    v = whole.find_first_not_of('0') != std::string::npos ? HUGE_VAL : 0.0;
  }
  return v;
}

std::int64_t clampUnits(std::int64_t u) { return u > kMaxUnits ? kMaxUnits : u < -kMaxUnits ? -kMaxUnits : u; }
std::int64_t saturated(bool negative) { return negative ? -kMaxUnits : kMaxUnits; }

// a * b and a + b, saturating at the bound instead of overflowing.
std::int64_t mulSat(std::int64_t a, std::int64_t b) {
  std::int64_t r = 0;
  if (__builtin_mul_overflow(a, b, &r)) return saturated((a < 0) != (b < 0));
  return clampUnits(r);
}
std::int64_t addSat(std::int64_t a, std::int64_t b) {
  std::int64_t r = 0;
  if (__builtin_add_overflow(a, b, &r)) return saturated(a < 0);  // only operands of one sign overflow
  return clampUnits(r);
}

std::uint64_t magnitudeOf(std::int64_t u) { return u < 0 ? 0 - std::uint64_t(u) : std::uint64_t(u); }

std::string digitsOf(std::uint64_t magnitude) {
  if (magnitude == 0) return "0";
  std::string s;
  for (; magnitude > 0; magnitude /= 10) s.insert(s.begin(), char('0' + int(magnitude % 10)));
  return s;
}

}  // namespace

double Val(const QString& text) {
  const Leading l = scan(text);
  if (l.empty()) return 0;
  const double v = toDouble((l.whole.empty() ? "0" : l.whole) + "." + (l.fraction.empty() ? "0" : l.fraction));
  return l.negative && v != 0 ? -v : v;
}

QString LTrim(const QString& text) {
  qsizetype i = 0;
  while (i < text.size() && text[i] == u' ') ++i;
  return text.mid(i);
}

QString RTrim(const QString& text) {
  qsizetype n = text.size();
  while (n > 0 && text[n - 1] == u' ') --n;
  return text.left(n);
}

QString Trim(const QString& text) { return LTrim(RTrim(text)); }

QString NumberText(double value) {
  // A bill's arithmetic has no use for infinities; show them as nothing rather than "inf".
  if (!std::isfinite(value) || value == 0) return QStringLiteral("0");
  // Fifteen significant digits, correctly rounded, then written out without an exponent.
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
  const std::string sci(buf, res.ptr);  // "-d.ddddddddddddddde+XX"
  const bool negative = sci[0] == '-';
  const std::size_t e = sci.find('e');
  std::string digits;
  for (std::size_t i = negative ? 1 : 0; i < e; ++i)
    if (sci[i] != '.') digits += sci[i];
  const int exponent = std::stoi(sci.substr(e + 1));
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::string out;
  if (exponent < 0) {
    out = "0." + std::string(std::size_t(-exponent - 1), '0') + digits;
  } else {
    const std::size_t wholeLen = std::size_t(exponent) + 1;
    if (digits.size() <= wholeLen) {
      out = digits + std::string(wholeLen - digits.size(), '0');
    } else {
      out = digits.substr(0, wholeLen) + "." + digits.substr(wholeLen);
    }
  }
  return QString::fromLatin1((negative ? "-" : "") + out);
}

QString Str(double value) {
  const QString text = NumberText(value);
  return text.startsWith(u'-') ? text : QStringLiteral(" ") + text;
}

QString Str(long long value) { return value < 0 ? QString::number(value) : QStringLiteral(" ") + QString::number(value); }

QString Format00(long long value) {
  const unsigned long long magnitude = value < 0 ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
  return (value < 0 ? QStringLiteral("-") : QString()) + QStringLiteral("%1").arg(magnitude, 2, 10, QChar(u'0'));
}

QString DateText(const QDate& date) {
  if (!date.isValid()) return {};
  return QString::asprintf("%02d/%02d/%04d", date.day(), date.month(), date.year());
}

QString IsoDateText(const QDate& date) {
  if (!date.isValid()) return {};
  return QString::asprintf("%04d-%02d-%02d", date.year(), date.month(), date.day());
}

namespace {
// Exactly the given pattern of digits ('9') and literal characters, and a real calendar date.
QDate parseDate(const QString& text, const char* pattern, int dayAt, int monthAt, int yearAt) {
  const qsizetype n = qsizetype(std::char_traits<char>::length(pattern));
  if (text.size() != n) return {};
  for (qsizetype i = 0; i < n; ++i) {
    if (pattern[i] == '9' ? !isDigit(text[i]) : text[i] != QLatin1Char(pattern[i])) return {};
  }
  const int day = text.mid(dayAt, 2).toInt();
  const int month = text.mid(monthAt, 2).toInt();
  const int year = text.mid(yearAt, 4).toInt();
  const QDate date(year, month, day);
  return date.isValid() ? date : QDate();
}
}  // namespace

QDate DateFromText(const QString& ddMMyyyy) { return parseDate(ddMMyyyy, "99/99/9999", 0, 3, 6); }

QDate DateFromIsoText(const QString& yyyyMMdd) { return parseDate(yyyyMMdd, "9999-99-99", 8, 5, 0); }

// ---- Money ----

Money Money::Parse(const QString& text) {
  const Leading l = scan(text);
  std::int64_t units = 0;
  for (char c : l.whole) units = addSat(mulSat(units, 10), c - '0');
  units = mulSat(units, kScale);
  std::int64_t fraction = 0;
  for (int i = 0; i < kDecimals; ++i)
    fraction = fraction * 10 + (std::size_t(i) < l.fraction.size() ? l.fraction[std::size_t(i)] - '0' : 0);
  units = addSat(units, fraction);
  return Money(l.negative ? -units : units);
}

Money Money::FromDouble(double value) {
  if (std::isnan(value)) return Money();
  if (std::isinf(value)) return Money(saturated(value < 0));
  return Parse(NumberText(value));
}

Money Money::FromInt(long long value) { return Money(mulSat(value, kScale)); }

Money Money::operator+(const Money& o) const { return Money(addSat(units_, o.units_)); }
Money Money::operator-(const Money& o) const { return Money(addSat(units_, -o.units_)); }
Money Money::operator-() const { return Money(-units_); }

Money Money::operator*(const Money& o) const {
  // (ai·S + af)(bi·S + bf) / S, term by term so that no product needs a wider type; every term
  // has the sign of the product, so cutting the last one cuts the whole, and a term that
  // saturates makes the whole saturate.
  const std::int64_t ai = units_ / kScale, af = units_ % kScale;
  const std::int64_t bi = o.units_ / kScale, bf = o.units_ % kScale;
  std::int64_t r = mulSat(mulSat(ai, bi), kScale);
  r = addSat(r, mulSat(ai, bf));
  r = addSat(r, mulSat(af, bi));
  r = addSat(r, af * bf / kScale);
  return Money(r);
}

Money Money::operator/(const Money& o) const {
  if (o.units_ == 0) return Money();
  // Long division on the magnitudes: the whole quotient, then four decimals one digit at a time.
  // The rest stays below the divisor, so ten times it fits the unsigned type.
  const std::uint64_t a = magnitudeOf(units_), b = magnitudeOf(o.units_);
  const std::uint64_t q = a / b;
  std::uint64_t rest = a % b;
  std::int64_t fraction = 0;
  for (int i = 0; i < kDecimals; ++i) {
    rest *= 10;
    fraction = fraction * 10 + std::int64_t(rest / b);
    rest %= b;
  }
  const std::int64_t units = addSat(mulSat(std::int64_t(q), kScale), fraction);
  return Money((units_ < 0) != (o.units_ < 0) ? -units : units);
}

Money& Money::operator+=(const Money& o) { return *this = *this + o; }
Money& Money::operator-=(const Money& o) { return *this = *this - o; }

double Money::ToDouble() const { return toDouble(Text().toStdString()); }

Money Money::Round2() const {
  // The bound is a whole number of cents, so rounding up never passes it.
  const std::uint64_t cents = (magnitudeOf(units_) + kScale / 200) / (kScale / 100);
  const std::int64_t rounded = std::int64_t(cents * (kScale / 100));
  return Money(units_ < 0 ? -rounded : rounded);
}

QString Money::Format2() const {
  const std::int64_t rounded = Round2().units_;
  const std::uint64_t cents = magnitudeOf(rounded) / (kScale / 100);
  std::string frac = digitsOf(cents % 100);
  if (frac.size() < 2) frac.insert(frac.begin(), '0');
  // A value that rounds to nothing is "0.00", never "-0.00".
  return QString::fromLatin1((rounded < 0 ? "-" : "") + digitsOf(cents / 100) + "." + frac);
}

QString Money::Text() const {
  const std::uint64_t magnitude = magnitudeOf(units_);
  std::string frac = digitsOf(magnitude % kScale);
  frac.insert(frac.begin(), std::size_t(kDecimals) - frac.size(), '0');
  while (!frac.empty() && frac.back() == '0') frac.pop_back();
  std::string out = digitsOf(magnitude / kScale);
  if (!frac.empty()) out += "." + frac;
  return QString::fromLatin1((units_ < 0 ? "-" : "") + out);
}
