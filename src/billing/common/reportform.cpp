#include "billing/common/reportform.h"

#include <QHeaderView>
#include <QStringList>

#include "data/reports.h"
#include "framework/databaseerror.h"
#include "framework/twips.h"
#include "globals.h"
#include "platform/msgbox.h"
#include "platform/system.h"

// Every report form is drawn at this size (twips).
BillReportForm::BillReportForm(const ReportSizesConfig& sizes)
    : MenuForm({.caption = QString(), .height = 9795, .width = 11745}), sizes_(sizes) {
  Label3.setObjectName(QStringLiteral("Label3"));
  SetUpHoverHolder(Label3);
}

BillReportForm::~BillReportForm() = default;

std::vector<MenuPicture> BillReportForm::MenuPictures() {
  return {{&Picture1, QStringLiteral("gen"), &Label3},
          {&Picture2, QStringLiteral("print"), &Label3},
          {&Picture11, QStringLiteral("help1"), nullptr, QStringLiteral("Click this Button to Generate the Bill")},
          {&Picture12, QStringLiteral("help1"), nullptr, QStringLiteral("Print the Bill")}};
}

void BillReportForm::makeLabel(const QString& text, double left, double top, double width) {
  captions_.add(text, left, top, width, sizes_.labelHeight).setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void BillReportForm::makePicker(QDateEdit& picker, const char* name, double left, double top) {
  picker.setObjectName(QString::fromLatin1(name));
  picker.setCalendarPopup(true);
  picker.setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
  MoveTwips(&picker, left, top, sizes_.pickerWidth, sizes_.pickerHeight);
  AddTodayPicker(&picker);
}

void BillReportForm::makeList(const QList<ReportColumnConfig>& columns, const TwipsPlace& place) {
  List.setObjectName(QStringLiteral("List"));
  QStringList heads;
  for (const ReportColumnConfig& column : columns) heads << QString::fromLatin1(column.head);
  List.setHeaderLabels(heads);
  List.setRootIsDecorated(false);
  List.setItemsExpandable(false);
  // Every row is as high as the first, so the list never measures the rows one by one.
  List.setUniformRowHeights(true);
  List.setSelectionMode(QAbstractItemView::SingleSelection);
  List.header()->setStretchLastSection(false);
  rightAligned_.clear();
  for (int c = 0; c < columns.size(); ++c) {
    List.setColumnWidth(c, TwipsToPixels(columns[c].width));
    if (!columns[c].rightAligned) continue;
    rightAligned_.append(c);
    List.headerItem()->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
  }
  MoveTwips(&List, place.left, place.top, place.width, place.height);
  // The form's own controls are made after these: the list goes after the last of them.
  QWidget* last = previousInFocusChain();
  while (last != this && (!(last->focusPolicy() & Qt::TabFocus) || last->focusProxy() || last == &List ||
                          last == &txtTotal))
    last = last->previousInFocusChain();
  if (last != this) setTabOrder(last, &List);
}

void BillReportForm::makeButtons(const ReportButtonsConfig& place) {
  MoveTwips(&Picture1, place.genLeft, place.genTop, sizes_.buttonWidth, sizes_.buttonHeight);
  MoveTwips(&Picture11, place.genHelpLeft, place.genHelpTop, sizes_.helpWidth, sizes_.helpHeight);
  MoveTwips(&Picture2, place.printLeft, place.printTop, sizes_.buttonWidth, sizes_.buttonHeight);
  MoveTwips(&Picture12, place.printHelpLeft, place.printHelpTop, sizes_.helpWidth, sizes_.helpHeight);
  connect(&Picture1, &ImageButton::Click, this, [this] { Picture1_Click(); });
  connect(&Picture2, &ImageButton::Click, this, [this] { Picture2_Click(); });
}

void BillReportForm::makeTotal(const ReportTotalConfig& place) {
  makeLabel(QStringLiteral("Total"), place.labelLeft, place.labelTop, sizes_.totalLabelWidth);
  txtTotal.setObjectName(QStringLiteral("txtTotal"));
  MoveTwips(&txtTotal, place.boxLeft, place.boxTop, 1455, sizes_.totalBoxHeight);
  txtTotal.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  // The total is what Generate listed; the print takes ReportTotal, never this box.
  txtTotal.setReadOnly(true);
  setTabOrder(&List, &txtTotal);
}

bool BillReportForm::readReport(const std::function<void()>& read) {
  return RunDatabaseStep(*this, read, AfterDatabaseError::CarryOn);
}

bool BillReportForm::noteAtLoad(const std::function<RowsAtLoad()>& note) {
  rowsAtLoad_ = {};
  return RunDatabaseStep(*this, [&] { rowsAtLoad_ = note(); });
}

void BillReportForm::guardPicker(QDateEdit& picker, const QString& secondLine) {
  QDateEdit* guarded = &picker;
  connect(guarded, &QDateEdit::dateChanged, this, [guarded, secondLine] {
    if (guarded->date() <= Today()) return;
    MsgBox(QStringLiteral("Please Select date Less than Equal To Current System Date\r\n") + secondLine, vbCritical,
           QStringLiteral("Warning"));
    guarded->setDate(Today());
  });
}

void BillReportForm::showReport(const ReportList& report) {
  // Thousands of rows go in as one batch: built first, added in one call while the list does
  // not repaint, instead of one insertion (and one layout) per row.
  List.setUpdatesEnabled(false);
  List.clear();
  QList<QTreeWidgetItem*> items;
  items.reserve(qsizetype(report.rows.size()));
  for (const QStringList& row : report.rows) {
    auto* item = new QTreeWidgetItem(row);
    for (int c : rightAligned_) item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    items.append(item);
  }
  List.addTopLevelItems(items);
  List.setUpdatesEnabled(true);
  LastSerial = report.serial;
  ReportTotal = report.total;
  txtTotal.setText(ReportTotal.Format2());
}
