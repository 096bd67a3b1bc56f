#include "data/patients.h"

namespace {

namespace out = cols::SettingsOutPatient;
namespace in = cols::SettingsInPatient;

// ReadPatient and WritePatient address both tables by the out-patient names.
static_assert(int(out::EmployeeID) == int(in::EmployeeID) && int(out::FirstName) == int(in::FirstName) &&
              int(out::Sex) == int(in::Sex) && int(out::MobilePhone) == int(in::MobilePhone) &&
              int(out::Age) == int(in::Age) && int(out::Address) == int(in::Address) &&
              int(out::Location) == int(in::Location));

struct KindReads {
  TableRead record, list, byName;
};

const KindReads& readsOf(PatientTableKind kind) {
  static const auto make = [](PatientTableKind k) {
    const QString table = cols::TableName(PatientTable(k));
    return KindReads{{.table = table, .orderBy = QStringLiteral("EmployeeID")},
                     {.table = table},
                     {.table = table, .orderBy = QStringLiteral("FirstName"), .thenBy = QStringLiteral("EmployeeID")}};
  };
  static const KindReads outReads = make(PatientTableKind::OutPatient);
  static const KindReads inReads = make(PatientTableKind::InPatient);
  return kind == PatientTableKind::InPatient ? inReads : outReads;
}

}  // namespace

const char* PatientTable(PatientTableKind kind) {
  return kind == PatientTableKind::InPatient ? in::kTable : out::kTable;
}

const TableRead& PatientsRecordRead(PatientTableKind kind) { return readsOf(kind).record; }
const TableRead& PatientsListRead(PatientTableKind kind) { return readsOf(kind).list; }
const TableRead& PatientsByNameRead(PatientTableKind kind) { return readsOf(kind).byName; }
TableRead PatientByRowIdRead(PatientTableKind kind, qint64 rowid) {
  return RowByRowIdRead(cols::TableName(PatientTable(kind)), rowid);
}

bool PatientIdTaken(const std::shared_ptr<Connection>& con, PatientTableKind kind, const QString& id,
                    std::optional<qint64> exceptRowId) {
  // VB's Trim and SQLite's trim() both take off blanks only; the column compares without regard
  // to case, the identifier with it.
  const Value self = exceptRowId ? Value(*exceptRowId) : Value();
  return !con->QueryValue(QStringLiteral("SELECT 1 FROM ") + cols::TableName(PatientTable(kind)) +
                              QStringLiteral(" WHERE trim(EmployeeID) = ? COLLATE BINARY AND rowid IS NOT ? LIMIT 1"),
                          {id, self})
              .IsNull();
}

Patient ReadPatient(const Recordset& rs) {
  Patient p;
  p.id = rs.Fields(out::EmployeeID).toText();
  p.name = rs.Fields(out::FirstName).toText();
  p.sex = rs.Fields(out::Sex).toText();
  p.phone = rs.Fields(out::MobilePhone).toText();
  p.age = rs.Fields(out::Age).toText();
  p.address = rs.Fields(out::Address).toText();
  p.location = rs.Fields(out::Location).toText();
  return p;
}

void WritePatient(Recordset& rs, const Patient& p, bool withId) {
  if (withId) rs.SetField(out::EmployeeID, p.id);
  rs.SetField(out::FirstName, p.name);
  rs.SetField(out::Sex, p.sex);
  rs.SetField(out::MobilePhone, p.phone);
  rs.SetField(out::Age, p.age);
  rs.SetField(out::Address, p.address);
  rs.SetField(out::Location, p.location);
}

void MarkAdmitted(Recordset& rs) { rs.SetField(in::Discharged, QStringLiteral("No")); }

bool IsAdmitted(const Recordset& rs) {
  const Value v = rs.Fields(in::Discharged);
  return v.kind() == Value::Kind::Text && v.textValue() == QStringLiteral("No");
}

void WriteDischarge(Recordset& rs, const Discharge& d) {
  rs.SetField(in::PrescriptionDetails, d.prescription);
  rs.SetField(in::DiseaseDetails, d.disease);
  rs.SetField(in::HealthDetails, d.health);
  rs.SetField(in::DischargeDate, d.date);
  rs.SetField(in::Discharged, QStringLiteral("Yes"));
}
