#pragma once
// Cancelling a saved out-patient or in-patient bill: the user picks its number from the bills
// still "Available", the form shows the stored bill, and after a confirmation the bill's status
// becomes "Deleted". No other column and no other row changes, and the number is not given out
// again. The two kinds are one form; everything that differs between them is in BillCancelConfig.
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <deque>
#include <optional>
#include <vector>

#include "billing/common/billchrome.h"
#include "data/billnumbers.h"
#include "framework/imagebutton.h"
#include "framework/keylist.h"
#include "framework/menuform.h"

// What one kind's cancellation form shows and does differently (positions in twips).
struct BillCancelConfig {
  const char* formName;
  const char* caption;  // the title bar text
  BillKind kind;  // the data module reads and cancels the kind's bills
  std::vector<const char*> amounts;   // the captions of the stored amounts, in column order
  std::vector<std::size_t> hidden;    // amounts kept with the bill but never shown
  bool boxesDisabled;                 // the shown values are disabled rather than read-only
  bool comboInserts;                  // the bill number box keeps the default insert policy, not NoInsert
  // Cancel acts only while the bill number box still shows the number the look-up found and the
  // bill has a patient ID; otherwise the last bill found, whatever the box now shows.
  bool cancelNeedsShownNumber;
  int errorIcon;     // the icon of a database error's message at Cancel
  bool staysOpen;    // after a cancellation: stay open, list the bills again; else close

  // Layout.
  double billNoTop, helpLeft, helpTop;
  double nameTop, nameWidth, idTop;
  double firstAmountTop;  // the amounts follow 480 apart; the hidden ones lie on the first
  double dateTop, dateWidth, totalTop;
  double buttonsTop, okLeft, closeLeft;
};

// The out-patient's or the in-patient's.
const BillCancelConfig& BillCancelConfigOf(BillKind kind);

class BillCancelForm : public MenuForm {
  Q_OBJECT
public:
  explicit BillCancelForm(BillKind kind);
  ~BillCancelForm() override;

  QComboBox cmbBillNumber{this};
  ImageButton Picture11{this, QStringLiteral("Picture11")};  // help
  QLineEdit txtPatientName{this};
  QLineEdit txtPatientID{this};
  std::deque<QLineEdit> Text1;  // the stored amounts, in column order
  std::deque<QLabel> Label1;    // their captions
  QDateEdit DTPicker1{this};
  QLineEdit txtTotal{this};
  ImageButton Picture1{this, QStringLiteral("Picture1")};  // cancel the shown bill
  ImageButton Picture2{this, QStringLiteral("Picture2")};  // close
  QLabel Label3{this};                                     // the hover holder

  void cmbBillNumber_Change();  // the look-up
  void Picture1_Click();        // cancel
  void Picture2_Click();        // close

  // Whether the last look-up found a bill that a Cancel would act on.
  bool HasLocatedBill() const { return located_.has_value(); }

protected:
  std::vector<MenuPicture> MenuPictures() override;
  void LoadMenuForm() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void DTPicker1_Change();
  void fillBillNumbers();

  const BillCancelConfig& config_;
  BillCaptions captions_{this};
  // The bill the last successful look-up found, read alone by its rowid from the list of the
  // bills that were "Available" at load or at the last cancellation (their numbers, in the
  // table's order): its row and its number as the combo box showed it. The boxes show what was
  // read of it. A look-up that finds nothing, and a cancellation, forget it.
  std::optional<qint64> located_;
  bool unread_ = false;  // the last look-up failed in the database, not for want of the bill
  QString locatedBillNo_;
  KeyList* bills_ = nullptr;  // the combo box's list, owned by it
};
