#include "shell/frmViewAllUsers.h"

frmViewAllUsers::frmViewAllUsers() : ListForm(UserListConfig()) {}

ListFormConfig frmViewAllUsers::UserListConfig() {
  ListFormConfig c;
  c.title = QString(12, QLatin1Char(' ')) + QStringLiteral("View All User Details");
  c.caption = QStringLiteral("View All User Details");
  c.sql = QStringLiteral("SELECT * FROM SettingsNewUser");
  c.columns = {
      {QStringLiteral("No."), 500, ListColumn::kRowNumber},
      {QStringLiteral("User Name"), 1500, 1},
      {QStringLiteral("Password"), 1500, 2},
      {QStringLiteral("User Type"), 1500, 3},
  };
  return c;
}
