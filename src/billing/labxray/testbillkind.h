#pragma once
// The laboratory and the x-ray bills are one design: the same forms, store, cancellation and
// reports, differing only in the tables they use and the texts they show. Each form class is
// made for one of the two kinds and reads everything that differs from here.
#include <QString>

#include "data/billnumbers.h"

enum class TestBillKind { Lab, XRay };

// The kind whose numbers, tables (TablesOf) and prices the data modules keep.
inline BillKind BillKindOf(TestBillKind kind) { return kind == TestBillKind::Lab ? BillKind::Laboratory : BillKind::XRay; }

struct TestBillTexts {
  const char* linePrefix;       // put before the test name on a bill line
  bool serialRestartsAtPrint;   // the bill form numbers lines from "01" again at each print
  const char* billCaption;
  const char* cancelCaption;
  const char* reportCaption;
  const char* reportTitle;
  const char* reportMiddleHead;
  const char* cancelReportCaption;
  const char* cancelReportTitle;
};

inline const TestBillTexts& TextsOf(TestBillKind kind) {
  static const TestBillTexts lab{
      "",
      true,
      "                   Settings Lab Bill Details",
      "                   Settings Lab Cancel Bill",
      "          Genarate Lab Weekly/Monthly/Yearly Bill Report",
      "CASH COLLECTION LAB BILL REPORT",
      "Bill_No - Patient Name - ID ",
      "                  Cancel Lab-Bill Report",
      "CANCEL LAB BILL REPORT",
  };
  static const TestBillTexts xray{
      "XRay-",
      false,
      "                   Settings XRay Bill Details",
      "                   Settings XRay Cancel Bill",
      "          Genarate XRay Weekly/Monthly/Yearly Bill Report",
      "CASH COLLECTION X-RAY BILL REPORT",
      "Bill_No - Patient Name - ID",
      "                  Cancel XRay-Bill Report",
      "CANCEL XRAY BILL REPORT",
  };
  return kind == TestBillKind::Lab ? lab : xray;
}
