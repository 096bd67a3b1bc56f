#include "billing/labxray/testcancelform.h"

#include <QFocusEvent>

#include "framework/keylist.h"
#include "billing/labxray/testbillstore.h"
#include "data/bills.h"
#include "framework/databaseerror.h"
#include "framework/keyfilters.h"
#include "framework/twips.h"
#include "globals.h"
#include "platform/msgbox.h"
#include "platform/system.h"
#include "platform/vbruntime.h"

namespace {

constexpr int kFormHeight = 9795;
constexpr int kFormWidth = 11745;
constexpr int kCaptionLeft = 3000;
constexpr int kBoxLeft = 4800;
constexpr int kCaptionWidth = 1700;

}  // namespace

TestCancelForm::TestCancelForm(TestBillKind kind)
    : MenuForm({.caption = QString::fromLatin1(TestBillConfigOf(kind).cancelCaption),
                .height = kFormHeight, .width = kFormWidth}), kind_(kind) {
  SetUpHoverHolder(Label3);

  // The bill's values are shown, never typed: nothing typed here would be saved.
  const auto shownBox = [this](QLineEdit& box, const QString& caption, int top, int width) {
    captions_.add(caption, kCaptionLeft, top, kCaptionWidth);
    MoveTwips(&box, kBoxLeft, top, width, kBillBoxHeight);
    box.setEnabled(false);
  };
  captions_.add(QStringLiteral("Bill Number"), kCaptionLeft, 720, kCaptionWidth);
  PlaceChoiceBox(cmbBillNumber, kBoxLeft, 720, kBillBoxWidth, kBillBoxHeight);
  MoveTwips(&Picture11, 7080, 690, kBillHelpSize, kBillHelpSize);
  shownBox(txtPatientName, QStringLiteral("Patient Name"), 1200, 2400);
  shownBox(txtPatientID, QStringLiteral("Patient ID"), 1680, 2400);

  PlaceBillList(List, 2400, 2220, 6810, 3540, {700, 4800, 1000});

  captions_.add(QStringLiteral("Date"), kCaptionLeft, 6000, kCaptionWidth);
  PlaceDatePicker(DTPicker1, kBoxLeft, 6000, 1620, kBillBoxHeight);
  SetTodayPickers({&DTPicker1});
  shownBox(txtDiscount, QStringLiteral("Discount"), 6480, 1620);
  shownBox(txtGrassTotal, QStringLiteral("Grass Total"), 6960, 1620);
  shownBox(txtTotal, QStringLiteral("Total"), 7440, 1620);

  MoveTwips(&Picture1, 4200, 8280, kBillButtonWidth, kBillButtonHeight);
  MoveTwips(&Picture2, 6240, 8280, kBillButtonWidth, kBillButtonHeight);

  QComboBox* numbers = &cmbBillNumber;
  WireKeyPress(numbers, [numbers](int& KeyAscii) { KeyAscii = AutoCompleteKeyPress(numbers, KeyAscii, false); });
  connect(&cmbBillNumber, &QComboBox::editTextChanged, this, &TestCancelForm::Search);
  connect(&cmbBillNumber, &QComboBox::activated, this, &TestCancelForm::Search);
  cmbBillNumber.installEventFilter(this);
  connect(&DTPicker1, &QDateEdit::dateChanged, this, &TestCancelForm::DTPicker1_Change);
  connect(&Picture1, &ImageButton::Click, this, &TestCancelForm::Picture1_Click);
  connect(&Picture2, &ImageButton::Click, this, &TestCancelForm::Picture2_Click);
}

TestCancelForm::~TestCancelForm() {
  // The box outlives this destructor's body: it must not run the search of a form half gone.
  cmbBillNumber.removeEventFilter(this);
}

bool TestCancelForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &cmbBillNumber && event->type() == QEvent::FocusOut &&
      static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
    Search();
  return MenuForm::eventFilter(watched, event);
}

std::vector<MenuPicture> TestCancelForm::MenuPictures() {
  return OkCancelPictures(&Picture1, &Picture2, &Label3, &Picture11,
                          QStringLiteral("Select the Bill Number that you wish to Cancel!"));
}

