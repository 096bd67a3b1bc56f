#pragma once
// The out-patient bill without its form: the rows the add button builds, the bill stationery
// layout, and the save of a printed bill with its number.
#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

#include "data/bills.h"
#include "platform/vbruntime.h"

class PrinterObject;
class Recordset;

// The standard fee boxes, in the order the bill lists them. X-Ray and Lab Charge are not shown
// on the form and stay empty, but keep their places in the rows and in the stored bill.
inline constexpr int kStandardFees = kOutBillFeeColumns;
using FeeTexts = std::array<QString, kStandardFees>;
const FeeTexts& StandardFeeCaptions();  // "Dr Fees", "Dressing Charges", "X-Ray", ...

struct BillRow {
  QString serial;       // "01"
  QString particulars;  // a fee caption or a free-text description
  QString amount;       // "100.00"
};

// What the add button keeps between presses.
struct OutBillRows {
  int serial = 0;  // the serial given last; only a new bill starts it again
  Money total;     // the listed rows, rounded to cents after every row
  std::vector<BillRow> rows;
  // The standard fee boxes as they stood when the fee rows were last built: the bill stores
  // these, so that the stored fees are the printed ones.
  FeeTexts listedFees;
};

enum class AddResult { FreeTextRow, FeeRows };

// One press of the add button. With a description (after trimming) and the free-text box
// ticked, appends that one row with the amount box's value; the caller then empties the
// description and the amount and unticks the box. Otherwise lists again, after the rows already
// given serials, one row for every standard fee whose value is not 0, and nothing else.
AddResult AddToBill(OutBillRows& bill, const FeeTexts& fees, const QString& description, bool freeTextTicked,
                    const QString& freeTextAmount);

// Everything the bill stationery shows.
struct OutBillPrint {
  QString patientName;
  QString patientId;
  QString address;
  QString location;
  QString age;
  QString sex;
  QString billNo;
  QDate date;
  QString doctor;
  std::vector<BillRow> rows;
  Money total;
  bool printAddress = false;
};

// The printer's set-up for the stationery: its two settings 120 and 3, Arial 9, not bold.
void SetUpOutPatientBillPrinter(PrinterObject& printer);
// The values at their places on the stationery (amounts right-aligned a character at a time),
// then EndDoc.
void PrintOutPatientBill(PrinterObject& printer, const OutBillPrint& bill);

// A printed bill is stored with SaveBill (data/bills.h) as an OutBillRecord.
