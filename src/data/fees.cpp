#include "data/fees.h"

#include <optional>

#include "platform/vbruntime.h"

namespace {
namespace fee = cols::SettingsConsultant;

const QString kPairCondition = QStringLiteral(
    "(typeof(DrName)<>'text' OR trim(DrName)=?) AND (typeof(patientid)<>'text' OR trim(patientid)=?)");
}  // namespace

const TableRead& FeesRecordRead() {
  static const TableRead read{.table = cols::TableName(fee::kTable), .orderBy = QStringLiteral("DrName")};
  return read;
}

const QString& FeeRowIdsOfPairSql() {
  static const QString sql = QStringLiteral("SELECT rowid FROM ") + cols::TableName(fee::kTable) +
                            QStringLiteral(" WHERE ") + kPairCondition + QStringLiteral(" ORDER BY rowid");
  return sql;
}

std::vector<qint64> FeeRowIdsOfPair(const std::shared_ptr<Connection>& con, const QString& doctor,
                                    const QString& patient) {
  Recordset rows;
  rows.Open(FeeRowIdsOfPairSql(), {Value(Trim(doctor)), Value(Trim(patient))}, con);
  std::vector<qint64> out;
  for (; !rows.Eof(); rows.MoveNext()) out.push_back(rows.Fields(0).intValue());  // the one column
  return out;
}

TableRead FeesOfPairRead(const QString& doctor, const QString& patient) {
  return {.table = cols::TableName(fee::kTable),
          .condition = kPairCondition,
          .parameters = {Value(doctor), Value(patient)}};
}

Fee ReadFee(const Recordset& rs) {
  Fee f;
  const std::optional<QDate> day = rs.Fields(fee::Date).toDate();
  if (day) f.date = *day;
  f.doctor = rs.Fields(fee::DrName).toText();
  f.amount = rs.Fields(fee::Amount).toText();
  f.patientId = rs.Fields(fee::patientid).toText();
  return f;
}

void WriteFee(Recordset& rs, const Fee& f) {
  rs.SetField(fee::Date, f.date);
  rs.SetField(fee::DrName, f.doctor);
  rs.SetField(fee::Amount, f.amount);
  rs.SetField(fee::patientid, f.patientId);
}
