#include "masters/frmViewEmployeeDetails.h"

frmViewEmployeeDetails::frmViewEmployeeDetails() : ListForm(EmployeeListConfig()) {}

ListFormConfig frmViewEmployeeDetails::EmployeeListConfig() {
  ListFormConfig c;
  c.title = QString(28, QLatin1Char(' ')) + QStringLiteral("View All Employee Details");
  c.caption = QStringLiteral("View Employee Details");
  c.sql = QStringLiteral("SELECT * FROM SettingsEmployeeDetails");
  c.columns.push_back({QStringLiteral("No."), 500, ListColumn::kRowNumber});
  const struct {
    const char* heading;
    int width;
  } columns[] = {
      {"Employee ID", 1500},  {"First Name", 1500},   {"Last Name", 1500},     {"Sex", 900},
      {"Mobile Phone", 1500}, {"Home Phone", 1500},   {"Date of Birth", 1000}, {"Age", 800},
      {"Pager Number", 1500}, {"Address", 5000},      {"Email Id", 2000},      {"Employee Type", 1500},
      {"Qualification", 1500},
  };
  for (int j = 0; j < int(std::size(columns)); ++j)
    c.columns.push_back({QLatin1String(columns[j].heading), columns[j].width, j});
  c.focusGridOnActivate = false;
  c.closeStyle = ListFormConfig::CloseStyle::CloseCommand;
  return c;
}
