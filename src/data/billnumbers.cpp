#include "data/billnumbers.h"

#include "data/columns.h"
#include "platform/ado.h"
#include "platform/vbruntime.h"

#include <limits>

BillNumberTaken::BillNumberTaken(const QString& billNo)
    : DbError(adErrProvider, QStringLiteral("the number %1 has been given to another bill meanwhile").arg(billNo)) {}

const BillTables& TablesOf(BillKind kind) {
  static const BillTables outPatient{.bills = cols::OutPatientPrintDetails::kTable,
                                     .counter = cols::SettingsOutBillNo::kTable};
  static const BillTables inPatient{.bills = cols::InPatientPrintDetails::kTable,
                                    .counter = cols::SettingsInBillNo::kTable};
  static const BillTables laboratory{.bills = cols::LabPrintDetails::kTable, .counter = cols::SettingsLabBillNo::kTable};
  static const BillTables xRay{.bills = cols::XRayPrintDetails::kTable, .counter = cols::SettingsXRayBillNo::kTable};
  switch (kind) {
    case BillKind::OutPatient:
      return outPatient;
    case BillKind::InPatient:
      return inPatient;
    case BillKind::Laboratory:
      return laboratory;
    case BillKind::XRay:
      return xRay;
  }
  throw DbError(adErrInvalidArgument, QStringLiteral("No such kind of bill: %1").arg(int(kind)));
}

BillNumbersUsedUp::BillNumbersUsedUp(qint64 last)
    : DbError(adErrProvider, QStringLiteral("no bill number is left after %1").arg(last)), last_(last) {}

qint64 NextBillNumber(const std::shared_ptr<Connection>& con, BillKind kind) {
  const BillTables& t = TablesOf(kind);
  // The counter as a number (NULL is none, text its leading number); of the stored bills only the
  // numbers, which sort below every text, so the index on BillNo finds the highest at once. A
  // cast saturates, so a number past the largest integer reads as the largest: used up too.
  const QString sql = QStringLiteral(
                          "SELECT max(COALESCE((SELECT max(CAST(BillNo AS INTEGER)) FROM \"%1\"), 0), "
                          "COALESCE(CAST((SELECT max(BillNo) FROM \"%2\" WHERE BillNo < '') AS INTEGER), 0))")
                          .arg(cols::TableName(t.counter), cols::TableName(t.bills));
  const qint64 last = con->QueryValue(sql).intValue();
  if (last == std::numeric_limits<qint64>::max()) throw BillNumbersUsedUp(last);
  return last + 1;
}

QString NextBillNumberText(const std::shared_ptr<Connection>& con, BillKind kind) {
  try {
    return QString::number(NextBillNumber(con, kind));
  } catch (const BillNumbersUsedUp&) {
    return QString();
  }
}

HeldBillNumber::HeldBillNumber(const std::shared_ptr<Connection>& con, BillKind kind)
    : con_(con), kind_(kind), transaction_(std::make_unique<Transaction>(con)) {
  number_ = NextBillNumber(con_, kind_);
}

HeldBillNumber::HeldBillNumber(HeldBillNumber&&) noexcept = default;
HeldBillNumber& HeldBillNumber::operator=(HeldBillNumber&&) noexcept = default;
HeldBillNumber::~HeldBillNumber() = default;

void HeldBillNumber::Commit() {
  if (!transaction_) throw DbError(adErrIllegalOperation, QStringLiteral("No bill number is held"));
  transaction_->Commit(kPrintedBillReadersWait);
}
