#include "masters/frmViewDrDetails.h"

#include "data/doctors.h"

frmViewDrDetails::frmViewDrDetails() : DetailCard(DoctorCardConfig()) {}

DetailCardConfig frmViewDrDetails::DoctorCardConfig() {
  namespace D = cols::SettingDrDetails;
  DetailCardConfig c;
  c.read = DoctorsRead();
  c.caption = QString(16, QLatin1Char(' ')) + QStringLiteral("View Doctors Details");
  c.nameLabel = QStringLiteral("Doctor Name");
  c.comboName = QStringLiteral("cmbDrName");
  c.nameColumn = D::FirstName;  // the display name is shown, never searched
  const struct {
    const char* label;
    D::Column column;
  } rows[] = {
      {"Doctor ID", D::DoctorID},         {"First Name", D::FirstName},       {"Last Name", D::LastName},
      {"Sex", D::Sex},                    {"Mobile Phone", D::MobilePhone},   {"Home Phone", D::HomePhone},
      {"Date of Birth", D::DateOfBirth},  {"Age", D::Age},                    {"Pager Number", D::PagerNumber},
      {"Address", D::Address},            {"Email Id", D::EmailId},           {"Doctor Type", D::DoctorType},
      {"Qualification", D::Qualification}, {"Spcialization", D::Specialization}, {"In Time", D::InTime},
      {"Out Time", D::OutTime},           {"Available Days", D::AvailableDays},
  };
  for (const auto& r : rows) c.rows.push_back({QLatin1String(r.label), r.column});
  c.heightMargin = 200;
  c.buttonLeft = 3840;
  c.buttonTop = 7200;
  c.emptySelectionMessage = QStringLiteral("Please select the Dr Name");
  c.notFoundMessage = QStringLiteral("Doctor Name Not Found");
  c.searchTip = QStringLiteral("Search Dr Details .. ");
  c.helpTip = QStringLiteral("Select One Doctor Name From List .. ");
  return c;
}
