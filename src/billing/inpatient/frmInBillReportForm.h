#pragma once
// The in-patient report forms: the shared report form in the in-patient forms' sizes, with the
// serial under its in-patient name. A report lists the bills as they stood when the form was
// opened, whatever was added or cancelled since.
#include "billing/common/reportform.h"
#include "billing/inpatient/frmInBillReportRows.h"

class InBillReportFormBase : public BillReportForm {
  Q_OBJECT
public:
  InBillReportFormBase();

  int SerialCounter = 0;  // the serial of the last row listed
};
