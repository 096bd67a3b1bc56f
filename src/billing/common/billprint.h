#pragma once
// The first print of a bill and its save: the one routine every bill form hands its sheet and its
// rows to. The number that is next in the database now is held (HeldBillNumber) from before the
// sheet goes to the printer until the bill is stored, so that nobody can store a bill under the
// number the paper carries; and no message is shown while it is held, so that another desk's save
// never waits on a box the clerk has not answered yet. The form holds nothing itself.
#include <QString>
#include <functional>
#include <optional>

#include "data/bills.h"

class QLabel;

// What the save stores of a printed bill: its rows, of the kind's shape, and for an in-patient bill
// what it does to the advance the patient holds.
struct BillToStore {
  BillRows rows;
  AdvanceChange advance;
};

// A bill form's part in the first print of its bill.
struct NewBillPrint {
  BillKind kind;
  // The number the form shows. The number held is put there before the sheet is printed: when it
  // showed another, the clerk is told "This bill gets the number N: the number shown was already
  // used." (title "Print Info") and the print goes on under the new one.
  QLabel* number = nullptr;
  // Prints the form's sheet, with the number `number` shows. Raises PrinterError (or another
  // std::exception) when the printer fails; the bill is not stored then.
  std::function<void()> printSheet;
  // The bill as the form listed and printed it, under the number `number` shows.
  std::function<BillToStore()> toStore;
  // Asked before the number is held and once more under the hold, with the database as it is
  // then: the message (title "Warning", critical icon) a bill that may no longer be printed as it
  // was added is refused with, none to go on. May raise DbError: its words are shown, and nothing
  // is printed. None: nothing to ask.
  std::function<std::optional<QString>()> refusal = nullptr;
  // A failing printer's own words are shown beneath "Please Check the Printer is Correctly
  // Installed".
  bool printerWords = false;
};

enum class NewBillPrinted {
  No,         // nothing printed, nothing stored (after its message)
  NotStored,  // printed, not stored: "The bill was printed but not saved: ..." was shown
  Stored,     // printed and stored: "Bill Printed and Saved Successfully" was shown
};

// Holds the kind's next number, prints the sheet, stores the rows and the change to the advance
// (SaveBill) and commits; then, the hold given back, shows what came of it. Nothing is printed
// when the number cannot be held: the database's words are shown (critical icon), or, with the
// kind's numbers used up, "This bill cannot be printed: no bill number is left after N." (title
// "Print Info", critical icon) with no number shown. A save that fails after the print says "The
// bill was printed but not saved: <the database's words>" and on the next line that printing
// again stores it under the same number, or, when the number itself was taken meanwhile, under the
// next one (title "Print Info", critical icon).
NewBillPrinted PrintAndStoreNewBill(const NewBillPrint& bill);
