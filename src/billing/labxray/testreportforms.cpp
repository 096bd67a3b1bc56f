#include "billing/labxray/testreportforms.h"

#include <QHeaderView>

#include "billing/common/reportlayout.h"
#include "billing/labxray/testreports.h"
#include "framework/formdesign.h"
#include "framework/mainmenus.h"
#include "framework/tooltip.h"
#include "framework/trimpicture.h"
#include "framework/twips.h"
#include "globals.h"
#include "platform/msgbox.h"
#include "platform/system.h"

namespace {

constexpr int kFormHeight = 9795;
constexpr int kFormWidth = 11745;

}  // namespace

TestReportForm::TestReportForm(TestBillKind kind) : kind_(kind) {
  Image1 = new QLabel(this);
  ShockwaveFlash1 = new FlashMovie(this);
  ShockwaveFlash2 = new FlashMovie(this);
  ShockwaveFlash3 = new FlashMovie(this);
  Label3 = new QLabel(QStringLiteral("Label3"), this);
  Label3->hide();
  connect(ShockwaveFlash2, &FlashMovie::GotFocus, this, [this] {
    Hide();
    Unload();
  });
}

TestReportForm::~TestReportForm() = default;

void TestReportForm::Form_Unload(int& cancel) {
  (void)cancel;
  ShowMainMenus(CurrentUserTypeBox());
}

QLabel* TestReportForm::caption(const QString& text, int left, int top, int width) {
  auto* label = new QLabel(text, this);
  MoveTwips(label, left, top, width, 300);
  return label;
}

QDateEdit* TestReportForm::picker(int left, int top, const QString& guardLine) {
  auto* p = new QDateEdit(this);
  p->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
  p->setCalendarPopup(true);
  MoveTwips(p, left, top, 1815, 300);
  connect(p, &QDateEdit::dateChanged, this, [p, guardLine] {
    if (p->date() <= Today()) return;
    MsgBox(QStringLiteral("Please Select date Less than Equal To Current System Date\r\n") + guardLine, vbCritical,
           QStringLiteral("Warning"));
    p->setDate(Today());
  });
  return p;
}

void TestReportForm::makeList(const QStringList& heads, const QList<int>& widths, int left, int top,
                              bool lastRight) {
  List = new QTreeWidget(this);
  List->setRootIsDecorated(false);
  List->setItemsExpandable(false);
  List->setColumnCount(int(heads.size()));
  List->setHeaderLabels(heads);
  List->header()->setStretchLastSection(false);
  for (int c = 0; c < widths.size(); ++c) List->setColumnWidth(c, TwipsToPixels(widths[c]));
  if (lastRight) List->headerItem()->setTextAlignment(int(heads.size()) - 1, Qt::AlignRight | Qt::AlignVCenter);
  MoveTwips(List, left, top, 6810, 4815);
}

void TestReportForm::makeButtons(int genLeft, int helpGenLeft, int printLeft, int helpPrintLeft) {
  auto button = [this](const char* name, int left, int top, int width, int height) {
    auto* b = new ImageButton(this, QString::fromLatin1(name));
    MoveTwips(b, left, top, width, height);
    return b;
  };
  Picture1 = button("Picture1", genLeft, 2040, 975, 375);
  Picture11 = button("Picture11", helpGenLeft, 2040, 765, 465);
  Picture2 = button("Picture2", printLeft, 8280, 975, 375);
  Picture12 = button("Picture12", helpPrintLeft, 8160, 765, 465);
  connect(Picture1, &ImageButton::Click, this, [this] { Picture1_Click(); });
  connect(Picture2, &ImageButton::Click, this, [this] { Picture2_Click(); });
}

void TestReportForm::makeTotal(int labelLeft, int boxLeft, int boxTop) {
  caption(QStringLiteral("Total"), labelLeft, 8400, 555);
  txtTotal = new QLineEdit(this);
  MoveTwips(txtTotal, boxLeft, boxTop, 1455, 285);
  txtTotal->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  // The box shows what Generate listed; the print takes the form's total, never this box.
  txtTotal->setReadOnly(true);
}

bool TestReportForm::loadReport(const QString& formCaption, const QString& sql, const std::vector<QDateEdit*>& pickers) {
  HideMainMenus(CurrentUserTypeBox());
  for (QDateEdit* p : pickers) p->setDate(Today());
  gActiveForm = this;
  DesignForm(this, ShockwaveFlash1, ShockwaveFlash2, ShockwaveFlash3, kFormHeight, kFormWidth, formCaption, Image1);
  CenterForm();
  for (QDateEdit* p : pickers) p->setDate(Today());
  Picture1->setPicture(QStringLiteral("gen.gif"));
  Picture2->setPicture(QStringLiteral("print.gif"));
  Picture11->setPicture(QStringLiteral("help1.gif"));
  Picture12->setPicture(QStringLiteral("help1.gif"));
  for (ImageButton* b : {Picture1, Picture2, Picture11, Picture12}) TrimPictureBox(b);
  AddToolTip(Picture11, QStringLiteral("Click this Button to Generate the Bill"), this);
  AddToolTip(Picture12, QStringLiteral("Print the Bill"), this);
  Picture1->setHoverImage(QStringLiteral("gen"), Label3);
  Picture2->setHoverImage(QStringLiteral("print"), Label3);

  try {
    ReportRecordset.Open(sql, gCon, adOpenDynamic, adLockOptimistic);
  } catch (const DbError&) {
  }
  if (ReportRecordset.State() == adStateOpen) return true;
  MsgBox(QStringLiteral("Database Error. Please Check the database and try again"), vbCritical,
         QStringLiteral("Database Error"));
  End();
  Unload();
  return false;
}

