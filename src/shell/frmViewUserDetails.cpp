#include "shell/frmViewUserDetails.h"

#include "data/users.h"

frmViewUserDetails::frmViewUserDetails() : DetailCard(UserCardConfig()) {}

DetailCardConfig frmViewUserDetails::UserCardConfig() {
  DetailCardConfig c;
  c.read = UsersRead();
  c.caption = QString(16, QLatin1Char(' ')) + QStringLiteral("View User Details");
  c.nameLabel = QStringLiteral("User Name");
  c.nameColumn = kUserKeyColumn;
  c.rows = {
      {QStringLiteral("User ID"), cols::SettingsNewUser::UserID},
      {QStringLiteral("User Name"), cols::SettingsNewUser::UserName},
      {QStringLiteral("Password"), cols::SettingsNewUser::Password},
      {QStringLiteral("Type"), cols::SettingsNewUser::UserType},
  };
  c.heightMargin = 2000;
  c.buttonLeft = 3360;
  c.buttonTop = 4920;
  c.emptySelectionMessage = QStringLiteral("Please select the User Name");
  c.notFoundMessage = QStringLiteral("User Name Not Found");
  c.searchTip = QStringLiteral("Find the details of the chosen user");
  c.helpTip = QStringLiteral("Choose a User Name from the list");
  return c;
}
