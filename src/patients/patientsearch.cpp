#include "patients/patientsearch.h"

#include "framework/keylist.h"
#include "globals.h"
#include "platform/ado.h"

DetailCardConfig PatientSearchConfig(PatientTableKind kind) {
  DetailCardConfig c;
  // Ten years bring half a million out-patients: only their names are read, each with its row's
  // rowid, and a search reads the one row it finds. Listed in the table's order, repeated names
  // as often as they occur.
  c.readNames = [kind] { return ReadKeyList(gCon, PatientsListRead(kind), patientcols::FirstName, true); };
  c.findRow = [kind](const KeyList& names, const QString& name) -> std::unique_ptr<Recordset> {
    // A name is stored as typed; blanks around it must not hide the patient. Of two patients of
    // one name the later one is shown.
    const int at = names.LastExact(name);
    if (at < 0) return nullptr;
    auto rs = std::make_unique<Recordset>();
    rs->Open(PatientByRowIdRead(kind, names.RowId(at)), gCon);
    return rs;
  };
  c.caption = QString(16, QLatin1Char(' ')) + QStringLiteral("View Patient Details");
  c.nameLabel = QStringLiteral("Patient Name");
  c.comboName = QStringLiteral("cmbEmpName");
  c.nameColumn = patientcols::FirstName;

  // Until the first search the identifier row stays out of sight; every search starts the rows
  // that may hold long texts taller.
  c.rows = {
      {QStringLiteral("Patient ID"), patientcols::EmployeeID, 0, 0},
      {QStringLiteral("Patient Name"), patientcols::FirstName, -1, 0},
      {QStringLiteral("Sex"), patientcols::Sex, -1, 0},
      {QStringLiteral("Phone Number"), patientcols::MobilePhone, -1, 0},
      {QStringLiteral("Age"), patientcols::Age, -1, 0},
      {QStringLiteral("Address"), patientcols::Address, -1, 500},
      {QStringLiteral("Location"), patientcols::Location, -1, 0},
  };
  if (kind == PatientTableKind::InPatient) {
    namespace in = cols::SettingsInPatient;
    c.rows.push_back({QStringLiteral("Prescription Details"), in::PrescriptionDetails, -1, 500});
    c.rows.push_back({QStringLiteral("Disease Details"), in::DiseaseDetails, -1, 500});
    c.rows.push_back({QStringLiteral("Health Details"), in::HealthDetails, -1, 500});
    c.rows.push_back({QStringLiteral("Discharge Date"), in::DischargeDate, -1, 500});
  }
  c.heightMargin = 200;
  c.emptySelectionMessage = QStringLiteral("Please select the Employee Name");
  c.notFoundMessage = QStringLiteral("Employee Name Not Found");
  c.searchTip = QStringLiteral("Search Dr Details .. ");
  c.helpTip = QStringLiteral("Select One Patient Name From List .. ");

  // The search button and the help icon stand beside the name list, above the grid.
  c.width = 8100;
  c.labelPlace = {1250, 1200, 1500, 300};
  c.listPlace = {2850, 1170, 3000, 330};
  c.buttonLeft = 6000;
  c.buttonTop = 1155;
  c.buttonWidth = 960;
  c.buttonHeight = 360;
  c.helpPlace = {7080, 1155, 360, 360};
  c.gridPlace = {1250, 1950, 4000, 1935};
  c.labelStyle = QStringLiteral("color: #8e3b52; background: transparent;");
  c.listRows = 12;
  c.gridScrollsSideways = false;
  c.selectedTextColour = 0xFFC0C0;
  c.searchClearsGrid = true;
  c.fitsToRows = false;
  c.closesOnPress = true;
  return c;
}

frmViewOutPatient::frmViewOutPatient() : DetailCard(PatientSearchConfig(PatientTableKind::OutPatient)) {}

frmViewInPatient::frmViewInPatient() : DetailCard(PatientSearchConfig(PatientTableKind::InPatient)) {}
