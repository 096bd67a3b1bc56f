#pragma once
// What the bill forms read besides the bills, the doctors and the patients: the tests' prices.
#include <QString>

#include "data/billnumbers.h"
#include "platform/ado.h"

// The tests of a laboratory or x-ray bill and their prices, in the order of their names.
const TableRead& TestPricesRead(BillKind kind);
