#include "billing/common/billsaved.h"

#include "platform/ado.h"
#include "platform/msgbox.h"

QString BillNotSavedText(const QString& description) {
  return QStringLiteral("The bill was printed but not saved: ") + description +
         QStringLiteral("\r\nPrint it again to save it under the same number.");
}

void ShowBillNotSaved(const DbError& error) {
  MsgBox(BillNotSavedText(error.Description()), vbCritical, QStringLiteral("Print Info"));
}
