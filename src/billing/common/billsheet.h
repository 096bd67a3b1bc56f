#pragma once
// The bill stationery: the hospital's heading, the field captions and the column rules are
// printed on the paper already, so a bill prints only its values, each at a fixed place, in one
// font. The in-patient bill and the laboratory and x-ray bills (the test bills) share the layout;
// they differ in the row amounts, the page breaks and the discount line.
#include <QDate>
#include <QString>
#include <vector>

#include "billing/common/stationery.h"
#include "platform/vbruntime.h"

class PrinterObject;

struct BillSheetRow {
  QString serial;       // "01", "02", ...; empty for the in-patient gross-total and advance rows
  QString description;
  QString amount;       // as the bill's list shows it
};

struct BillSheet {
  enum class Kind { InPatient, Test };
  Kind kind = Kind::InPatient;
  QString patientName;  // the name box
  QString patientId;    // the identifier combo box
  bool printAddress = false;
  QString address1;     // the chosen patient's Address
  QString address2;     // and Location
  QString billNo;
  QDate date;
  QString age;
  QString sex;
  QString doctor;
  std::vector<BillSheetRow> rows;
  // The net total printed at the foot. The in-patient bill passes its running net amount; the
  // test bills pass their total box read as a number (Money::Parse).
  Money net;
  // Test bills only: the discount percent box and the gross total box, as typed.
  QString discount;
  QString grossTotal;
};

// The head the in-patient and the test bill forms fill alike from their controls of one name. Only
// the patient the chooser shows prints: with the chooser empty, nobody's details do.
template <class BillForm>
BillSheet BillSheetHead(const BillForm& form, BillSheet::Kind kind, bool patientShown) {
  BillSheet s;
  s.kind = kind;
  if (patientShown) {
    s.patientName = form.txtPatientID.text();
    s.patientId = form.cmbPatientName.currentText();
    s.address1 = form.PatientAddress;
    s.address2 = form.PatientLocation;
    s.age = form.PatientAge;
    s.sex = form.PatientSex;
  }
  s.printAddress = form.CheckBox1.isChecked();
  s.billNo = form.Label2.text();
  s.date = form.DTPicker1.date();
  s.doctor = form.cmbDrName.currentText();
  return s;
}

// Where the sheet puts things, in twips from the top left of the printable area.
inline constexpr double kSheetFirstRowY = 1800;
inline constexpr double kSheetRowStep = 250;
inline constexpr double kSheetAmountRightX = 5500;
inline constexpr double kSheetNetY = 4600;
inline constexpr int kTestBillRowsPerSheet = 10;

// The stationery's printer settings: the two set-up values, then Arial, bold, 9 points. They stay
// on the printer after the bill. Made on the program's printer (Printer()). Raises PrinterError.
void SetUpBillPrinter();

// Prints the bill and ends the document (a test bill also after every tenth row, each sheet a
// job of its own). Raises PrinterError at the first failure, leaving the rest unprinted and the
// document not ended.
void PrintBillSheet(const BillSheet& sheet);
void PrintBillSheet(PrinterObject& printer, const BillSheet& sheet);

// An amount right-aligned at `rightX`: the stationery's PrintRightAligned, the text first.
inline void PrintAmountRightAligned(PrinterObject& printer, const QString& text, double rightX, double y) {
  PrintRightAligned(printer, rightX, y, text);
}
