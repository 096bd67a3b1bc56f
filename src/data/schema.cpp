#include "data/schema.h"

#include <QFile>
#include <sqlite3.h>

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

[[noreturn]] void fail(sqlite3* db, const QString& path, const char* what) {
  QString msg = QString::fromUtf8(what);
  if (db) msg += QStringLiteral(": ") + QString::fromUtf8(sqlite3_errmsg(db));
  sqlite3_close(db);
  QFile::remove(path);
  throw DbError(adErrProvider, msg);
}

}  // namespace

const char* SchemaSql() { return kSchema; }

void AddMissingIndexes(Connection& con) { con.Execute(QString::fromLatin1(kBillNumberIndexes)); }

void CreateDatabase(const QString& path) {
  if (QFile::exists(path))
    throw DbError(adErrProvider, QStringLiteral("The database file already exists: ") + path);
  sqlite3* db = nullptr;
  const QByteArray file = path.toUtf8();
  if (sqlite3_open_v2(file.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
      SQLITE_OK)
    fail(db, path, "Cannot create the database file");
  if (sqlite3_exec(db, "PRAGMA journal_mode=DELETE; BEGIN;", nullptr, nullptr, nullptr) != SQLITE_OK ||
      sqlite3_exec(db, kSchema, nullptr, nullptr, nullptr) != SQLITE_OK)
    fail(db, path, "Cannot write the tables");

  // The stored password and type are the cipher's output, so the default login is added here
  // rather than in the schema text.
  sqlite3_stmt* st = nullptr;
  const char* insert =
      "INSERT INTO \"SettingsNewUser\"(\"UserName\",\"Password\",\"UserType\") VALUES (?,?,?)";
  if (sqlite3_prepare_v2(db, insert, -1, &st, nullptr) != SQLITE_OK) fail(db, path, "Cannot add the login");
  const QByteArray name = QByteArrayLiteral("tumbo");
  const QByteArray password = CipherText(QStringLiteral("tumbo"), true).toUtf8();
  const QByteArray type = CipherText(QStringLiteral("Admin"), true).toUtf8();
  sqlite3_bind_text(st, 1, name.constData(), int(name.size()), SQLITE_TRANSIENT);
  sqlite3_bind_text(st, 2, password.constData(), int(password.size()), SQLITE_TRANSIENT);
  sqlite3_bind_text(st, 3, type.constData(), int(type.size()), SQLITE_TRANSIENT);
  const int rc = sqlite3_step(st);
  sqlite3_finalize(st);
  if (rc != SQLITE_DONE) fail(db, path, "Cannot add the login");
  if (sqlite3_exec(db, "COMMIT;", nullptr, nullptr, nullptr) != SQLITE_OK) fail(db, path, "Cannot save the tables");
  if (sqlite3_close(db) != SQLITE_OK) fail(nullptr, path, "Cannot close the database file");
}
