#pragma once
// The cancelled bills of one day, listed with their total and printed as a cancelled-bill
// report with the bill number in a column of its own. Opened while no bill of the kind has ever
// been cancelled, the form says so and closes unshown. The out-patient and in-patient reports
// are one form; everything that differs is in CancelledReportConfig.
#include <QDate>
#include <QDateEdit>
#include <QList>

#include "billing/common/reportform.h"
#include "billing/common/reportrows.h"
#include "data/billnumbers.h"
#include "data/reports.h"

struct CancelledReportConfig {
  const char* formName;
  const char* caption;  // the title bar text
  // The kind of bill (out-patient or in-patient): the data module reads its cancelled bills, as
  // its Load notes them.
  BillKind kind;
  ReportSizesConfig sizes;  // of the controls every report form has
  double dateLabelWidth;
  QList<ReportColumnConfig> columns;  // the list's
  // The list's rows of the cancelled bills read for the day.
  ReportList (*rows)(const std::vector<ReportBill>& bills, const QDate& day);
  const char* printTitle;
};

// The report with the kind's configuration (OutCancelledReportConfig, InCancelledReportConfig),
// which each kind keeps with its own report rows.
class CancelledBillReportForm : public BillReportForm {
  Q_OBJECT
public:
  explicit CancelledBillReportForm(const CancelledReportConfig& config);
  ~CancelledBillReportForm() override;

  QDateEdit DTPicker1{this};  // the day

  void Picture1_Click() override;  // Generate
  void Picture2_Click() override;  // Print

protected:
  void LoadMenuForm() override;

private:
  const CancelledReportConfig& config_;
};

// The cancelled-bill report on paper: the day's date line, `title`, and the heads and columns of
// the four listed texts, the bill number right-aligned in its own column.
void PrintCancelledBillReport(const QTreeWidget& list, const Money& total, const QDate& day, const QString& title);
