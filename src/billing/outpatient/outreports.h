#pragma once
// What the out-patient report forms list, without the forms: the choice of the bills and the
// texts of a listed row.
//
// Every choice below is a test of one row's own columns against dates taken as calendar days and
// texts trimmed of blanks, so the same rows can be chosen by the database instead
// ("Date BETWEEN ?from AND ?to", "trim(ECG, ' ') <> ''" on the ISO dates) when the tables grow,
// without changing what is listed or in which order.
#include <QDate>

#include <vector>

#include "billing/common/reportrows.h"
#include "data/reports.h"

// The collection reports' row texts (see CollectionRows). Period rows read
// "BillNo - patientName - dd/MM/yyyy - patientid", daily rows "BillNo-patientName-patientid".
QString OutDailyRowText(const ReportBill& bill, const QDate& day, CollectionMode mode);
QString OutPeriodRowText(const ReportBill& bill, const QDate& day, CollectionMode mode);

// The cancelled bills dated `day`, in their order: serial, "patientName-patientid", BillNo as
// stored, amount.
ReportList CancelledBillRows(const std::vector<ReportBill>& bills, const QDate& day);

// The fee entries dated from..to: serial, "DrName - patientid - dd/MM/yyyy", amount.
ReportList ConsultantFeeRows(const std::vector<ConsultantFee>& fees, const QDate& from, const QDate& to);