void TestCancelForm::LoadMenuForm() {
  // Ten years of bill lines, read once: each number is listed where its bill's first line stands
  // (the order SELECT DISTINCT gives), and only where each bill's lines are is kept; a search
  // reads its bill's lines.
  const TableRead linesRead = ValidBillsRead(BillKindOf(kind_));
  auto numbers = std::make_unique<KeyList>(false);
  std::vector<LineRun> runs;
  const bool read = RunDatabaseStep(*this, [&] {
    const qsizetype lines = RowsAtMost(gCon, linesRead);
    numbers->Reserve(lines);
    runs.reserve(std::size_t(lines));
    ReadColumnText(gCon, linesRead, kBillNumberColumn, [&](const char* no, int size, qint64 rowid) {
      const int bill = numbers->AppendUtf8Distinct(no, size, rowid);
      LineRun* last = runs.empty() ? nullptr : &runs.back();
      if (last && last->bill == bill && rowid > last->first &&
          quint64(rowid) - quint64(last->first) == quint64(last->lines))
        ++last->lines;
      else
        runs.push_back({bill, 1, rowid});
    });
  });
  if (!read) return;
  lineRuns_ = std::move(runs);
  bills_ = ShowKeyList(&cmbBillNumber, std::move(numbers));
}

void TestCancelForm::Search() {
  const QString wanted = cmbBillNumber.currentText();
  if (Trim(wanted).isEmpty() || !bills_ || bills_->Count() == 0) return;
  List.clear();
  int lines = 0;
  const int bill = bills_->FirstExact(wanted);
  std::vector<qint64> rowids;
  for (const LineRun& run : lineRuns_)
    if (run.bill == bill)
      for (int i = 0; i < run.lines; ++i) rowids.push_back(run.first + i);
  std::vector<StoredTestLine> read;
  try {
    // The bill's own lines alone: these are what a cancellation marks.
    read = ReadTestBillLines(gCon, BillKindOf(kind_), rowids);
  } catch (const DbError&) {
    ShowDatabaseError();
    shownBill_.clear();
    shownLines_.clear();
    return;
  }
  std::vector<qint64> shown;
  for (const StoredTestLine& line : read) {
    if (line.billNo != wanted) continue;
    txtPatientName.setText(line.patientName);
    txtPatientID.setText(line.patientId);
    if (const auto date = line.date.toDate()) {
      // The bill's own date is shown, not picked: the future-date guard is for the user's picks.
      const QSignalBlocker blocker(DTPicker1);
      DTPicker1.setDate(*date);
    }
    AddBillListRow(List, Format00(++lines), line.description, line.amount);
    txtDiscount.setText(line.discount);
    txtGrassTotal.setText(line.grossTotal);
    txtTotal.setText(line.total);
    shown.push_back(line.rowid);
  }
  shownBill_ = lines > 0 ? wanted : QString();
  shownLines_ = std::move(shown);
}

void TestCancelForm::Picture1_Click() {
  const auto refuse = [this] {
    MsgBox(QStringLiteral("Please select the Bill Number"), vbCritical, QStringLiteral("Warning"));
    cmbBillNumber.setFocus();
  };
  // Only the bill the last search found, while the number box still names it, is cancelled.
  if (txtPatientID.text().isEmpty() || shownBill_.isEmpty() || cmbBillNumber.currentText() != shownBill_) {
    refuse();
    return;
  }
  if (MsgBox(QStringLiteral("Do you Wish to Cancel ( Delete ) the Current Bill"), vbYesNo + vbCritical,
             QStringLiteral("Warning")) != vbYes)
    return;
  int marked = 0;
  try {
    // The bill's lines are read again inside the transaction of the write: a bill another
    // program cancelled or changed since the search is not cancelled (again). No message is shown
    // while the transaction holds the database.
    marked = CancelTestBill(gCon, BillKindOf(kind_), shownLines_, shownBill_);
  } catch (const DbError&) {
    ShowDatabaseError();
    return;
  }
  if (marked == 0) {
    refuse();
    return;
  }
  MsgBox(QStringLiteral("Record Deleted ! Bill Cancelled "), vbInformation);
  Picture2_Click();
}

void TestCancelForm::Picture2_Click() { CloseForm(); }

void TestCancelForm::DTPicker1_Change() { RefuseFutureBillDate(DTPicker1); }
