#pragma once
// The arithmetic of the in-patient bill's list: what the add button puts into it.
//
// Amounts are read from the boxes as their leading number and the running total is rounded to
// cents after every step. The list shows each amount as "0.00"; the total box shows the total in
// its shortest form (700, 300.75, -500).
#include <QString>
#include <array>
#include <vector>

#include "billing/common/billsheet.h"
#include "platform/vbruntime.h"

inline constexpr int kInBillChargeCount = 10;  // Text1(0) to Text1(9); the add loop reads 0 to 8

// The captions of the charge labels, Label1(0) to Label1(9).
const std::array<QString, kInBillChargeCount>& InBillChargeCaptions();
// The caption of the advance box's label, the particulars of a receipt's one row.
inline const char* const kAdvanceCaption = "Adv.   Amt";
// The particulars of the two rows that deduct a held advance (26 blanks before each word).
QString GrossTotalCaption();
QString LessAdvanceCaption();

struct InBillList {
  std::vector<BillSheetRow> rows;
  Money total;            // the bill's running total, then its net amount
  int serialCounter = 0;  // serial of the last numbered row
  // The charge boxes' texts as the charge rows were listed, blank for every box that gave no
  // row: the bill stores these, so that its stored charges are the printed ones whatever the
  // boxes hold by the time it is printed. A receipt lists no charge.
  std::array<QString, kInBillChargeCount> listedCharges;
};

// Whether the advance box holds an amount a receipt can be made of: digits with at most one
// decimal point (blanks around them aside) whose amount, in cents, is above 0.
bool IsAdvanceAmount(const QString& advanceText);
// An advance receipt: one row "01" with the amount; the serial counter is left alone.
void MakeAdvanceReceipt(InBillList& list, const QString& advanceText);
// A charge bill: one numbered row per charge box 0 to 8 whose value is not 0, then, when the
// patient holds an advance (heldAdvance not blank), the gross-total and less-advance rows and
// the net amount (which may fall below zero).
void MakeChargeBill(InBillList& list, const std::array<QString, kInBillChargeCount>& charges,
                    const QString& heldAdvance);
// An other line appended after the rows already listed, with the next serial.
void AppendOtherLine(InBillList& list, const QString& description, const QString& amountText);
