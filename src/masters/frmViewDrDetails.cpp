#include "masters/frmViewDrDetails.h"

frmViewDrDetails::frmViewDrDetails() : DetailCard(DoctorCardConfig()) {}

DetailCardConfig frmViewDrDetails::DoctorCardConfig() {
  DetailCardConfig c;
  c.sql = QStringLiteral("SELECT * FROM SettingDrDetails");
  c.caption = QString(16, QLatin1Char(' ')) + QStringLiteral("View Doctors Details");
  c.nameLabel = QStringLiteral("Doctor Name");
  c.comboName = QStringLiteral("cmbDrName");
  c.nameColumn = 1;  // FirstName: the display name is shown, never searched
  const char* const labels[] = {"Doctor ID",  "First Name",  "Last Name",     "Sex",           "Mobile Phone",
                                "Home Phone", "Date of Birth", "Age",         "Pager Number",  "Address",
                                "Email Id",   "Doctor Type", "Qualification", "Spcialization", "In Time",
                                "Out Time",   "Available Days"};
  for (int r = 0; r < 17; ++r) c.rows.push_back({QLatin1String(labels[r]), r});
  c.heightMargin = 200;
  c.buttonLeft = 3840;
  c.buttonTop = 7200;
  c.emptySelectionMessage = QStringLiteral("Please select the Dr Name");
  c.notFoundMessage = QStringLiteral("Doctor Name Not Found");
  c.searchTip = QStringLiteral("Search Dr Details .. ");
  c.helpTip = QStringLiteral("Select One Doctor Name From List .. ");
  return c;
}
