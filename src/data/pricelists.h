#pragma once
// The two price lists: SettingsLab, one row per laboratory investigation with its amount, and
// SettingsXRay, one row per x-ray test with its adult and children amounts. Both are keyed by
// the description; the amounts are stored as the text typed.
#include <QString>

#include "data/billnumbers.h"
#include "data/columns.h"
#include "platform/ado.h"

// Every investigation sorted by description: the laboratory form and its list.
const TableRead& LabTestsRead();
// Every x-ray test in the table's own order (the x-ray form walks them so), and sorted by
// description (its list).
const TableRead& XRayTestsRead();
const TableRead& XRayTestsSortedRead();
// The tests of a laboratory or x-ray bill and their prices, sorted by description.
const TableRead& TestPricesRead(BillKind kind);

struct LabTest {
  QString description, amount;
  bool operator==(const LabTest&) const = default;
};
struct XRayTest {
  QString description, adultAmount, childrenAmount;
  bool operator==(const XRayTest&) const = default;
};

// The current row of `rs`, and into it (the caller's Update stores it). Reading raises DbError
// when the row cannot be read.
LabTest ReadLabTest(const Recordset& rs);
void WriteLabTest(Recordset& rs, const LabTest& t);
XRayTest ReadXRayTest(const Recordset& rs);
void WriteXRayTest(Recordset& rs, const XRayTest& t);
