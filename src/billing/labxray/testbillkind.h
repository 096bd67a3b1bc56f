#pragma once
// The laboratory and the x-ray bills are one design: the same forms, store, cancellation and
// reports, differing only in the tables they use and the texts they show. Each form class is
// made for one of the two kinds and reads everything that differs from here.
#include <QString>

enum class TestBillKind { Lab, XRay };

struct TestBillTexts {
  const char* priceListSql;     // the tests and their prices
  const char* billTable;        // one row per bill line
  const char* counterTable;     // the number of the last bill saved
  const char* linePrefix;       // put before the test name on a bill line
  bool serialRestartsAtPrint;   // the bill form numbers lines from "01" again at each print
  const char* billCaption;
  const char* cancelCaption;
  const char* cancelBillsSql;
  const char* cancelNumbersSql;
  const char* reportCaption;
  const char* reportSql;
  const char* reportTitle;
  const char* reportMiddleHead;
  const char* cancelReportCaption;
  const char* cancelReportSql;
  const char* cancelReportTitle;
};

inline const TestBillTexts& TextsOf(TestBillKind kind) {
  static const TestBillTexts lab{
      "SELECT * FROM SettingsLab Order by Description",
      "LabPrintDetails",
      "SettingsLabBillNo",
      "",
      true,
      "                   Settings Lab Bill Details",
      "                   Settings Lab Cancel Bill",
      "SELECT * FROM LabPrintDetails where BillDelete='Available' Order by BillNo",
      "SELECT DISTINCT(BillNo) FROM LabPrintDetails where BillDelete='Available'",
      "          Genarate Lab Weekly/Monthly/Yearly Bill Report",
      "SELECT DISTINCT(BillNo),Date,total,patientName,patientid FROM LabPrintDetails where "
      "BillDelete='Available' Order By BillNO",
      "CASH COLLECTION LAB BILL REPORT",
      "Bill_No - Patient Name - ID ",
      "                  Cancel Lab-Bill Report",
      "SELECT DISTINCT(BillNo),Date,patientName,total FROM LabPrintDetails where BillDelete='Deleted'",
      "CANCEL LAB BILL REPORT",
  };
  static const TestBillTexts xray{
      "SELECT * FROM SettingsXRay Order by Description",
      "XRayPrintDetails",
      "SettingsXRayBillNo",
      "XRay-",
      false,
      "                   Settings XRay Bill Details",
      "                   Settings XRay Cancel Bill",
      "SELECT * FROM XRayPrintDetails where BillDelete='Available'",
      "SELECT DISTINCT(BillNo) FROM XRayPrintDetails where BillDelete='Available'",
      "          Genarate XRay Weekly/Monthly/Yearly Bill Report",
      "SELECT DISTINCT(BillNo),Date,total,patientName,patientid FROM XRayPrintDetails where "
      "BillDelete='Available' Order By BillNO",
      "CASH COLLECTION X-RAY BILL REPORT",
      "Bill_No - Patient Name - ID",
      "                  Cancel XRay-Bill Report",
      "SELECT DISTINCT(BillNo),Date,patientName,total FROM XRayPrintDetails where BillDelete='Deleted'",
      "CANCEL XRAY BILL REPORT",
  };
  return kind == TestBillKind::Lab ? lab : xray;
}
