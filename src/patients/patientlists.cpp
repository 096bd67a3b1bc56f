#include "patients/patientlists.h"

ListFormConfig PatientListConfig(const QString& sql, const QString& titleWords) {
  ListFormConfig c;
  c.title = QString(28, QLatin1Char(' ')) + titleWords;
  // The window's own caption, the same in both lists; only the busy message quotes it.
  c.caption = QStringLiteral("View Employee Details");
  c.sql = sql;
  c.columns = {
      {QStringLiteral("No."), 500, ListColumn::kRowNumber},
      {QStringLiteral("Patient ID"), 1500, 0},
      {QStringLiteral("Patient Name"), 1500, 1},
      {QStringLiteral("Sex"), 900, 3},
      {QStringLiteral("Phone Number"), 1500, 4},
      {QStringLiteral("Age"), 800, 7},
      {QStringLiteral("Address"), 5000, 9},
      {QStringLiteral("Location"), 2000, 10},
  };
  c.focusGridOnActivate = false;
  c.closeStyle = ListFormConfig::CloseStyle::MovieFocus;
  return c;
}

frmViewOutPatientDetails::frmViewOutPatientDetails()
    : ListForm(PatientListConfig(QStringLiteral("SELECT * FROM SettingsOutPatient"),
                                 QStringLiteral("View Out-Patient Details"))) {}

frmViewInPatientDetails::frmViewInPatientDetails()
    : ListForm(PatientListConfig(QStringLiteral("SELECT * FROM SettingsInPatient"),
                                 QStringLiteral("View In-Patient Details"))) {}
