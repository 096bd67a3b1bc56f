#pragma once
// Storing a printed in-patient bill: its row in InPatientPrintDetails, its number in the
// counter SettingsInBillNo and the change it makes to the advance the patient holds
// (SettingsInPatient column 18). The three writes go in one transaction on the recordsets' one
// connection: either all of them are stored or none, and a failed save leaves the recordsets as
// they were, so printing again stores the bill exactly once.
#include <QDate>
#include <QString>
#include <array>
#include <optional>

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
  enum class Kind { None, Set, Clear, Receive };
  Kind kind = Kind::None;
  QString patientId;  // the row whose column 0, trimmed, is this identifier
  // Set: the advance the patient holds from now on. Receive: a receipt's amount, added to the
  // advance the database holds at the save (not to the one the form read).
  Money amount;
  // When the bill's rows deducted the advance the patient held (a charge bill; Clear when it was
  // not blank), that advance as the form showed it, "" for none: the save refuses (DbError) when
  // the database holds another one, since the bill would then deduct what the patient does not
  // hold.
  std::optional<QString> deducted;
};

// The next bill number the form offers: the counter plus 1, or "1" when the counter has no row,
// as `counter` last read it. The form shows NextBillNumberText (data/billnumbers.h) instead.
// Leaves the counter on its first row.
QString NextInBillNumber(Recordset& counter);

// The advance the patient holds as the database has it at this moment, as the form shows it
// ("" for none), read on the row the save writes: the first row of `patients` whose column 0,
// trimmed, is `patientId`. "" when no row is that patient's. Raises DbError when it cannot be
// read, or when the database no longer holds that row under the name `patients` read.
QString AdvanceHeldNow(Recordset& patients, const QString& patientId);
// Whether two advances as the form shows them ("" for none) are the same advance.
bool SameAdvance(const QString& a, const QString& b);

// Appends the bill row, writes its number into the counter (adding the counter's row when the
// database has none) and applies the advance change, all or nothing. Refuses (DbError, nothing
// written) a number that is no longer the next one, a counter it would lower, and a deducted
// advance the patient no longer holds. Raises DbError; afterwards nothing of it is stored.
void SaveInPatientBill(Recordset& bills, Recordset& counter, Recordset& patients, const InBillRecord& bill,
                       const AdvanceChange& advance);
