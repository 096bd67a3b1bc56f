#pragma once
// The laboratory and the x-ray bills are one design: the same forms, store, cancellation and
// reports, differing only in the tables they use and the texts they show. Each form class is
// made for one of the two kinds and reads everything that differs from here.
#include <QString>

#include "data/billnumbers.h"

enum class TestBillKind { Lab, XRay };

// The kind whose numbers, tables and prices the data modules keep.
inline BillKind BillKindOf(TestBillKind kind) { return kind == TestBillKind::Lab ? BillKind::Laboratory : BillKind::XRay; }

struct TestBillTexts {
  const char* billTable;        // one row per bill line
  const char* counterTable;     // the number of the last bill saved
  const char* linePrefix;       // put before the test name on a bill line
  bool serialRestartsAtPrint;   // the bill form numbers lines from "01" again at each print
  const char* billCaption;
  const char* cancelCaption;
  const char* reportCaption;
  // The reports list one row per bill, the distinct bill-level values of its lines, of the bills
  // of the chosen days that were valid (cancelled) when the form was loaded: from, to, then
  // LastRowAtLoad and RowsAtLoad (the day, then RowsAtLoad). Grouped rather than DISTINCT, so that
  // a row holds its first line's values and rows of one bill number keep the order of their first
  // lines, as the DISTINCT over the whole table in storage order gave them.
  const char* reportSql;
  const char* reportTitle;
  const char* reportMiddleHead;
  const char* cancelReportCaption;
  const char* cancelReportSql;
  const char* cancelReportTitle;
};

inline const TestBillTexts& TextsOf(TestBillKind kind) {
  static const TestBillTexts lab{
      "LabPrintDetails",
      "SettingsLabBillNo",
      "",
      true,
      "                   Settings Lab Bill Details",
      "                   Settings Lab Cancel Bill",
      "          Genarate Lab Weekly/Monthly/Yearly Bill Report",
      "SELECT BillNo,Date,total,patientName,patientid FROM LabPrintDetails WHERE Date BETWEEN ? AND ? AND "
      "rowid <= ? AND rowid NOT IN (SELECT value FROM json_each(?)) "
      "GROUP BY BillNo,Date,total,patientName,patientid Order By BillNO, min(rowid)",
      "CASH COLLECTION LAB BILL REPORT",
      "Bill_No - Patient Name - ID ",
      "                  Cancel Lab-Bill Report",
      "SELECT BillNo,Date,patientName,total FROM LabPrintDetails WHERE Date = ? AND rowid IN "
      "(SELECT value FROM json_each(?)) GROUP BY BillNo,Date,patientName,total ORDER BY min(rowid)",
      "CANCEL LAB BILL REPORT",
  };
  static const TestBillTexts xray{
      "XRayPrintDetails",
      "SettingsXRayBillNo",
      "XRay-",
      false,
      "                   Settings XRay Bill Details",
      "                   Settings XRay Cancel Bill",
      "          Genarate XRay Weekly/Monthly/Yearly Bill Report",
      "SELECT BillNo,Date,total,patientName,patientid FROM XRayPrintDetails WHERE Date BETWEEN ? AND ? AND "
      "rowid <= ? AND rowid NOT IN (SELECT value FROM json_each(?)) "
      "GROUP BY BillNo,Date,total,patientName,patientid Order By BillNO, min(rowid)",
      "CASH COLLECTION X-RAY BILL REPORT",
      "Bill_No - Patient Name - ID",
      "                  Cancel XRay-Bill Report",
      "SELECT BillNo,Date,patientName,total FROM XRayPrintDetails WHERE Date = ? AND rowid IN "
      "(SELECT value FROM json_each(?)) GROUP BY BillNo,Date,patientName,total ORDER BY min(rowid)",
      "CANCEL XRAY BILL REPORT",
  };
  return kind == TestBillKind::Lab ? lab : xray;
}
