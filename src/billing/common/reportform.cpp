#include "billing/common/reportform.h"

#include <QHeaderView>

#include "data/reports.h"
#include "framework/databaseerror.h"
#include "framework/twips.h"
#include "globals.h"
#include "platform/msgbox.h"
#include "platform/system.h"

// Every report form is drawn at this size (twips).
BillReportForm::BillReportForm(const ReportFormSizes& sizes, int& serial)
    : MenuForm({.caption = QString(), .height = 9795, .width = 11745}), sizes_(sizes), serial_(serial) {
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

void BillReportForm::makeList(const QStringList& heads, const QList<double>& widths, const QList<int>& rightAligned,
                              double left, double top, double width, double height) {
  List.setObjectName(QStringLiteral("List"));
  List.setHeaderLabels(heads);
  List.setRootIsDecorated(false);
  List.setItemsExpandable(false);
  // Every row is as high as the first, so the list never measures the rows one by one.
  List.setUniformRowHeights(true);
  List.setSelectionMode(QAbstractItemView::SingleSelection);
  List.header()->setStretchLastSection(false);
  for (int c = 0; c < widths.size(); ++c) List.setColumnWidth(c, TwipsToPixels(widths[c]));
  rightAligned_ = rightAligned;
  for (int c : rightAligned_) List.headerItem()->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
  MoveTwips(&List, left, top, width, height);
  // The form's own controls are made after these: the list goes after the last of them.
  QWidget* last = previousInFocusChain();
  while (last != this && (!(last->focusPolicy() & Qt::TabFocus) || last->focusProxy() || last == &List ||
                          last == &txtTotal))
    last = last->previousInFocusChain();
  if (last != this) setTabOrder(last, &List);
}

void BillReportForm::makeButtons(double genLeft, double genTop, double genHelpLeft, double genHelpTop,
                                 double printLeft, double printTop, double printHelpLeft, double printHelpTop) {
  MoveTwips(&Picture1, genLeft, genTop, sizes_.buttonWidth, sizes_.buttonHeight);
  MoveTwips(&Picture11, genHelpLeft, genHelpTop, sizes_.helpWidth, sizes_.helpHeight);
  MoveTwips(&Picture2, printLeft, printTop, sizes_.buttonWidth, sizes_.buttonHeight);
  MoveTwips(&Picture12, printHelpLeft, printHelpTop, sizes_.helpWidth, sizes_.helpHeight);
  connect(&Picture1, &ImageButton::Click, this, [this] { Picture1_Click(); });
  connect(&Picture2, &ImageButton::Click, this, [this] { Picture2_Click(); });
}

void BillReportForm::makeTotal(double labelLeft, double labelTop, double boxLeft, double boxTop) {
  makeLabel(QStringLiteral("Total"), labelLeft, labelTop, sizes_.totalLabelWidth);
  txtTotal.setObjectName(QStringLiteral("txtTotal"));
  MoveTwips(&txtTotal, boxLeft, boxTop, 1455, sizes_.totalBoxHeight);
  txtTotal.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  // The total is what Generate listed; the print takes ReportTotal, never this box.
  txtTotal.setReadOnly(true);
  setTabOrder(&List, &txtTotal);
}

namespace {
// A report's read with the values of its condition's "?" as Generate has them.
TableRead withValues(TableRead read, const std::vector<Value>& parameters) {
  if (!parameters.empty()) read.parameters = parameters;
  return read;
}
}  // namespace

bool BillReportForm::openReportRecordset(const TableRead& read, const std::vector<Value>& parameters) {
  return openReportWith([&](Recordset& rs) { rs.Open(withValues(read, parameters), gCon); });
}

bool BillReportForm::openReportRecordset(const QString& sql, const std::vector<Value>& parameters) {
  return openReportWith([&](Recordset& rs) { rs.Open(sql, parameters, gCon); });
}

bool BillReportForm::readReportRecordset(const TableRead& read, const std::vector<Value>& parameters) {
  return readReportWith([&](Recordset& rs) { rs.Open(withValues(read, parameters), gCon); });
}

bool BillReportForm::readReportRecordset(const QString& sql, const std::vector<Value>& parameters) {
  return readReportWith([&](Recordset& rs) { rs.Open(sql, parameters, gCon); });
}

bool BillReportForm::openReportWith(const std::function<void(Recordset&)>& open) {
  ReportRecordset = std::make_unique<Recordset>();
  return OpenOrEnd(*ReportRecordset, open);
}

bool BillReportForm::readReportWith(const std::function<void(Recordset&)>& open) {
  auto rows = std::make_unique<Recordset>();
  try {
    open(*rows);
  } catch (const DbError&) {
  }
  if (rows->State() != adStateOpen) {
    ShowDatabaseError();
    return false;
  }
  ReportRecordset = std::move(rows);
  return true;
}

bool BillReportForm::noteLastRow(const QString& table) {
  LastRowAtLoad = 0;
  Recordset last;
  if (!OpenOrEnd(last, [&table](Recordset& rs) { rs.Open(LastRowSql(table), gCon); })) return false;
  if (last.RecordCount() > 0) LastRowAtLoad = qint64(last.Fields(kRowidColumn).toDouble());
  return true;
}

bool BillReportForm::noteRowsAtLoad(const QString& sql) {
  rowsAtLoad_.clear();
  // Read into ReportRecordset, so that a table that cannot be read is the Database Error it was
  // when Load read the whole selection.
  if (!openReportRecordset(sql))
    return false;
  rowsAtLoad_.reserve(std::size_t(ReportRecordset->RecordCount()));
  EachRow(*ReportRecordset, [&] {
    rowsAtLoad_.push_back({ReportRecordset->Fields(kRowDateColumn).toDate().value_or(QDate()),
                           qint64(ReportRecordset->Fields(kRowidColumn).toDouble())});
  });
  return true;
}

QString BillReportForm::RowsAtLoadBetween(const QDate& from, const QDate& to) const {
  QString json = QStringLiteral("[");
  for (const NotedRow& r : rowsAtLoad_) {
    // Only a stored ISO date can be told out of the range here; anything else stays listed.
    if (r.date.isValid() && (r.date < from || r.date > to)) continue;
    if (json.size() > 1) json += QLatin1Char(',');
    json += QString::number(r.rowid);
  }
  return json + QLatin1Char(']');
}

bool BillReportForm::noteValidBillsAtLoad(const QString& table) {
  return noteLastRow(table) && noteRowsAtLoad(InvalidBillRowsSql(table));
}

bool BillReportForm::noteCancelledBillsAtLoad(const QString& table) {
  return noteRowsAtLoad(CancelledBillRowsSql(table));
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
  serial_ = report.serial;
  ReportTotal = report.total;
  txtTotal.setText(ReportTotal.Format2());
}
