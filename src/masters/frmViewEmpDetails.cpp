#include "masters/frmViewEmpDetails.h"

frmViewEmpDetails::frmViewEmpDetails() : DetailCard(EmployeeCardConfig()) {}

DetailCardConfig frmViewEmpDetails::EmployeeCardConfig() {
  DetailCardConfig c;
  c.sql = QStringLiteral("SELECT * FROM SettingsEmployeeDetails");
  c.caption = QString(16, QLatin1Char(' ')) + QStringLiteral("View Employee Details");
  c.nameLabel = QStringLiteral("Employee Name");
  c.comboName = QStringLiteral("cmbEmpName");
  c.nameColumn = 1;  // FirstName
  const char* const labels[] = {"Employee ID", "First Name",    "Last Name",    "Sex",     "Mobile Phone",
                                "Home Phone",  "Date of Birth", "Age",          "Pager Number", "Address",
                                "Email Id",    "Employee Type", "Qualification"};
  for (int r = 0; r < int(std::size(labels)); ++r) c.rows.push_back({QLatin1String(labels[r]), r});
  c.heightMargin = 200;
  c.buttonLeft = 3840;
  c.buttonTop = 5880;
  c.emptySelectionMessage = QStringLiteral("Please select the Employee Name");
  c.notFoundMessage = QStringLiteral("Employee Name Not Found");
  c.searchTip = QStringLiteral("Search Employee Details .. ");
  c.helpTip = QStringLiteral("Select One Employee Name From List .. ");
  return c;
}
