#pragma once
// What the bill and cancellation forms draw alike: their captions, the patient, doctor and
// bill-number combo boxes, the date picker, the bill's list ("Sl No", "Particulars", "Amount")
// and its rows, the hidden hover holder, the future-date guard and the printer message. A form owns its controls as members under their own names;
// these set them up and place them, in twips:
//
//   PlaceChoiceBox(cmbDrName, 5400, 1080, kBillComboWidth, kBillBoxHeight);
//   PlaceBillList(List, 2400, 5880, 6810, 2535, {700, 5000, 1000});
//   AddBillListRow(List, Format00(serial), description, amount);
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QTreeWidget>
#include <deque>

#include "framework/controlarray.h"

class ImageButton;
class QCheckBox;

// The sizes the in-patient and the test bill forms were drawn with.
inline constexpr double kBillBoxHeight = 315;
inline constexpr double kBillBoxWidth = 2055;
inline constexpr double kBillComboWidth = 2280;  // doctors' names run long ("Dr.Zerdan , M.B.B.S")
inline constexpr double kBillCaptionWidth = 2280;
inline constexpr double kBillButtonWidth = 960;
inline constexpr double kBillButtonHeight = 360;
inline constexpr double kBillHelpSize = 360;

// The fixed captions of a form, which nothing reads or changes after the layout; they are owned
// with the form.
class BillCaptions {
public:
  explicit BillCaptions(QWidget* form) : form_(form) {}
  QLabel& add(const QString& text, double left, double top, double width, double height = kBillBoxHeight);

private:
  QWidget* form_;
  std::deque<QLabel> labels_;
};

void PlaceCaption(QLabel& label, const QString& text, double left, double top, double width,
                  double height = kBillBoxHeight);
// An editable combo box; with NoInsert a text typed and entered is not added to its list.
void PlaceChoiceBox(QComboBox& combo, double left, double top, double width, double height,
                    QComboBox::InsertPolicy policy = QComboBox::NoInsert);
// "dd/MM/yyyy", picked from a calendar.
void PlaceDatePicker(QDateEdit& picker, double left, double top, double width, double height);

// The bill's lines: "Sl No", "Particulars" and the right-aligned "Amount", these wide.
struct BillListWidths {
  double serial, particulars, amount;
};
void PlaceBillList(QTreeWidget& list, double left, double top, double width, double height,
                   const BillListWidths& widths);
void AddBillListRow(QTreeWidget& list, const QString& serial, const QString& particulars, const QString& amount);

// The in-patient and the test bill forms' head: "Patient ID" (the identifiers), "Dr Name" and
// "Patient Name" (the chosen patient's name, shown, not typed), one under the other; and on the
// right "Bill Number" with the number, and "Date" at `dateTop`.
void PlaceBillHead(BillCaptions& captions, QComboBox& patientId, QComboBox& doctor, QLineEdit& patientName,
                   double patientNameWidth);
void PlaceBillNumber(BillCaptions& captions, QLabel& number, QDateEdit& date, double dateTop);
// Their foot: New bill, Clear, "Total", Print with its help icon, "Address" with its help icon.
struct BillFoot {
  ImageButton& newBill;
  ImageButton& clear;
  QLineEdit& total;
  ImageButton& print;
  ImageButton& printHelp;
  QCheckBox& address;
  ImageButton& addressHelp;
};
void PlaceBillFoot(BillCaptions& captions, const BillFoot& foot);

// The hidden label the image buttons' hover pictures consult (`Label3`).
void SetUpHoverHolder(QLabel& holder);

// A bill is never dated after today: a later day picked is refused and today put back.
void RefuseFutureBillDate(QDateEdit& picker);

// "Please Check the Printer is Correctly Installed", and on the next line what the printer said.
void ShowPrinterNotReady(const QString& description = QString());
