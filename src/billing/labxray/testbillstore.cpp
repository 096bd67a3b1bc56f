#include "billing/labxray/testbillstore.h"

#include <QRegularExpression>


bool IsXRayAdult(const QString& age) { return Val(age) >= kXRayAdultAge; }

QString AddToGross(const QString& grossBox, const QString& price) {
  return (Money::Parse(grossBox) + Money::Parse(price).Round2()).Text();
}

bool ReadDiscount(const QString& box, Money& percent) {
  // A box the clerk emptied means no discount, as the box's "0" did.
  if (Trim(box).isEmpty()) {
    percent = Money();
    return true;
  }
  static const QRegularExpression number(QStringLiteral("^ *([0-9]+(\\.[0-9]*)?|\\.[0-9]+) *$"));
  if (!number.match(box).hasMatch()) return false;
  percent = Money::Parse(box);
  // Decided on the number as typed: the percent held keeps four decimals, and 99.00001 is above
  // 99 all the same.
  return Val(box) <= 99;
}

QString NetTotal(const QString& grossBox, const Money& percent) {
  if (percent.IsZero()) return grossBox;
  // gross × (100 - percent) ÷ 100: the one division comes last, so only the net itself is cut
  // past its fourth decimal and it rounds to cents as the exact net does.
  const Money gross = Money::Parse(grossBox);
  return (gross * (Money::FromInt(100) - percent) / Money::FromInt(100)).Text();
}
