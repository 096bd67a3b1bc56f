// The patient rows as the forms read and write them, and the identifier check every patient save
// asks before it writes.
#include "data/patients.h"
#include "support/fixture.h"

namespace {

class PatientDataTest : public HalvionTest {};

const PatientTableKind kKinds[] = {PatientTableKind::OutPatient, PatientTableKind::InPatient};

TEST_F(PatientDataTest, AnIdentifierIsTakenByAnotherRowHoldingItBlanksTrimmedLettersAsTheyAre) {
  const struct {
    const char* name;
    const char* stored;  // EmployeeID of the one row, as an SQL value
    const char* id;
    bool excludeIt;  // the row is the one being modified
    bool taken;
  } cases[] = {
      {"the same identifier", "'OP5'", "OP5", false, true},
      {"stored with blanks around it", "'  OP5 '", "OP5", false, true},
      {"other letters' case is another identifier", "'op5'", "OP5", false, false},
      {"another identifier", "'OP51'", "OP5", false, false},
      {"a row without an identifier", "NULL", "OP5", false, false},
      {"the row being modified keeps its own", "'OP5'", "OP5", true, false},
      {"an identifier that is SQL text", "'x'' OR 1=1 --'", "x' OR 1=1 --", false, true},
  };
  for (PatientTableKind kind : kKinds) {
    const QString table = QLatin1String(PatientTable(kind));
    for (const auto& c : cases) {
      SCOPED_TRACE((table + QStringLiteral(": ") + QLatin1String(c.name)).toStdString());
      exec(QStringLiteral("DELETE FROM %1; INSERT INTO %1 (EmployeeID) VALUES (%2)").arg(table, QLatin1String(c.stored)));
      const auto con = openDb();
      const qint64 rowid = con->QueryValue(QStringLiteral("SELECT rowid FROM ") + table).intValue();
      EXPECT_EQ(PatientIdTaken(con, kind, QString::fromUtf8(c.id), c.excludeIt ? std::optional(rowid) : std::nullopt),
                c.taken);
      EXPECT_FALSE(PatientIdTaken(con, kind, QStringLiteral("OP6"), std::nullopt));
    }
  }
}

TEST_F(PatientDataTest, AModifiedPatientKeepsItsIdentifierAndADischargeEndsTheAdmission) {
  exec(QStringLiteral("INSERT INTO SettingsInPatient (EmployeeID, FirstName, Discharged) VALUES ('IP1', 'Ann', 'No')"));
  const auto con = openDb();
  Recordset rs;
  rs.Open(PatientsRecordRead(PatientTableKind::InPatient), con, adOpenDynamic, adLockOptimistic);
  ASSERT_FALSE(rs.Eof());
  EXPECT_TRUE(IsAdmitted(rs));
  Patient p = ReadPatient(rs);
  EXPECT_EQ(p.id, "IP1");
  EXPECT_EQ(p.name, "Ann");
  p = {"IP9", "Bo", "Male", "555", "40", "1 Lake St", "Westfield"};
  WritePatient(rs, p, false);
  WriteDischarge(rs, {"rest", "flu", "good", QDate(2026, 12, 9)});
  rs.Update();
  EXPECT_EQ(scalar(QStringLiteral("SELECT EmployeeID || '|' || FirstName || '|' || Sex || '|' || MobilePhone || '|' || "
                                  "Age || '|' || Address || '|' || Location || '|' || Discharged FROM SettingsInPatient")),
            "IP1|Bo|Male|555|40|1 Lake St|Westfield|Yes");
  rs.Requery();
  EXPECT_FALSE(IsAdmitted(rs));
}

}  // namespace
