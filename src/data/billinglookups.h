#pragma once
// What the bill forms read besides the bills: the doctors they name, the patients they choose
// from and the tests' prices.
#include <QString>

#include "data/billnumbers.h"

// The doctors in the order of their identifiers, for the doctor box of a bill.
const QString& DoctorsByIdSql();
// The patients of each kind in the order of their first names, as the choosers list them.
const QString& OutPatientsByNameSql();
const QString& InPatientsByNameSql();
// One row of `table` by its rowid (one parameter), writable: a chooser reads the row of the patient
// chosen, a key list the row of the text found.
QString RowByRowIdSql(const QString& table);
// The tests of a laboratory or x-ray bill and their prices, in the order of their names.
const QString& TestPricesSql(BillKind kind);
