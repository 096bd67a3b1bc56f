#pragma once
// What the test bill reports list: one numbered row per bill, read from the report's recordset
// as it stood when the report form was opened, with the running total kept rounded to cents.
#include <QDate>
#include <QStringList>
#include <vector>

#include "platform/ado.h"
#include "platform/vbruntime.h"

struct TestReportList {
  std::vector<QStringList> rows;  // the list's items: serial first, then the sub-items
  Money total;
};

// The valid bills dated from `from` to `to`, both included, over the projection
// BillNo, Date, total, patientName, patientid: "01" | "7 - A - 05/03/2007-OP12" | "131.75".
TestReportList TestCollectionRows(Recordset& bills, const QDate& from, const QDate& to);

// The cancelled bills dated `day`, over the projection BillNo, Date, patientName, total:
// "01" | name | bill number | "131.75".
TestReportList CancelledTestRows(Recordset& bills, const QDate& day);
