#pragma once
// The collection reports: the valid bills of one day (the daily form) or of a range of days (the
// period form), the ordinary ones or, by the two check boxes, the ECG or the scan bills; listed
// with their total and printed as a collection report. The daily and period forms of the
// out-patient and in-patient kinds are one form on their kinds' report bases; everything that
// differs is in CollectionReportKind.
#include <QCheckBox>
#include <QDateEdit>
#include <QList>
#include <QString>
#include <optional>

#include "billing/common/reportform.h"
#include "billing/common/reportlayout.h"
#include "billing/common/reportrows.h"
#include "framework/twips.h"
#include "globals.h"
#include "platform/ado.h"
#include "platform/msgbox.h"

// A control's place in twips.
struct TwipsPlace {
  double left, top, width, height;
};

// What the daily and the period forms of every kind share: the pickers (at the top of the form,
// in the kind's size) and what they are for.
struct CollectionReportDays {
  // The period form has a second picker, the last day, after "to"; the daily form lists its day.
  bool period;
  double dateLabelLeft, firstPickerLeft, toLabelLeft, secondPickerLeft;
  const char* futureDateLine;  // the second line of the pickers' future-date message
  const char* rowsHead;        // the head of the list's second column
};
inline constexpr double kCollectionPickersTop = 1320;
inline constexpr CollectionReportDays kDailyCollection{
    false, 3960, 4800, 0, 0, "You cannt Select for Future Date", "Bill-No / Patient Name"};
inline constexpr CollectionReportDays kPeriodCollection{
    true, 3120, 4080, 6120, 6840, "You cannt select for Future Date", "Bill-No / Patient Name / Date"};

// One collection report form of a kind: its names, its rows' text and where its controls stand
// (twips).
struct CollectionReportFormShape {
  const char* formName;
  const char* caption;  // the title bar text
  CollectionRowText rowText;
  const char* noBillMessage;  // when given, the form closes at load after it while there is no bill
  double dateLabelWidth, toLabelWidth;
  TwipsPlace ecgBox, scanBox;  // CheckBox1 and CheckBox2
  struct {
    double genLeft, genTop, genHelpLeft, genHelpTop, printLeft, printTop, printHelpLeft, printHelpTop;
  } buttons;
  TwipsPlace list;
  struct {
    double labelLeft, labelTop, boxLeft, boxTop;
  } total;
};

// What the two collection reports of one kind read and print, and their forms.
struct CollectionReportKind {
  const char* table;  // where the kind's bills are stored
  // Which bills Generate lists: without anyBillRead, those that were valid when the form was
  // loaded; with it, the valid ones of the rows that were in the table at load, checked at load
  // for any at all.
  const TableRead& (*anyBillRead)();
  TableRead (*billsOfDaysRead)(CollectionMode mode);  // the bills of the days in the mode
  ReportBill (*readBill)(const Recordset& rs);
  const char* ordinaryTitle;  // the printed title of the ordinary bills' report
  QList<double> widths;       // the list's columns
  CollectionReportFormShape daily, period;
};

// Made on the kind's own report base, which keeps that kind's sizes and serial, with the kind's
// table (which each kind keeps with its own forms) and the days the form reports on.
template <class Base>
class CollectionReportOf : public Base {
public:
  CollectionReportOf(const CollectionReportKind& kind, const CollectionReportDays& days)
      : kind_(kind), days_(days), shape_(days.period ? kind.period : kind.daily) {
    this->setObjectName(QString::fromLatin1(shape_.formName));
    this->SetCaption(QString::fromLatin1(shape_.caption));
    const QString futureDateLine = QString::fromLatin1(days_.futureDateLine);
    const double top = kCollectionPickersTop;
    this->makeLabel(QStringLiteral("Date"), days_.dateLabelLeft, top, shape_.dateLabelWidth);
    this->makePicker(DTPicker1, "DTPicker1", days_.firstPickerLeft, top);
    if (days_.period) {
      this->makeLabel(QStringLiteral("to"), days_.toLabelLeft, top, shape_.toLabelWidth);
      this->makePicker(DTPicker2.emplace(this), "DTPicker2", days_.secondPickerLeft, top);
      // The second day follows the first in the tab order, before the check boxes.
      this->setTabOrder(&DTPicker1, &*DTPicker2);
    }
    this->guardPicker(DTPicker1, futureDateLine);
    if (DTPicker2) this->guardPicker(*DTPicker2, futureDateLine);
    placeBox(CheckBox1, "ECG", "CheckBox1", shape_.ecgBox);
    placeBox(CheckBox2, "SCAN", "CheckBox2", shape_.scanBox);
    const auto& b = shape_.buttons;
    this->makeButtons(b.genLeft, b.genTop, b.genHelpLeft, b.genHelpTop, b.printLeft, b.printTop, b.printHelpLeft,
                      b.printHelpTop);
    this->makeList({QStringLiteral("Sl No"), QString::fromLatin1(days_.rowsHead), QStringLiteral("Amount")},
                   kind_.widths, {2}, shape_.list.left, shape_.list.top, shape_.list.width, shape_.list.height);
    this->makeTotal(shape_.total.labelLeft, shape_.total.labelTop, shape_.total.boxLeft, shape_.total.boxTop);
  }

