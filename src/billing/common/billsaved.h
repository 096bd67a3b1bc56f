#pragma once
// What a bill form says when the printer took the bill but the database did not: the paper is
// out, so this must never read as a printer fault, and the clerk must know that printing again
// stores the same bill under the same number.
#include <QString>
#include <optional>

#include "data/billnumbers.h"

class DbError;
class QLabel;

// At Print, once the clerk has said Yes and before anything is printed: holds the number that is
// next in the database now for the paper and the save (HeldBillNumber), shown in `number`. When
// `number` showed another, it shows the new one and the clerk is told "This bill gets the number
// N: the number shown was already used." (title "Print Info"); the hold is given back while that
// box waits, and taken again after it. None, with nothing printed, when the number cannot be held:
// the database's words are shown (critical icon), or, when the kind's numbers are used up, that
// no number is left (title "Print Info", critical icon).
std::optional<HeldBillNumber> HoldNextBillNumber(BillKind kind, QLabel* number);

// "The bill was printed but not saved: <description>" CR LF "Print it again to save it under
// the same number." (title "Print Info", critical icon). When the number itself was taken
// meanwhile, the second line says that printing again takes the next number.
QString BillNotSavedText(const QString& description, bool numberTaken = false);
void ShowBillNotSaved(const DbError& error);
