#pragma once
// The laboratory and the x-ray bills are one design: the same forms, store, cancellation and
// reports, differing only in the tables they use and the texts they show. Each form class is
// made for one of the two kinds and reads everything that differs from here.
#include <QString>

#include "data/billnumbers.h"

enum class TestBillKind { Lab, XRay };

// The kind of bill by which the data modules know its numbers, its table and its prices.
inline BillKind BillKindOf(TestBillKind kind) { return kind == TestBillKind::Lab ? BillKind::Laboratory : BillKind::XRay; }

struct TestBillConfig {
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

inline const TestBillConfig& TestBillConfigOf(TestBillKind kind) {
  static const TestBillConfig lab{
      .linePrefix = "",
      .serialRestartsAtPrint = true,
      .billCaption = "                   Settings Lab Bill Details",
      .cancelCaption = "                   Settings Lab Cancel Bill",
      .reportCaption = "          Genarate Lab Weekly/Monthly/Yearly Bill Report",
      .reportTitle = "CASH COLLECTION LAB BILL REPORT",
      .reportMiddleHead = "Bill_No - Patient Name - ID ",
      .cancelReportCaption = "                  Cancel Lab-Bill Report",
      .cancelReportTitle = "CANCEL LAB BILL REPORT",
  };
  static const TestBillConfig xray{
      .linePrefix = "XRay-",
      .serialRestartsAtPrint = false,
      .billCaption = "                   Settings XRay Bill Details",
      .cancelCaption = "                   Settings XRay Cancel Bill",
      .reportCaption = "          Genarate XRay Weekly/Monthly/Yearly Bill Report",
      .reportTitle = "CASH COLLECTION X-RAY BILL REPORT",
      .reportMiddleHead = "Bill_No - Patient Name - ID",
      .cancelReportCaption = "                  Cancel XRay-Bill Report",
      .cancelReportTitle = "CANCEL XRAY BILL REPORT",
  };
  return kind == TestBillKind::Lab ? lab : xray;
}
