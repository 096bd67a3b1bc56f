#pragma once
// The consultant fees (SettingsConsultant): one row per doctor and patient with the fee's date and
// amount. Here are the reads the fee form opens and the row as it reads and writes it.
#include <QDate>
#include <QString>
#include <memory>
#include <vector>

#include "data/columns.h"
#include "platform/ado.h"

// Every fee in doctor order: the fee form's rows.
const TableRead& FeesRecordRead();
// The rowids of the fees whose doctor and patient can equal the two bound texts, blanks trimmed:
// the database compares the cells that are texts and passes every other cell on, for the caller's
// own comparison.
const QString& FeeRowIdsOfPairSql();
// The rowids of those fees (doctor and patient trimmed of blanks), in storage order.
std::vector<qint64> FeeRowIdsOfPair(const std::shared_ptr<Connection>& con, const QString& doctor,
                                    const QString& patient);
// The same fees, whole rows, for the two texts as given.
TableRead FeesOfPairRead(const QString& doctor, const QString& patient);

struct Fee {
  QDate date;  // invalid when the row holds no readable date
  QString doctor, amount, patientId;
};
// The current row.
Fee ReadFee(const Recordset& rs);
// Into the current row.
void WriteFee(Recordset& rs, const Fee& fee);
