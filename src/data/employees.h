#pragma once
// The employees, SettingsEmployeeDetails: one row per employee, keyed by the employee ID. The birth
// date is stored as "dd/MM/yyyy", the age as the sentence the form computed.
#include <QString>

#include "data/columns.h"
#include "platform/ado.h"

// Every employee in the table's own order: the employee form, the employee list and the card.
const TableRead& EmployeesRead();

// One row, every column as its text.
struct Employee {
  QString employeeId, firstName, lastName, sex, mobilePhone, homePhone, dateOfBirth, age, pagerNumber,
      address, emailId, employeeType, qualification;
  bool operator==(const Employee&) const = default;
};

// The current row of `rs` (opened on EmployeesRead). Raises DbError when it cannot be read.
Employee ReadEmployee(const Recordset& rs);
// Into the current row of `rs`; the caller's Update stores it.
void WriteEmployee(Recordset& rs, const Employee& e);
