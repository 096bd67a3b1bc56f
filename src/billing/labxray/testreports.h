#pragma once
// What the test bill reports list: one numbered row per bill the report read, with the running
// total kept rounded to cents.
#include <QDate>
#include <vector>

#include "billing/common/reportrows.h"
#include "data/reports.h"

// The valid bills dated from `from` to `to`, both included, of TestCollectionBills:
// "01" | "7 - A - 05/03/2007-OP12" | "131.75".
ReportList TestCollectionRows(const std::vector<TestReportBill>& bills, const QDate& from, const QDate& to);

// The cancelled bills dated `day`, of CancelledTestBills:
// "01" | name | bill number | "131.75".
ReportList CancelledTestRows(const std::vector<CancelledTestBill>& bills, const QDate& day);
