#pragma once
// What the in-patient report forms list, without the forms: which bills a report takes and the
// texts of a listed row.
//
// Every choice is a test of one bill row's own columns, with dates taken as calendar days and
// texts trimmed of blanks, so it gives the same rows whatever order the recordset holds them in;
// the rows are listed in that order.
#include <QDate>

#include "billing/common/reportrows.h"
#include "data/columns.h"
#include "data/reports.h"

// The printed title of the collection report in this selection.
QString InReportTitle(CollectionMode mode);

enum class InReportKind { Daily, Period };
// The bills of the recordset (every row, from its first) dated from..to, both days included (the
// daily report passes its day twice), in the mode. Daily rows read
// "BillNo-dd/MM/yyyy-patientName-patientid" (ordinary) or "BillNo-patientName-patientid" (ECG,
// scan); period rows "BillNo - patientName - dd/MM/yyyy-patientid" in every mode.
ReportList InCollectionRows(Recordset& bills, InReportKind kind, const QDate& from, const QDate& to,
                            CollectionMode mode);

// The bills of the recordset dated `day`: serial, "patientName-patientid", BillNo as stored,
// amount.
ReportList CancelledInBillRows(Recordset& bills, const QDate& day);
