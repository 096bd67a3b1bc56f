#pragma once
// The out-patient report forms: the shared report form in the out-patient forms' sizes, with the
// serial under its out-patient name and the guard that keeps a report to the rows that were
// there when it was opened.
#include "billing/common/reportform.h"
#include "billing/outpatient/outreports.h"

class OutReportForm : public BillReportForm {
  Q_OBJECT
public:
  OutReportForm();
  ~OutReportForm() override;

  int RowSerial = 0;  // the serial of the last row listed

protected:
  void noteSerial(int serial) override { RowSerial = serial; }

  // The report lists the rows that were there when it was loaded, as when it read them all at
  // load: Load notes the table's last row, Generate reads only up to it ("rowid <= ?").
  void noteLastRow(const QString& table);
  qint64 LastRowAtLoad = 0;
};