  QDateEdit DTPicker1{this};           // the day, or the first day of the period
  QCheckBox CheckBox1{this};           // "ECG"
  QCheckBox CheckBox2{this};           // "SCAN"
  std::optional<QDateEdit> DTPicker2;  // the last day of the period; none on the daily form

  void Picture1_Click() override {  // Generate
    if (DTPicker2 && DTPicker1.date() > DTPicker2->date()) {
      MsgBox(QStringLiteral("Please select Correct Date ! It must be lessthan Second Date"), vbCritical,
             QStringLiteral("Warning"));
      return;
    }
    const QDate from = DTPicker1.date();
    const QDate to = lastDay();
    const CollectionMode selection = mode();
    std::vector<Value> bound{from, to, this->LastRowAtLoad};
    if (!kind_.anyBillRead) bound.push_back(this->RowsAtLoadBetween(from, to));
    if (!this->readReportRecordset(kind_.billsOfDaysRead(selection), bound)) return;
    this->showReport(CollectionRows(*this->ReportRecordset, kind_.readBill, from, to, selection, shape_.rowText));
  }

  void Picture2_Click() override {  // Print
    // The rows are the ones generated; the date line and the title follow the controls now.
    CollectionReport report = StandardCollectionReport(
        DTPicker2 ? kRangeDateLineX : kDayDateLineX,
        DTPicker2 ? RangeDateLine(DTPicker1.date(), DTPicker2->date()) : DayDateLine(DTPicker1.date()),
        CollectionTitle(mode(), QString::fromLatin1(kind_.ordinaryTitle)));
    report.rows = ReportRowsOf(&this->List, 3);
    report.total = this->ReportTotal;
    PrintCollectionReport(report);
  }

protected:
  void LoadMenuForm() override {
    const QString table = QString::fromLatin1(kind_.table);
    if (!kind_.anyBillRead) {
      this->noteValidBillsAtLoad(table);
      return;
    }
    // The load only needs to know whether there is any valid bill; Generate reads the bills of
    // its days alone, in the same order, and lists them by the same rules.
    if (!this->noteLastRow(table) || !this->openReportRecordset(kind_.anyBillRead())) return;
    if (shape_.noBillMessage && this->ReportRecordset->RecordCount() == 0) {
      MsgBox(QString::fromLatin1(shape_.noBillMessage), vbCritical, QStringLiteral("Warning"));
      this->CloseForm();
    }
  }

private:
  void placeBox(QCheckBox& box, const char* text, const char* name, const TwipsPlace& place) {
    box.setText(QString::fromLatin1(text));
    box.setObjectName(QString::fromLatin1(name));
    MoveTwips(&box, place.left, place.top, place.width, place.height);
  }
  CollectionMode mode() const { return CollectionModeOf(CheckBox1.isChecked(), CheckBox2.isChecked()); }
  QDate lastDay() const { return DTPicker2 ? DTPicker2->date() : DTPicker1.date(); }

  const CollectionReportKind& kind_;
  const CollectionReportDays& days_;
  const CollectionReportFormShape& shape_;
};