void TestReportForm::showList(const TestReportList& list, bool amountsRight) {
  List->clear();
  const int last = List->columnCount() - 1;
  for (const QStringList& row : list.rows) {
    auto* item = new QTreeWidgetItem(List, row);
    if (amountsRight) item->setTextAlignment(last, Qt::AlignRight | Qt::AlignVCenter);
  }
  SerialCounter = int(list.rows.size());
  ReportTotal = list.total;
  txtTotal->setText(ReportTotal.Format2());
}

// The period report.

TestCollectionReportForm::TestCollectionReportForm(TestBillKind kind) : TestReportForm(kind) {
  caption(QStringLiteral("Date"), 3120, 1320, 510);
  DTPicker1 = picker(4080, 1320, QStringLiteral("You cannt select for Future Date"));
  caption(QStringLiteral("to"), 6120, 1320, 210);
  DTPicker2 = picker(6840, 1320, QStringLiteral("You cannt select for Future Date"));
  makeButtons(5160, 7440, 9600, 10800);
  makeList({QStringLiteral("Sl No"), QStringLiteral("Bill-No / Patient Name / Date"), QStringLiteral("Amount")},
           {700, 5000, 1000}, 2760, 2760, true);
  makeTotal(7200, 8040, 8350);
}

void TestCollectionReportForm::Form_Load() {
  const TestBillTexts& texts = TextsOf(kind_);
  loadReport(QString::fromLatin1(texts.reportCaption), QString::fromLatin1(texts.reportSql), {DTPicker1, DTPicker2});
}

void TestCollectionReportForm::Picture1_Click() {
  if (DTPicker1->date() > DTPicker2->date()) {
    MsgBox(QStringLiteral("Please select Correct Date ! It must be lessthan Second Date"), vbCritical,
           QStringLiteral("Warning"));
    return;
  }
  showList(TestCollectionRows(ReportRecordset, DTPicker1->date(), DTPicker2->date()), true);
}

void TestCollectionReportForm::Picture2_Click() {
  const TestBillTexts& texts = TextsOf(kind_);
  CollectionReport report = StandardCollectionReport(kRangeDateLineX, RangeDateLine(DTPicker1->date(), DTPicker2->date()),
                                                     QString::fromLatin1(texts.reportTitle));
  report.heads[1].text = QString::fromLatin1(texts.reportMiddleHead);
  report.rows = ReportRowsOf(List, 3);
  report.total = ReportTotal;
  PrintCollectionReport(report);
}

// The cancelled-bill report.

TestCancelReportForm::TestCancelReportForm(TestBillKind kind) : TestReportForm(kind) {
  caption(QStringLiteral("Date"), 3960, 1320, 510);
  DTPicker1 = picker(4800, 1320, QStringLiteral("You cannt Select for Future Date"));
  makeButtons(4800, 6600, 9240, 10560);
  makeList({QStringLiteral("Sl No"), QStringLiteral("Patient Name / ID"), QStringLiteral("Bill No"),
            QStringLiteral("Total Amt")},
           // Narrower names than the list's designed 5001 twips, so that the amounts are in view
           // without scrolling the list sideways.
           {700, 3500, 1000, 1440}, 2280, 2880, false);
  makeTotal(6840, 7560, 8370);
}

void TestCancelReportForm::Form_Load() {
  const TestBillTexts& texts = TextsOf(kind_);
  if (!loadReport(QString::fromLatin1(texts.cancelReportCaption), QString::fromLatin1(texts.cancelReportSql),
                  {DTPicker1}))
    return;
  if (ReportRecordset.RecordCount() == 0) {
    MsgBox(QStringLiteral("No Cancel Bill"), vbCritical, QStringLiteral("Warning"));
    Hide();
    Unload();
  }
}

void TestCancelReportForm::Picture1_Click() { showList(CancelledTestRows(ReportRecordset, DTPicker1->date()), false); }

void TestCancelReportForm::Picture2_Click() {
  CollectionReport report;
  report.dateLineX = kDayDateLineX;
  report.dateLine = DayDateLine(DTPicker1->date());
  report.title = QString::fromLatin1(TextsOf(kind_).cancelReportTitle);
  report.heads = {{QStringLiteral("Sl no."), 800},
                  {QStringLiteral("Patient Name - ID"), 4000},
                  {QStringLiteral("Bill No"), 7800},
                  {QStringLiteral("Amount."), 9200}};
  report.columns = {{800, false}, {4000, false}, {kBillNoRightX, true}, {kAmountRightX, true}};
  report.rows = ReportRowsOf(List, 4);
  report.total = ReportTotal;
  PrintCollectionReport(report);
}
