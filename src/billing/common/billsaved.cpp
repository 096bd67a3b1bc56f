#include "billing/common/billsaved.h"

#include <QLabel>

#include "data/billnumbers.h"
#include "platform/ado.h"
#include "globals.h"
#include "platform/msgbox.h"

QString BillNotSavedText(const QString& description, bool numberTaken) {
  return QStringLiteral("The bill was printed but not saved: ") + description +
         (numberTaken ? QStringLiteral("\r\nPrint it again to save it under the next number.")
                      : QStringLiteral("\r\nPrint it again to save it under the same number."));
}

void ShowBillNotSaved(const DbError& error) {
  const bool numberTaken = dynamic_cast<const BillNumberTaken*>(&error) != nullptr;
  MsgBox(BillNotSavedText(error.Description(), numberTaken), vbCritical, QStringLiteral("Print Info"));
}

void TakeNextBillNumber(BillKind kind, QLabel* number) {
  const QString next = NextBillNumberText(gCon, kind);
  if (next == number->text()) return;
  const bool shown = !number->text().isEmpty();
  number->setText(next);
  if (shown)
    MsgBox(QStringLiteral("This bill gets the number ") + next + QStringLiteral(": the number shown was already used."),
           vbInformation, QStringLiteral("Print Info"));
}
