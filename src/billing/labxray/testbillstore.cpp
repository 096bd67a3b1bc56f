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
  return percent <= Money::FromInt(99);
}

QString NetTotal(const QString& grossBox, const Money& percent) {
  if (percent.IsZero()) return grossBox;
  const Money gross = Money::Parse(grossBox);
  return (gross - gross * (percent / Money::FromInt(100))).Text();
}
