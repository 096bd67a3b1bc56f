#pragma once
// Cancelling a printed laboratory or x-ray bill (frmCancelLabBill, frmCancelXRayBill): the user
// picks the number of a valid bill, the form shows its lines and totals, and on confirmation
// every line of that bill is marked "Deleted" at once; the form then closes. No row is removed.
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <vector>

#include "billing/common/billchrome.h"
#include "billing/labxray/testbillkind.h"
#include "framework/keylist.h"
#include "framework/imagebutton.h"
#include "framework/menuform.h"

class TestCancelForm : public MenuForm {
  Q_OBJECT
public:
  ~TestCancelForm() override;

  QLabel Label3{this};               // hover aid, hidden
  QComboBox cmbBillNumber{this};
  ImageButton Picture11{this, QStringLiteral("Picture11")};  // help icon
  QLineEdit txtPatientName{this};
  QLineEdit txtPatientID{this};
  QTreeWidget List{this};
  QDateEdit DTPicker1{this};
  QLineEdit txtDiscount{this};
  QLineEdit txtGrassTotal{this};
  QLineEdit txtTotal{this};
  ImageButton Picture1{this, QStringLiteral("Picture1")};  // cancel the bill
  ImageButton Picture2{this, QStringLiteral("Picture2")};  // close

  void Search();          // the bill search of the number combo box
  void Picture1_Click();  // cancel
  void Picture2_Click();  // close

protected:
  explicit TestCancelForm(TestBillKind kind);
  std::vector<MenuPicture> MenuPictures() override;
  void LoadMenuForm() override;
  void ShockwaveFlash2_GotFocus() override { Picture2_Click(); }
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void DTPicker1_Change();

  TestBillKind kind_;
  BillCaptions captions_{this};
  QString shownBill_;  // the number the last search found; empty when none
  // The rowids of the lines the last search showed, which a cancellation marks.
  std::vector<qint64> shownLines_;
  // The valid bills' lines as runs of rowids one after another (a bill's lines are saved
  // together), in the table's order; `bill` is the bill's row in the number list.
  struct LineRun {
    int bill;
    int lines;
    qint64 first;
  };
  std::vector<LineRun> lineRuns_;
  KeyList* bills_ = nullptr;  // the combo box's list of the valid bill numbers, owned by it
};

class frmCancelLabBill : public TestCancelForm {
  Q_OBJECT
public:
  frmCancelLabBill() : TestCancelForm(TestBillKind::Lab) {}
};

class frmCancelXRayBill : public TestCancelForm {
  Q_OBJECT
public:
  frmCancelXRayBill() : TestCancelForm(TestBillKind::XRay) {}
};
