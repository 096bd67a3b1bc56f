#include "shell/frmViewAllUsers.h"

#include "data/users.h"

frmViewAllUsers::frmViewAllUsers() : ListForm(UserListConfig()) {}

ListFormConfig frmViewAllUsers::UserListConfig() {
  ListFormConfig c;
  c.title = QString(12, QLatin1Char(' ')) + QStringLiteral("View All User Details");
  c.caption = QStringLiteral("View All User Details");
  c.read = UsersRead();
  c.columns = {
      {QStringLiteral("No."), 500, ListColumn::kRowNumber},
      {QStringLiteral("User Name"), 1500, cols::SettingsNewUser::UserName},
      {QStringLiteral("Password"), 1500, cols::SettingsNewUser::Password},
      {QStringLiteral("User Type"), 1500, cols::SettingsNewUser::UserType},
  };
  return c;
}
