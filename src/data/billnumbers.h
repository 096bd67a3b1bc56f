#pragma once
// Bill numbers, for the four kinds of bill. A number is one more than the larger of the kind's
// counter row and the highest number stored for it: a counter that is missing, NULL, text or
// behind the stored bills (a file restored from an older back-up, edited by hand) then never hands
// out a used number again, and the counter is only ever written upwards.
#include <QString>
#include <memory>

#include "platform/ado.h"

// A save refused because its number was given to another bill since it was read: printing again
// takes the next number, not the same one.
class BillNumberTaken : public DbError {
public:
  explicit BillNumberTaken(const QString& billNo);
};

enum class BillKind { OutPatient, InPatient, Laboratory, XRay };

struct BillTables {
  const char* bills;    // the bill table (a laboratory or x-ray bill is one row per test)
  const char* counter;  // the one-row counter of the last number issued
};
const BillTables& TablesOf(BillKind kind);

// The number the next bill of the kind gets, as the database holds it now. Raises DbError when
// the tables cannot be read.
qint64 NextBillNumber(const std::shared_ptr<Connection>& con, BillKind kind);
QString NextBillNumberText(const std::shared_ptr<Connection>& con, BillKind kind);

// For a save, inside its transaction: raises BillNumberTaken when `billNo` is no longer the kind's next
// number (another program wrote the file since the number was read), so a bill is never stored
// under a number that is already used.
void CheckBillNumberStillNext(const std::shared_ptr<Connection>& con, BillKind kind, const QString& billNo);
