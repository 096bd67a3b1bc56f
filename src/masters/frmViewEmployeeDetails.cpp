#include "masters/frmViewEmployeeDetails.h"

#include "data/employees.h"

frmViewEmployeeDetails::frmViewEmployeeDetails() : ListForm(EmployeeListConfig()) {}

ListFormConfig frmViewEmployeeDetails::EmployeeListConfig() {
  ListFormConfig c;
  c.title = QString(28, QLatin1Char(' ')) + QStringLiteral("View All Employee Details");
  c.caption = QStringLiteral("View Employee Details");
  c.read = EmployeesRead();
  c.columns.push_back({QStringLiteral("No."), 500, ListColumn::kRowNumber});
  namespace E = cols::SettingsEmployeeDetails;
  const struct {
    const char* heading;
    int width;
    E::Column column;
  } columns[] = {
      {"Employee ID", 1500, E::EmployeeID},     {"First Name", 1500, E::FirstName},
      {"Last Name", 1500, E::LastName},         {"Sex", 900, E::Sex},
      {"Mobile Phone", 1500, E::MobilePhone},   {"Home Phone", 1500, E::HomePhone},
      {"Date of Birth", 1000, E::DateOfBirth},  {"Age", 800, E::Age},
      {"Pager Number", 1500, E::PagerNumber},   {"Address", 5000, E::Address},
      {"Email Id", 2000, E::EmailId},           {"Employee Type", 1500, E::EmployeeType},
      {"Qualification", 1500, E::Qualification},
  };
  for (const auto& col : columns) c.columns.push_back({QLatin1String(col.heading), col.width, col.column});
  c.focusGridOnActivate = false;
  c.closeStyle = ListFormConfig::CloseStyle::CloseCommand;
  return c;
}
