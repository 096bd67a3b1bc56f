#pragma once
// What a bill form says when the printer took the bill but the database did not: the paper is
// out, so this must never read as a printer fault, and the clerk must know that printing again
// stores the same bill under the same number.
#include <QString>

#include "data/billnumbers.h"

class DbError;
class QLabel;

// At Print, before anything is printed: the bill gets the number that is next in the database
// now. When `number` shows another, it shows the new one and the clerk is told "This bill gets
// the number N: the number shown was already used." (title "Print Info"). Raises DbError when
// the number cannot be read.
void TakeNextBillNumber(BillKind kind, QLabel* number);

// "The bill was printed but not saved: <description>" CR LF "Print it again to save it under
// the same number." (title "Print Info", critical icon). When the number itself was taken
// meanwhile, the second line says that printing again takes the next number.
QString BillNotSavedText(const QString& description, bool numberTaken = false);
void ShowBillNotSaved(const DbError& error);
