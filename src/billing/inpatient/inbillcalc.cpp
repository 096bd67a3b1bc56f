#include "billing/inpatient/inbillcalc.h"

#include <QRegularExpression>

namespace {

BillSheetRow numberedRow(InBillList& list, const QString& description, const Money& amount) {
  ++list.serialCounter;
  return {Format00(list.serialCounter), description, amount.Format2()};
}

}  // namespace

const std::array<QString, kInBillChargeCount>& InBillChargeCaptions() {
  static const std::array<QString, kInBillChargeCount> captions = {
      QStringLiteral("Bed Charges"),        QStringLiteral("Professional Charges"),
      QStringLiteral("Nursing Charges"),    QStringLiteral("O/T Charges"),
      QStringLiteral("Anesthetic Charges"), QStringLiteral("X-Ray"),
      QStringLiteral("Lab Charges"),        QStringLiteral("ECG"),
      QStringLiteral("Scan"),               QStringLiteral("Others"),
  };
  return captions;
}

QString GrossTotalCaption() { return QString(26, QLatin1Char(' ')) + QStringLiteral("Gross Total"); }
QString LessAdvanceCaption() { return QString(26, QLatin1Char(' ')) + QStringLiteral("Less Advance"); }

bool IsAdvanceAmount(const QString& advanceText) {
  static const QRegularExpression number(QStringLiteral("^([0-9]+\\.?[0-9]*|\\.[0-9]+)$"));
  const QString text = Trim(advanceText);
  if (!number.match(text).hasMatch()) return false;
  // What the receipt would list and print: 0.004 makes a receipt of 0.00.
  const Money amount = Money::Parse(text).Round2();
  return Money() < amount;
}

void MakeAdvanceReceipt(InBillList& list, const QString& advanceText) {
  const Money amount = Money::Parse(advanceText);
  list.rows.clear();
  list.total = Money();
  list.listedCharges = {};
  list.rows.push_back({QStringLiteral("01"), QString::fromLatin1(kAdvanceCaption), amount.Format2()});
  list.total = (list.total + amount).Round2();
}

void MakeChargeBill(InBillList& list, const std::array<QString, kInBillChargeCount>& charges,
                    const QString& heldAdvance) {
  list.rows.clear();
  list.total = Money();
  list.serialCounter = 0;
  list.listedCharges = {};
  for (int i = 0; i <= 8; ++i) {
    const Money amount = Money::Parse(Trim(charges[std::size_t(i)]));
    if (amount.IsZero()) continue;
    list.listedCharges[std::size_t(i)] = charges[std::size_t(i)];
    list.rows.push_back(numberedRow(list, InBillChargeCaptions()[std::size_t(i)], amount));
    list.total = (list.total + amount).Round2();
  }
  if (Trim(heldAdvance).isEmpty()) return;
  const Money advance = Money::Parse(heldAdvance);
  list.rows.push_back({QString(), GrossTotalCaption(), list.total.Format2()});
  list.rows.push_back({QString(), LessAdvanceCaption(), advance.Format2()});
  list.total = (list.total - advance).Round2();
}

void AppendOtherLine(InBillList& list, const QString& description, const QString& amountText) {
  const Money amount = Money::Parse(amountText);
  list.rows.push_back(numberedRow(list, description, amount));
  list.total = (list.total + amount).Round2();
}
