#pragma once
// Storing a printed in-patient bill: its row in InPatientPrintDetails, its number in the
// counter SettingsInBillNo and the change it makes to the advance the patient holds
// (SettingsInPatient column 18). The three writes go in one transaction on the recordsets' one
// connection: either all of them are stored or none, and a failed save leaves the recordsets as
// they were, so printing again stores the bill exactly once.
#include <QDate>
#include <QString>
#include <array>

#include "billing/inpatient/inbillcalc.h"
#include "platform/ado.h"
#include "platform/vbruntime.h"

class Recordset;

// Column ordinals.
inline constexpr int kInPatientAdvanceColumn = 18;  // SettingsInPatient.Advance
inline constexpr int kBillAdvanceColumn = 16;       // InPatientPrintDetails.Advance

// The values of one bill row, as the bill was listed and printed.
struct InBillRecord {
  QString billNo;
  QDate date;
  std::array<QString, kInBillChargeCount> charges;  // columns 2 to 11, blank for a charge not listed
  QString total;
  QString patientName;
  QString patientId;
  QString advance;  // stored in column 16 only when not blank
};

struct AdvanceChange {
  enum class Kind { None, Set, Clear };
  Kind kind = Kind::None;
  QString patientId;  // the row whose column 0, trimmed, is this identifier
  Money amount;       // Set: the advance the patient holds from now on
};

// The next bill number the form offers: the counter plus 1, or "1" when the counter has no row.
// Leaves the counter on its first row.
QString NextInBillNumber(Recordset& counter);

// Appends the bill row, writes its number into the counter (adding the counter's row when there
// is none) and applies the advance change, all or nothing. Raises DbError; afterwards nothing of
// it is stored.
void SaveInPatientBill(Recordset& bills, Recordset& counter, Recordset& patients, const InBillRecord& bill,
                       const AdvanceChange& advance);
