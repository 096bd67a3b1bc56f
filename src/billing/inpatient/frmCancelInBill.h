#pragma once
// Cancelling a printed in-patient bill or advance receipt: the user picks its number from the
// valid bills, the form shows the stored bill, and after a confirmation the bill's status becomes
// "Deleted". No other column and no other row changes (the patient's advance neither). The form
// stays open so that more bills can be cancelled, and keeps showing the one just cancelled.
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <array>
#include <memory>
#include <optional>

#include "framework/imagebutton.h"
#include "framework/keylist.h"
#include "framework/vbform.h"
#include "platform/ado.h"
#include "platform/flashmovie.h"

class frmCancelInBill : public VbForm {
  Q_OBJECT
public:
  frmCancelInBill();
  ~frmCancelInBill() override;

  FlashMovie ShockwaveFlash1{this};  // title bar
  FlashMovie ShockwaveFlash2{this};  // close
  FlashMovie ShockwaveFlash3{this};  // minimise
  QLabel Image1{this};               // background

  QComboBox* cmbBillNumber = nullptr;
  QLineEdit* txtPatientName = nullptr;
  QLineEdit* txtPatientID = nullptr;
  std::array<QLineEdit*, 10> Text1{};  // the charges, columns 2 to 11; 5 and 6 are never shown
  std::array<QLabel*, 10> Label1{};    // their captions
  QDateEdit* DTPicker1 = nullptr;
  QLineEdit* txtTotal = nullptr;
  ImageButton* Picture1 = nullptr;   // cancel the shown bill
  ImageButton* Picture2 = nullptr;   // close
  ImageButton* Picture11 = nullptr;  // help
  QLabel* Label3 = nullptr;          // the hover holder

  // The bill the last successful search found, read alone by its rowid from the list of the
  // bills that were "Available" at load or at the last cancellation (their numbers, in the
  // table's order).
  std::unique_ptr<Recordset> BillRecordset;

  void cmbBillNumber_Change();  // the bill search
  void Picture1_Click();        // cancel
  void Picture2_Click();        // close

  // Whether the last search found a bill that a Cancel would act on.
  bool HasLocatedBill() const { return located_.has_value(); }

protected:
  void Form_Load() override;
  void Form_Unload(int& cancel) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void DTPicker1_Change();
  void closeForm();
  void fillBillNumbers();

  // Where the bill the last successful search found stands in BillRecordset. A search that
  // finds nothing, and a cancellation, forget it: Cancel then writes nothing.
  std::optional<Recordset::Bookmark> located_;
  KeyList* bills_ = nullptr;  // the combo box's list, owned by it
};
