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
// IF NOT EXISTS: files made before these indexes get them when the program connects.
#define BILL_NUMBER_INDEXES                                                                            \
  "CREATE INDEX IF NOT EXISTS \"OutPatientPrintDetailsBillNo\" ON \"OutPatientPrintDetails\" (\"BillNo\");\n" \
  "CREATE INDEX IF NOT EXISTS \"InPatientPrintDetailsBillNo\" ON \"InPatientPrintDetails\" (\"BillNo\");\n"   \
  "CREATE INDEX IF NOT EXISTS \"LabPrintDetailsBillNo\" ON \"LabPrintDetails\" (\"BillNo\");\n"               \
  "CREATE INDEX IF NOT EXISTS \"XRayPrintDetailsBillNo\" ON \"XRayPrintDetails\" (\"BillNo\");\n"

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
    // The reports choose their bills by date.
    "CREATE INDEX \"OutPatientPrintDetailsDate\" ON \"OutPatientPrintDetails\" (\"Date\");\n"
    "CREATE INDEX \"InPatientPrintDetailsDate\" ON \"InPatientPrintDetails\" (\"Date\");\n"
    "CREATE INDEX \"LabPrintDetailsDate\" ON \"LabPrintDetails\" (\"Date\");\n"
    "CREATE INDEX \"XRayPrintDetailsDate\" ON \"XRayPrintDetails\" (\"Date\");\n"
    "CREATE INDEX \"SettingsConsultantDate\" ON \"SettingsConsultant\" (\"Date\");\n"
    // Every save finds the highest bill number stored.
    BILL_NUMBER_INDEXES
    // The bill forms list every patient's identifier in the order of their first names.
    "CREATE INDEX \"SettingsOutPatientFirstName\" ON \"SettingsOutPatient\" (\"FirstName\", \"EmployeeID\");\n"
    "CREATE INDEX \"SettingsInPatientFirstName\" ON \"SettingsInPatient\" (\"FirstName\", \"EmployeeID\");\n"
    "INSERT INTO \"SettingsOutBillNo\" VALUES (0);\n"
    "INSERT INTO \"SettingsInBillNo\" VALUES (0);\n"
    "INSERT INTO \"SettingsLabBillNo\" VALUES (0);\n"
    "INSERT INTO \"SettingsXRayBillNo\" VALUES (0);\n"
    "INSERT INTO \"SettingsCopyDB\" VALUES ('');\n";

const char kBillNumberIndexes[] = BILL_NUMBER_INDEXES;

#undef T
#undef HALVION_DATE_COLUMN
#undef BILL_NUMBER_INDEXES

}  // namespace


void AddMissingIndexes(Connection& con) { con.Execute(QString::fromLatin1(kBillNumberIndexes)); }

void CreateDatabase(const QString& path) {
  auto con = std::make_shared<Connection>();
  con->Create(path);  // refuses an existing file
  try {
    Transaction save(con);
    con->Execute(QString::fromUtf8(kSchema));
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
