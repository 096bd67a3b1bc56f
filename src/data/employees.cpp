#include "data/employees.h"

namespace E = cols::SettingsEmployeeDetails;

const TableRead& EmployeesRead() {
  static const TableRead read{.table = cols::TableName(E::kTable)};
  return read;
}

Employee ReadEmployee(const Recordset& rs) {
  const auto text = [&rs](E::Column c) { return rs.Fields(c).toText(); };
  return Employee{
      .employeeId = text(E::EmployeeID),
      .firstName = text(E::FirstName),
      .lastName = text(E::LastName),
      .sex = text(E::Sex),
      .mobilePhone = text(E::MobilePhone),
      .homePhone = text(E::HomePhone),
      .dateOfBirth = text(E::DateOfBirth),
      .age = text(E::Age),
      .pagerNumber = text(E::PagerNumber),
      .address = text(E::Address),
      .emailId = text(E::EmailId),
      .employeeType = text(E::EmployeeType),
      .qualification = text(E::Qualification),
  };
}

void WriteEmployee(Recordset& rs, const Employee& e) {
  rs.SetField(E::EmployeeID, e.employeeId);
  rs.SetField(E::FirstName, e.firstName);
  rs.SetField(E::LastName, e.lastName);
  rs.SetField(E::Sex, e.sex);
  rs.SetField(E::MobilePhone, e.mobilePhone);
  rs.SetField(E::HomePhone, e.homePhone);
  rs.SetField(E::DateOfBirth, e.dateOfBirth);
  rs.SetField(E::Age, e.age);
  rs.SetField(E::PagerNumber, e.pagerNumber);
  rs.SetField(E::Address, e.address);
  rs.SetField(E::EmailId, e.emailId);
  rs.SetField(E::EmployeeType, e.employeeType);
  rs.SetField(E::Qualification, e.qualification);
}
