#include "billing/common/billsaved.h"

#include "data/billnumbers.h"
#include "platform/ado.h"
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
