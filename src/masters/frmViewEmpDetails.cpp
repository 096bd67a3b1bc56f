#include "masters/frmViewEmpDetails.h"

#include "data/employees.h"

frmViewEmpDetails::frmViewEmpDetails() : DetailCard(EmployeeCardConfig()) {}

DetailCardConfig frmViewEmpDetails::EmployeeCardConfig() {
  namespace E = cols::SettingsEmployeeDetails;
  DetailCardConfig c;
  c.read = EmployeesRead();
  c.caption = QString(16, QLatin1Char(' ')) + QStringLiteral("View Employee Details");
  c.nameLabel = QStringLiteral("Employee Name");
  c.comboName = QStringLiteral("cmbEmpName");
  c.nameColumn = E::FirstName;
  const struct {
    const char* label;
    E::Column column;
  } rows[] = {
      {"Employee ID", E::EmployeeID},     {"First Name", E::FirstName},         {"Last Name", E::LastName},
      {"Sex", E::Sex},                    {"Mobile Phone", E::MobilePhone},     {"Home Phone", E::HomePhone},
      {"Date of Birth", E::DateOfBirth},  {"Age", E::Age},                      {"Pager Number", E::PagerNumber},
      {"Address", E::Address},            {"Email Id", E::EmailId},             {"Employee Type", E::EmployeeType},
      {"Qualification", E::Qualification},
  };
  for (const auto& r : rows) c.rows.push_back({QLatin1String(r.label), r.column});
  c.heightMargin = 200;
  c.buttonLeft = 3840;
  c.buttonTop = 5880;
  c.emptySelectionMessage = QStringLiteral("Please select the Employee Name");
  c.notFoundMessage = QStringLiteral("Employee Name Not Found");
  c.searchTip = QStringLiteral("Search Employee Details .. ");
  c.helpTip = QStringLiteral("Select One Employee Name From List .. ");
  return c;
}
