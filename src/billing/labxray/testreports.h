#pragma once
// What the test bill reports list: one numbered row per bill of the report's recordset, with the
// running total kept rounded to cents.
#include <QDate>

#include "billing/common/reportrows.h"
#include "data/reports.h"

// The valid bills dated from `from` to `to`, both included, over TestValidBillsOfDaysRead's rows:
// "01" | "7 - A - 05/03/2007-OP12" | "131.75".
ReportList TestCollectionRows(Recordset& bills, const QDate& from, const QDate& to);

// The cancelled bills dated `day`, over TestCancelledBillsOfDayRead's rows:
// "01" | name | bill number | "131.75".
ReportList CancelledTestRows(Recordset& bills, const QDate& day);
