#include "billing/common/collectionreport.h"

#include "billing/common/reportlayout.h"
#include "framework/twips.h"
#include "globals.h"
#include "platform/msgbox.h"

CollectionReportForm::CollectionReportForm(const CollectionReportConfig& config, const CollectionDaysConfig& days)
    : BillReportForm(config.sizes),
      config_(config),
      days_(days),
      form_(days.period ? config.period : config.daily) {
  setObjectName(QString::fromLatin1(form_.formName));
  SetCaption(QString::fromLatin1(form_.caption));
  const QString futureDateLine = QString::fromLatin1(days_.futureDateLine);
  const double top = kCollectionPickersTop;
  makeLabel(QStringLiteral("Date"), days_.dateLabelLeft, top, form_.dateLabelWidth);
  makePicker(DTPicker1, "DTPicker1", days_.firstPickerLeft, top);
  if (days_.period) {
    makeLabel(QStringLiteral("to"), days_.toLabelLeft, top, form_.toLabelWidth);
    makePicker(DTPicker2.emplace(this), "DTPicker2", days_.secondPickerLeft, top);
    // The second day follows the first in the tab order, before the check boxes.
    setTabOrder(&DTPicker1, &*DTPicker2);
  }
  guardPicker(DTPicker1, futureDateLine);
  if (DTPicker2) guardPicker(*DTPicker2, futureDateLine);
  placeBox(CheckBox1, "ECG", "CheckBox1", form_.ecgBox);
  placeBox(CheckBox2, "SCAN", "CheckBox2", form_.scanBox);
  makeButtons(form_.buttons);
  makeList({{.head = "Sl No", .width = config_.widths.serial},
            {.head = days_.rowsHead, .width = config_.widths.rows},
            {.head = "Amount", .width = config_.widths.amount, .rightAligned = true}},
           form_.list);
  makeTotal(form_.total);
}

CollectionReportForm::~CollectionReportForm() = default;

void CollectionReportForm::Picture1_Click() {  // Generate
  if (DTPicker2 && DTPicker1.date() > DTPicker2->date()) {
    MsgBox(QStringLiteral("Please select Correct Date ! It must be lessthan Second Date"), vbCritical,
           QStringLiteral("Warning"));
    return;
  }
  const ReportDays days{.from = DTPicker1.date(), .to = lastDay()};
  const CollectionMode selection = mode();
  std::vector<ReportBill> bills;
  if (!readReport([&] { bills = CollectionBills(gCon, config_.kind, selection, days, rowsAtLoad()); })) return;
  showReport(CollectionRows(bills, days.from, days.to, selection, form_.rowText));
}

void CollectionReportForm::Picture2_Click() {  // Print
  // The rows are the ones generated; the date line and the title follow the controls now.
  CollectionReport report = StandardCollectionReport(
      DTPicker2 ? kRangeDateLineX : kDayDateLineX,
      DTPicker2 ? RangeDateLine(DTPicker1.date(), DTPicker2->date()) : DayDateLine(DTPicker1.date()),
      CollectionTitle(mode(), QString::fromLatin1(config_.ordinaryTitle)));
  report.rows = ReportRowsOf(&List, 3);
  report.total = ReportTotal;
  PrintCollectionReport(report);
}

void CollectionReportForm::LoadMenuForm() {
  // Generate reads the bills of its days alone, in the same order, and lists them by the same
  // rules, as they stood at load.
  if (!noteAtLoad([this] { return NoteCollectionAtLoad(gCon, config_.kind); })) return;
  if (form_.noBillMessage && noBillAtLoad()) {
    MsgBox(QString::fromLatin1(form_.noBillMessage), vbCritical, QStringLiteral("Warning"));
    CloseForm();
  }
}

void CollectionReportForm::placeBox(QCheckBox& box, const char* text, const char* name, const TwipsPlace& place) {
  box.setText(QString::fromLatin1(text));
  box.setObjectName(QString::fromLatin1(name));
  MoveTwips(&box, place.left, place.top, place.width, place.height);
}

CollectionMode CollectionReportForm::mode() const {
  return CollectionModeOf(CheckBox1.isChecked(), CheckBox2.isChecked());
}

QDate CollectionReportForm::lastDay() const { return DTPicker2 ? DTPicker2->date() : DTPicker1.date(); }
