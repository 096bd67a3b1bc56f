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

std::optional<HeldBillNumber> HoldNextBillNumber(BillKind kind, QLabel* number) {
  for (;;) {
    QString next;
    try {
      HeldBillNumber held(gCon, kind);
      next = held.Text();
      if (next == number->text() || number->text().isEmpty()) {
        number->setText(next);
        return held;
      }
    } catch (const BillNumbersUsedUp& e) {
      number->clear();
      MsgBox(QStringLiteral("This bill cannot be printed: no bill number is left after ") + QString::number(e.Last()) +
                 QStringLiteral("."),
             vbCritical, QStringLiteral("Print Info"));
      return std::nullopt;
    } catch (const DbError& e) {
      MsgBox(e.Description(), vbCritical);
      return std::nullopt;
    }
    // Given back while the clerk reads the box: another desk's save must not wait on it.
    number->setText(next);
    MsgBox(QStringLiteral("This bill gets the number ") + next + QStringLiteral(": the number shown was already used."),
           vbInformation, QStringLiteral("Print Info"));
  }
}
