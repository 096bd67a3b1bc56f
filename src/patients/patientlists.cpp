#include "patients/patientlists.h"

#include "data/patients.h"

ListFormConfig PatientListConfig(const TableRead& read, const QString& titleWords) {
  ListFormConfig c;
  c.title = QString(28, QLatin1Char(' ')) + titleWords;
  // The window's own caption, the same in both lists; only the busy message quotes it.
  c.caption = QStringLiteral("View Employee Details");
  c.read = read;
  c.columns = {
      {QStringLiteral("No."), 500, ListColumn::kRowNumber},
      {QStringLiteral("Patient ID"), 1500, patientcols::EmployeeID},
      {QStringLiteral("Patient Name"), 1500, patientcols::FirstName},
      {QStringLiteral("Sex"), 900, patientcols::Sex},
      {QStringLiteral("Phone Number"), 1500, patientcols::MobilePhone},
      {QStringLiteral("Age"), 800, patientcols::Age},
      {QStringLiteral("Address"), 5000, patientcols::Address},
      {QStringLiteral("Location"), 2000, patientcols::Location},
  };
  c.focusGridOnActivate = false;
  c.closeStyle = ListFormConfig::CloseStyle::MovieFocus;
  return c;
}

frmViewOutPatientDetails::frmViewOutPatientDetails()
    : ListForm(PatientListConfig(PatientsListRead(PatientTableKind::OutPatient),
                                 QStringLiteral("View Out-Patient Details"))) {}

frmViewInPatientDetails::frmViewInPatientDetails()
    : ListForm(PatientListConfig(PatientsListRead(PatientTableKind::InPatient),
                                 QStringLiteral("View In-Patient Details"))) {}
