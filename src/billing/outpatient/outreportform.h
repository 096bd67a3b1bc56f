#pragma once
// The out-patient report forms: the shared report form in the out-patient forms' sizes, with the
// serial under its out-patient name.
#include "billing/common/reportform.h"
#include "billing/outpatient/outreports.h"

class OutReportForm : public BillReportForm {
  Q_OBJECT
public:
  OutReportForm();

  int RowSerial = 0;  // the serial of the last row listed
};
