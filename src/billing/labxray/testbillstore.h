#pragma once
// The arithmetic, the store and the cancellation of a test bill, apart from the forms.
//
// A test bill is stored as one row per line of LabPrintDetails or XRayPrintDetails; the
// bill-level values (number, date, discount, gross and net totals, patient) are repeated on every
// row, and BillDelete holds "Available" until the bill is cancelled ("Deleted"). The counter table
// holds the number of the last bill saved.
#include <QDate>
#include <QString>
#include <vector>

#include "data/bills.h"
#include "platform/ado.h"
#include "platform/vbruntime.h"

// From this age on the x-ray tests are charged at the adults' price. An age that is not a
// number counts as 0.
inline constexpr int kXRayAdultAge = 8;
bool IsXRayAdult(const QString& age);

// The gross total after one more line: the box's value plus the price rounded to cents, in
// plain short text ("150", "302.5").
QString AddToGross(const QString& grossBox, const QString& price);

// A discount box holds a valid percent when it reads as a number from 0 to 99 (fractions
// allowed) and holds nothing else but blanks around it; an empty or blank box is 0.
bool ReadDiscount(const QString& box, Money& percent);
// The net total's text: the gross text itself with no discount, else gross less the percent,
// unrounded but for digits past the fourth decimal, in plain short text (155 less 15 % is
// "131.75").
QString NetTotal(const QString& grossBox, const Money& percent);

// A printed bill is stored with SaveBill (data/bills.h) as a TestBillRecord, and cancelled with
// CancelTestBill.
