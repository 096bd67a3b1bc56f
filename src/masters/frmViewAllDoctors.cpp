#include "masters/frmViewAllDoctors.h"

#include "data/doctors.h"

frmViewAllDoctors::frmViewAllDoctors() : ListForm(DoctorListConfig()) {}

ListFormConfig frmViewAllDoctors::DoctorListConfig() {
  ListFormConfig c;
  c.title = QString(10, QLatin1Char(' ')) + QStringLiteral("View All Doctors Details");
  c.caption = QStringLiteral("View All Doctors");
  c.read = DoctorsRead();
  c.columns = {
      {QStringLiteral("No."), 500, ListColumn::kRowNumber},
      {QStringLiteral("Doctor Name"), 2500, cols::SettingDrDetails::DoctorID},
  };
  return c;
}
