#pragma once
// What the in-patient report forms list, without the forms: which bills a report takes and the
// texts of a listed row.
//
// Every choice is a test of one bill row's own columns, with dates taken as calendar days and
// texts trimmed of blanks, so it gives the same rows whatever order the read gives them in;
// the rows are listed in that order.
#include <QDate>

#include <vector>

#include "billing/common/reportrows.h"
#include "data/reports.h"

// The collection reports' row texts (see CollectionRows). Daily rows read
// "BillNo-dd/MM/yyyy-patientName-patientid" (ordinary) or "BillNo-patientName-patientid" (ECG,
// scan); period rows "BillNo - patientName - dd/MM/yyyy-patientid" in every mode.
QString InDailyRowText(const ReportBill& bill, const QDate& day, CollectionMode mode);
QString InPeriodRowText(const ReportBill& bill, const QDate& day, CollectionMode mode);

// The bills dated `day`, in their order: serial, "patientName-patientid", BillNo as stored,
// amount.
ReportList CancelledInBillRows(const std::vector<ReportBill>& bills, const QDate& day);
