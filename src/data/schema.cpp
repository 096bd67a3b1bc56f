#include "data/schema.h"

#include <QFile>

#include "data/vbdes.h"
#include "platform/ado.h"

namespace {

// Dates are ISO text so that order and ranges work; the CHECK keeps a time part or a picker's
// "dd/MM/yyyy" from ever reaching a date column.
#define HALVION_DATE_COLUMN(name) \
  "\"" name "\" DATE CHECK (\"" name "\" IS NULL OR \"" name \
  "\" GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]')"
#define T(name) "\"" name "\" TEXT COLLATE NOCASE"

const char* const kSchema =
    "PRAGMA user_version = 1;\n"
    "CREATE TABLE \"SettingsNewUser\" (\"UserID\" INTEGER PRIMARY KEY AUTOINCREMENT, " T("UserName") ", "
    T("Password") ", " T("UserType") ");\n"
    "CREATE TABLE \"SettingsCopyDB\" (" T("BackupPath") ");\n"
    "CREATE TABLE \"SettingDrDetails\" (" T("DoctorID") ", " T("FirstName") ", " T("LastName") ", "
    T("Sex") ", " T("MobilePhone") ", " T("HomePhone") ", " T("DateOfBirth") ", " T("Age") ", "
    T("PagerNumber") ", " T("Address") ", " T("EmailId") ", " T("DoctorType") ", "
    T("Qualification") ", " T("Specialization") ", " T("InTime") ", " T("OutTime") ", "
    T("AvailableDays") ");\n"
    "CREATE TABLE \"SettingsEmployeeDetails\" (" T("EmployeeID") ", " T("FirstName") ", "
    T("LastName") ", " T("Sex") ", " T("MobilePhone") ", " T("HomePhone") ", " T("DateOfBirth") ", "
    T("Age") ", " T("PagerNumber") ", " T("Address") ", " T("EmailId") ", " T("EmployeeType") ", "
    T("Qualification") ");\n"
    "CREATE TABLE \"SettingsLab\" (" T("Description") ", " T("Amount") ");\n"
    "CREATE TABLE \"SettingsXRay\" (" T("Description") ", " T("AdultAmount") ", "
    T("ChildrenAmount") ");\n"
    "CREATE TABLE \"SettingsOutPatient\" (" T("EmployeeID") ", " T("FirstName") ", " T("LastName") ", "
    T("Sex") ", " T("MobilePhone") ", " T("HomePhone") ", " T("DateOfBirth") ", " T("Age") ", "
    T("PagerNumber") ", " T("Address") ", " T("Location") ");\n"
    "CREATE TABLE \"SettingsInPatient\" (" T("EmployeeID") ", " T("FirstName") ", " T("LastName") ", "
    T("Sex") ", " T("MobilePhone") ", " T("HomePhone") ", " T("DateOfBirth") ", " T("Age") ", "
    T("PagerNumber") ", " T("Address") ", " T("Location") ", " T("EmployeeType") ", "
    T("Qualification") ", " T("PrescriptionDetails") ", " T("DiseaseDetails") ", "
    T("HealthDetails") ", " HALVION_DATE_COLUMN("DischargeDate") ", " T("Discharged") ", "
    "\"Advance\" NUMERIC);\n"
    "CREATE TABLE \"SettingsConsultant\" (" HALVION_DATE_COLUMN("Date") ", " T("DrName") ", "
    T("Amount") ", " T("patientid") ");\n"
    "CREATE TABLE \"OutPatientPrintDetails\" (\"BillNo\" INTEGER, " HALVION_DATE_COLUMN("Date") ", "
    T("DrFees") ", " T("DressingCharges") ", " T("XRay") ", " T("LabCharge") ", " T("ECG") ", "
    T("Scan") ", " T("Others") ", " T("total") ", " T("patientName") ", " T("patientid") ", "
    T("BillDelete") ");\n"
    "CREATE TABLE \"SettingsOutBillNo\" (\"BillNo\" INTEGER);\n"
    "CREATE TABLE \"InPatientPrintDetails\" (\"BillNo\" INTEGER, " HALVION_DATE_COLUMN("Date") ", "
    T("BedCharges") ", " T("ProfessionalCharges") ", " T("NursingCharges") ", " T("OTCharges") ", "
    T("AnestheticCharges") ", " T("XRay") ", " T("LabCharges") ", " T("ECG") ", " T("Scan") ", "
    T("Others") ", " T("total") ", " T("patientName") ", " T("patientid") ", " T("BillDelete") ", "
    T("Advance") ");\n"
    "CREATE TABLE \"SettingsInBillNo\" (\"BillNo\" INTEGER);\n"
    "CREATE TABLE \"LabPrintDetails\" (\"BillNo\" INTEGER, " HALVION_DATE_COLUMN("Date") ", "
    T("Description") ", " T("Amount") ", " T("Discount") ", " T("GrossTotal") ", " T("total") ", "
    T("patientName") ", " T("patientid") ", " T("BillDelete") ");\n"
    "CREATE TABLE \"XRayPrintDetails\" (\"BillNo\" INTEGER, " HALVION_DATE_COLUMN("Date") ", "
    T("Description") ", " T("Amount") ", " T("Discount") ", " T("GrossTotal") ", " T("total") ", "
    T("patientName") ", " T("patientid") ", " T("BillDelete") ");\n"
    "CREATE TABLE \"SettingsLabBillNo\" (\"BillNo\" INTEGER);\n"
    "CREATE TABLE \"SettingsXRayBillNo\" (\"BillNo\" INTEGER);\n"
    "INSERT INTO \"SettingsOutBillNo\" VALUES (0);\n"
    "INSERT INTO \"SettingsInBillNo\" VALUES (0);\n"
    "INSERT INTO \"SettingsLabBillNo\" VALUES (0);\n"
    "INSERT INTO \"SettingsXRayBillNo\" VALUES (0);\n"
    "INSERT INTO \"SettingsCopyDB\" VALUES ('');\n";

// Every index is made IF NOT EXISTS: a file made before one of them gets it when the program
// connects (AddMissingIndexes). A text column compares without regard to case (NOCASE) and its
// index takes that collation, so the index serves the ORDER BY of the column; every index holds
// the rowid after its own columns, so it serves the tie-break by rowid too. A read that selects
// only columns an index holds (ReadColumn of the column beside the rowid) is answered from the
// index alone.
const char kIndexes[] =
    // The reports choose their bills by date.
    "CREATE INDEX IF NOT EXISTS \"OutPatientPrintDetailsDate\" ON \"OutPatientPrintDetails\" (\"Date\");\n"
    "CREATE INDEX IF NOT EXISTS \"InPatientPrintDetailsDate\" ON \"InPatientPrintDetails\" (\"Date\");\n"
    "CREATE INDEX IF NOT EXISTS \"LabPrintDetailsDate\" ON \"LabPrintDetails\" (\"Date\");\n"
    "CREATE INDEX IF NOT EXISTS \"XRayPrintDetailsDate\" ON \"XRayPrintDetails\" (\"Date\");\n"
    "CREATE INDEX IF NOT EXISTS \"SettingsConsultantDate\" ON \"SettingsConsultant\" (\"Date\");\n"
    // Every save finds the highest bill number stored.
    "CREATE INDEX IF NOT EXISTS \"OutPatientPrintDetailsBillNo\" ON \"OutPatientPrintDetails\" (\"BillNo\");\n"
    "CREATE INDEX IF NOT EXISTS \"InPatientPrintDetailsBillNo\" ON \"InPatientPrintDetails\" (\"BillNo\");\n"
    "CREATE INDEX IF NOT EXISTS \"LabPrintDetailsBillNo\" ON \"LabPrintDetails\" (\"BillNo\");\n"
    "CREATE INDEX IF NOT EXISTS \"XRayPrintDetailsBillNo\" ON \"XRayPrintDetails\" (\"BillNo\");\n"
    // The cancellations list the numbers of the bills not cancelled (ValidBillNumbersRead): from
    // the index of those alone, in the order of the numbers, which is the table's where they rose
    // with the bills.
    "CREATE INDEX IF NOT EXISTS \"OutPatientPrintDetailsValidBillNo\" ON \"OutPatientPrintDetails\" (\"BillNo\") "
    "WHERE BillDelete='Available';\n"
    "CREATE INDEX IF NOT EXISTS \"InPatientPrintDetailsValidBillNo\" ON \"InPatientPrintDetails\" (\"BillNo\") "
    "WHERE BillDelete='Available';\n"
    // The bill forms list every patient's identifier in the order of the first names, those of one
    // name by identifier (PatientsByNameRead): from the index alone.
    "CREATE INDEX IF NOT EXISTS \"SettingsOutPatientFirstName\" ON \"SettingsOutPatient\" (\"FirstName\", \"EmployeeID\");\n"
    "CREATE INDEX IF NOT EXISTS \"SettingsInPatientFirstName\" ON \"SettingsInPatient\" (\"FirstName\", \"EmployeeID\");\n"
    // The patient records walk the patients in the order of their identifiers, and they and the
    // consultant fee form list the identifiers so (PatientsRecordRead).
    "CREATE INDEX IF NOT EXISTS \"SettingsOutPatientEmployeeID\" ON \"SettingsOutPatient\" (\"EmployeeID\");\n"
    "CREATE INDEX IF NOT EXISTS \"SettingsInPatientEmployeeID\" ON \"SettingsInPatient\" (\"EmployeeID\");\n"
    // The consultant fee record walks the fees in the order of the doctors (FeesRecordRead).
    "CREATE INDEX IF NOT EXISTS \"SettingsConsultantDrName\" ON \"SettingsConsultant\" (\"DrName\");\n"
    // The doctor boxes and the price lists, in the order of their names.
    "CREATE INDEX IF NOT EXISTS \"SettingDrDetailsDoctorID\" ON \"SettingDrDetails\" (\"DoctorID\");\n"
    "CREATE INDEX IF NOT EXISTS \"SettingsLabDescription\" ON \"SettingsLab\" (\"Description\");\n"
    "CREATE INDEX IF NOT EXISTS \"SettingsXRayDescription\" ON \"SettingsXRay\" (\"Description\");\n";

#undef T
#undef HALVION_DATE_COLUMN

}  // namespace


void AddMissingIndexes(Connection& con) { con.Execute(QString::fromLatin1(kIndexes)); }

void CreateDatabase(const QString& path) {
  auto con = std::make_shared<Connection>();
  con->Create(path);  // refuses an existing file
  try {
    Transaction save(con);
    con->Execute(QString::fromUtf8(kSchema));
    con->Execute(QString::fromLatin1(kIndexes));
    // The stored password and type are the cipher's output, so the default login is added here
    // rather than in the schema text.
    con->QueryValue(
        QStringLiteral("INSERT INTO \"SettingsNewUser\"(\"UserName\",\"Password\",\"UserType\") VALUES (?,?,?)"),
        {Value(QStringLiteral("tumbo")), Value(CipherText(QStringLiteral("tumbo"), true)),
         Value(CipherText(QStringLiteral("Admin"), true))});
    save.Commit();
  } catch (...) {
    // Closed first, so that the file and its journal can go.
    con.reset();
    QFile::remove(path);
    QFile::remove(path + QStringLiteral("-journal"));
    throw;
  }
}
