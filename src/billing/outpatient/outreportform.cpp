#include "billing/outpatient/outreportform.h"

#include <QHeaderView>

#include "framework/mainmenus.h"
#include "framework/tooltip.h"
#include "framework/trimpicture.h"
#include "framework/twips.h"
#include "globals.h"
#include "platform/msgbox.h"
#include "platform/system.h"

OutReportForm::OutReportForm() {
  Label3 = new QLabel(QStringLiteral("Label3"), this);
  Label3->setObjectName(QStringLiteral("Label3"));
  Label3->hide();
}

OutReportForm::~OutReportForm() = default;

void OutReportForm::Form_Unload(int& cancel) {
  (void)cancel;
  ShowMainMenus(CurrentUserTypeBox());
}

void OutReportForm::ShockwaveFlash2_GotFocus() {
  Hide();
  Unload();
}

QLabel* OutReportForm::makeLabel(const QString& text, double left, double top, double width) {
  auto* label = new QLabel(text, this);
  MoveTwips(label, left, top, width, 330);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  return label;
}

QDateEdit* OutReportForm::makePicker(const char* name, double left, double top) {
  auto* picker = new QDateEdit(this);
  picker->setObjectName(QString::fromLatin1(name));
  picker->setCalendarPopup(true);
  MoveTwips(picker, left, top, 1700, 330);
  return picker;
}

void OutReportForm::makeList(const QStringList& heads, double left, double top, double width, double height,
                             const QList<double>& columnWidths) {
  List = new QTreeWidget(this);
  List->setObjectName(QStringLiteral("List"));
  List->setHeaderLabels(heads);
  List->setRootIsDecorated(false);
  List->setItemsExpandable(false);
  List->setSelectionMode(QAbstractItemView::SingleSelection);
  List->header()->setStretchLastSection(false);
  for (int c = 0; c < columnWidths.size(); ++c) List->setColumnWidth(c, TwipsToPixels(columnWidths[c]));
  List->headerItem()->setTextAlignment(int(heads.size()) - 1, Qt::AlignRight | Qt::AlignVCenter);
  MoveTwips(List, left, top, width, height);
}

void OutReportForm::makeButtons(double genLeft, double genTop, double genHelpLeft, double genHelpTop,
                                double printLeft, double printTop, double printHelpLeft, double printHelpTop) {
  auto button = [this](const char* name, double left, double top, double width) {
    auto* b = new ImageButton(this, QString::fromLatin1(name));
    MoveTwips(b, left, top, width, 360);
    return b;
  };
  Picture1 = button("Picture1", genLeft, genTop, 960);
  Picture11 = button("Picture11", genHelpLeft, genHelpTop, 360);
  Picture2 = button("Picture2", printLeft, printTop, 960);
  Picture12 = button("Picture12", printHelpLeft, printHelpTop, 360);
}

void OutReportForm::makeTotal(double labelLeft, double labelTop, double boxLeft, double boxTop) {
  makeLabel(QStringLiteral("Total"), labelLeft, labelTop, 800);
  txtTotal = new QLineEdit(this);
  txtTotal->setObjectName(QStringLiteral("txtTotal"));
  MoveTwips(txtTotal, boxLeft, boxTop, 1455, 330);
  txtTotal->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  // The total is what Generate listed; the print takes ReportTotal, never this box.
  txtTotal->setReadOnly(true);
}

void OutReportForm::setPickerToday(QDateEdit* picker) {
  picker->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
  picker->setDate(Today());
}

void OutReportForm::loadPictures() {
  Picture1->setPicture(QStringLiteral("\\gen.gif"));
  Picture2->setPicture(QStringLiteral("\\print.gif"));
  Picture11->setPicture(QStringLiteral("\\help1.gif"));
  Picture12->setPicture(QStringLiteral("\\help1.gif"));
  for (ImageButton* b : {Picture1, Picture2, Picture11, Picture12}) TrimPictureBox(b);
  AddToolTip(Picture11, QStringLiteral("Click this Button to Generate the Bill"), this);
  AddToolTip(Picture12, QStringLiteral("Print the Bill"), this);
  Picture1->setHoverImage(QStringLiteral("gen"), Label3);
  Picture2->setHoverImage(QStringLiteral("print"), Label3);
  connect(Picture1, &ImageButton::Click, this, [this] { Picture1_Click(); });
  connect(Picture2, &ImageButton::Click, this, [this] { Picture2_Click(); });
  connect(&ShockwaveFlash2, &FlashMovie::GotFocus, this, &OutReportForm::ShockwaveFlash2_GotFocus);
}

bool OutReportForm::openReportRecordset(const QString& sql, const std::vector<Value>& parameters) {
  ReportRecordset = std::make_unique<Recordset>();
  try {
    ReportRecordset->Open(sql, parameters, gCon, adOpenDynamic, adLockOptimistic);
  } catch (const DbError&) {
  }
  if (ReportRecordset->State() == adStateOpen) return true;
  MsgBox(QStringLiteral("Database Error. Please Check the database and try again"), vbCritical,
         QStringLiteral("Database Error"));
  End();
  return false;
}

void OutReportForm::noteLastRow(const QString& table) {
  LastRowAtLoad = 0;
  Recordset last;
  try {
    last.Open(QStringLiteral("SELECT max(rowid) FROM ") + table, gCon);
    if (last.RecordCount() > 0) LastRowAtLoad = qint64(last.Fields(0).toDouble());
  } catch (const DbError&) {
  }
}

void OutReportForm::guardPicker(QDateEdit* picker, const QString& secondLine) {
  connect(picker, &QDateEdit::dateChanged, this, [picker, secondLine] {
    if (picker->date() <= Today()) return;
    MsgBox(QStringLiteral("Please Select date Less than Equal To Current System Date\r\n") + secondLine, vbCritical,
           QStringLiteral("Warning"));
    picker->setDate(Today());
  });
}

void OutReportForm::showReport(const ReportList& report) {
  List->clear();
  const int amountColumn = List->columnCount() - 1;
  for (const QStringList& row : report.rows) {
    auto* item = new QTreeWidgetItem(List, row);
    item->setTextAlignment(amountColumn, Qt::AlignRight | Qt::AlignVCenter);
  }
  RowSerial = report.serial;
  ReportTotal = report.total;
  txtTotal->setText(ReportTotal.Format2());
}
