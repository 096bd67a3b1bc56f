#pragma once
// What the bill forms read besides the bills and the doctors: the patients they choose from and
// the tests' prices.
#include <QString>

#include "data/billnumbers.h"
#include "platform/ado.h"

// The patients of each kind in the order of their first names, as the choosers list them; those
// of one name by their identifiers (the index on both hands them over so, without a sort).
const TableRead& OutPatientsByNameRead();
const TableRead& InPatientsByNameRead();
// The tests of a laboratory or x-ray bill and their prices, in the order of their names.
const TableRead& TestPricesRead(BillKind kind);
