#include "shell/frmViewUserDetails.h"

frmViewUserDetails::frmViewUserDetails() : DetailCard(UserCardConfig()) {}

DetailCardConfig frmViewUserDetails::UserCardConfig() {
  DetailCardConfig c;
  c.sql = QStringLiteral("SELECT * FROM SettingsNewUser");
  c.caption = QString(16, QLatin1Char(' ')) + QStringLiteral("View User Details");
  c.nameLabel = QStringLiteral("User Name");
  c.rows = {
      {QStringLiteral("User ID"), 0},
      {QStringLiteral("User Name"), 1},
      {QStringLiteral("Password"), 2},
      {QStringLiteral("Type"), 3},
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
