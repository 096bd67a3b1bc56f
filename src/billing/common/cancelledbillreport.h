#pragma once
// The cancelled bills of one day, listed with their total and printed as a cancelled-bill
// report with the bill number in a column of its own. Opened while no bill of the kind has ever
// been cancelled, the form says so and closes unshown. The out-patient and in-patient reports
// are one form on their kinds' report bases; everything that differs is in CancelledReportShape.
#include <QDateEdit>
#include <QList>
#include <QStringList>

#include "billing/common/reportform.h"
#include "billing/common/reportlayout.h"
#include "globals.h"
#include "platform/ado.h"
#include "platform/msgbox.h"

struct CancelledReportShape {
  const char* formName;
  const char* caption;  // the title bar text
  const char* table;    // where the kind's bills are stored
  double dateLabelWidth;
  QStringList heads;  // the list's columns
  QList<double> widths;
  QList<int> rightAligned;
  // Which cancelled bills Generate lists: those that were cancelled when the form was loaded;
  // or those of the rows that were in the table at load, cancelled by the time of Generate.
  bool onlyCancelledAtLoad;
  const TableRead& (*anyCancelledSql)();  // whether any bill was cancelled at all, when not the above
  const TableRead& (*dayCancelledSql)();  // the cancelled bills of a day
  ReportList (*rows)(Recordset& bills, const QDate& day);
  const char* printTitle;
};

// Made on the kind's own report base, which keeps that kind's sizes and serial, with the kind's
// row of the table (OutCancelledReportShape, InCancelledReportShape), which each kind keeps with
// its own report rows.
template <class Base>
class CancelledBillReportOf : public Base {
public:
  explicit CancelledBillReportOf(const CancelledReportShape& shape) : shape_(shape) {
    this->setObjectName(QString::fromLatin1(shape_.formName));
    this->SetCaption(QString::fromLatin1(shape_.caption));
    this->makeLabel(QStringLiteral("Date"), 3960, 1320, shape_.dateLabelWidth);
    this->makePicker(DTPicker1, "DTPicker1", 4800, 1320);
    this->guardPicker(DTPicker1, QStringLiteral("You cannt Select for Future Date"));
    this->makeButtons(4800, 2040, 6600, 2040, 9240, 8280, 10560, 8160);
    this->makeList(shape_.heads, shape_.widths, shape_.rightAligned, 2280, 2880, 6810, 4815);
    this->makeTotal(6840, 8400, 7560, 8370);
  }

  QDateEdit DTPicker1{this};  // the day

  void Picture1_Click() override {  // Generate
    const Value bound = shape_.onlyCancelledAtLoad ? Value(this->RowsAtLoadBetween(DTPicker1.date(), DTPicker1.date())) : Value(this->LastRowAtLoad);
    if (!this->readReportRecordset(shape_.dayCancelledSql(), {DTPicker1.date(), bound})) return;
    this->showReport(shape_.rows(*this->ReportRecordset, DTPicker1.date()));
  }

  void Picture2_Click() override {  // Print
    CollectionReport report;
    report.dateLineX = kDayDateLineX;
    report.dateLine = DayDateLine(DTPicker1.date());
    report.title = QString::fromLatin1(shape_.printTitle);
    report.heads = {{QStringLiteral("Sl no."), 800},
                    {QStringLiteral("Patient Name - ID"), 4000},
                    {QStringLiteral("Bill No"), 7800},
                    {QStringLiteral("Amount."), 9200}};
    report.columns = {{800, false}, {4000, false}, {kBillNoRightX, true}, {kAmountRightX, true}};
    report.rows = ReportRowsOf(&this->List, 4);
    report.total = this->ReportTotal;
    PrintCollectionReport(report);
  }

protected:
  void LoadMenuForm() override {
    const QString table = QString::fromLatin1(shape_.table);
    if (shape_.onlyCancelledAtLoad) {
      if (!this->noteCancelledBillsAtLoad(table)) return;
    } else {
      if (!this->noteLastRow(table)) return;
      // Generate reads the cancelled bills of its day alone.
      if (!this->openReportRecordset(shape_.anyCancelledSql())) return;
    }
    if (this->ReportRecordset->RecordCount() == 0) {
      MsgBox(QStringLiteral("No Cancel Bill"), vbCritical, QStringLiteral("Warning"));
      this->CloseForm();
    }
  }

private:
  const CancelledReportShape& shape_;
};
