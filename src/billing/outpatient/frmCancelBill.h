#pragma once
// Cancelling a saved out-patient bill: the user picks its number, the form shows the bill, and
// after a confirmation the bill's status becomes "Deleted". Nothing else of the bill changes and
// the bill number is not given out again.
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

class frmCancelBill : public VbForm {
  Q_OBJECT
public:
  frmCancelBill();
  ~frmCancelBill() override;

  FlashMovie ShockwaveFlash1{this};  // title bar
  FlashMovie ShockwaveFlash2{this};  // close
  FlashMovie ShockwaveFlash3{this};  // minimise
  QLabel Image1{this};               // background

  QComboBox* cmbBillNumber = nullptr;
  QLineEdit* txtPatientName = nullptr;
  QLineEdit* txtPatientID = nullptr;
  std::array<QLineEdit*, 7> Text1{};  // the fees, Dr Fees .. Others
  std::array<QLabel*, 7> Label1{};    // their captions
  QDateEdit* DTPicker1 = nullptr;
  QLineEdit* txtTotal = nullptr;
  ImageButton* Picture1 = nullptr;   // cancel the shown bill
  ImageButton* Picture2 = nullptr;   // close
  ImageButton* Picture11 = nullptr;  // help
  QLabel* Label3 = nullptr;          // the hover holder

  // The bill the last successful look-up found, read alone by its rowid from the list of the
  // bills that were "Available" when the form loaded (their numbers, in the table's order).
  std::unique_ptr<Recordset> MainRecordset;

  void cmbBillNumber_Change();  // the look-up
  void Picture1_Click();        // cancel
  void Picture2_Click();        // close

protected:
  void Form_Load() override;
  void Form_Unload(int& cancel) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void DTPicker1_Change();
  void closeForm();

  // The bill the last successful look-up found: where it stands in MainRecordset and its number
  // as the combo box showed it. Cancel acts only on it, and only while the combo box still
  // shows that number.
  std::optional<Recordset::Bookmark> found_;
  QString foundBillNo_;
  KeyList* bills_ = nullptr;  // the combo box's list, owned by it
};
