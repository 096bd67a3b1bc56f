// The long lists the forms open are read by the database in the order asked, from an index that
// serves the order, without a sort of its own: each read is made as its form makes it, every
// statement it runs is traced and SQLite's query plan of it is checked.
#include <sqlite3.h>

#include <QStringList>
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "data/bills.h"
#include "data/doctors.h"
#include "data/fees.h"
#include "data/patients.h"
#include "data/pricelists.h"
#include "framework/databaseerror.h"
#include "framework/keylist.h"
#include "support/fixture.h"

namespace {

class ListReadsTest : public HalvionTest {
protected:
  // The texts of the selections `action` runs on `con`, but the look at the table's last rowid.
  static std::vector<std::string> statementsOf(const std::shared_ptr<Connection>& con,
                                               const std::function<void()>& action) {
    std::vector<std::string> ran;
    sqlite3_trace_v2(
        con->handle(), SQLITE_TRACE_STMT,
        [](unsigned, void* into, void* stmt, void*) {
          const char* text = sqlite3_sql(static_cast<sqlite3_stmt*>(stmt));
          if (text && std::string(text).rfind("SELECT ", 0) == 0 && std::string(text).find("max(rowid)") == std::string::npos)
            static_cast<std::vector<std::string>*>(into)->push_back(text);
          return 0;
        },
        &ran);
    action();
    sqlite3_trace_v2(con->handle(), 0, nullptr, nullptr);
    return ran;
  }

  // SQLite's plan of a statement, its lines joined by " / ".
  static std::string planOf(sqlite3* db, const std::string& sql) {
    std::string plan;
    sqlite3_stmt* st = nullptr;
    EXPECT_EQ(sqlite3_prepare_v2(db, ("EXPLAIN QUERY PLAN " + sql).c_str(), -1, &st, nullptr), SQLITE_OK) << sql;
    while (sqlite3_step(st) == SQLITE_ROW)
      plan += (plan.empty() ? "" : " / ") + std::string(reinterpret_cast<const char*>(sqlite3_column_text(st, 3)));
    sqlite3_finalize(st);
    return plan;
  }

  // Whether the statement reads anything of the table's own rows (a column, or a row sought by
  // its rowid), rather than only an index of it.
  static bool readsTableRows(sqlite3* db, const std::string& sql, const std::string& table) {
    int root = -1;
    {
      sqlite3_stmt* st = nullptr;
      sqlite3_prepare_v2(db, "SELECT rootpage FROM sqlite_master WHERE type = 'table' AND name = ?", -1, &st, nullptr);
      sqlite3_bind_text(st, 1, table.c_str(), -1, SQLITE_TRANSIENT);
      if (sqlite3_step(st) == SQLITE_ROW) root = sqlite3_column_int(st, 0);
      sqlite3_finalize(st);
    }
    sqlite3_stmt* st = nullptr;
    EXPECT_EQ(sqlite3_prepare_v2(db, ("EXPLAIN " + sql).c_str(), -1, &st, nullptr), SQLITE_OK) << sql;
    std::vector<int> tableCursors;
    bool reads = false;
    while (sqlite3_step(st) == SQLITE_ROW) {
      const std::string op = reinterpret_cast<const char*>(sqlite3_column_text(st, 1));
      const int p1 = sqlite3_column_int(st, 2), p2 = sqlite3_column_int(st, 3);
      if (op == "OpenRead" && p2 == root) tableCursors.push_back(p1);
      const bool onTable = std::find(tableCursors.begin(), tableCursors.end(), p1) != tableCursors.end();
      if (onTable && (op == "Column" || op == "Rowid" || op == "SeekRowid" || op == "NotExists")) reads = true;
    }
    sqlite3_finalize(st);
    return reads;
  }
};

// What every list read must show: the index named (or, for a list in the order rows were added,
// the table itself walked), no sort of the database's own, and, where the list asks for nothing
// else, no row of the table read.
TEST_F(ListReadsTest, EveryLongListIsReadFromItsIndexInTheOrderAskedWithoutASort) {
  const auto con = openDb();
  const auto none = [](const char*, int, qint64) {};
  const auto keyset = [con](const TableRead& read) {
    return [con, read] {
      Recordset rs;
      rs.OpenKeyset(read, con, adLockOptimistic);
    };
  };
  const auto snapshot = [con](const TableRead& read) {
    return [con, read] {
      Recordset rs;
      rs.Open(read, con, adOpenDynamic, adLockOptimistic);
    };
  };
  const auto column = [con, none](const TableRead& read, int ordinal) {
    return [con, read, ordinal, none] { ReadColumnText(con, read, ordinal, none); };
  };
  const auto out = PatientTableKind::OutPatient, in = PatientTableKind::InPatient;
  const struct {
    const char* list;
    const char* table;
    std::function<void()> read;
    const char* plan;    // what the plan must name
    bool rowsRead;       // the table's rows are read too (the whole rows are the list's)
  } cases[] = {
      {"out-patients of the out-patient, laboratory and x-ray bills", "SettingsOutPatient",
       column(PatientsByNameRead(out), patientcols::EmployeeID), "COVERING INDEX SettingsOutPatientFirstName", false},
      {"in-patients of the in-patient, laboratory and x-ray bills", "SettingsInPatient",
       column(PatientsByNameRead(in), patientcols::EmployeeID), "COVERING INDEX SettingsInPatientFirstName", false},
      {"in-patients read whole in the order of their names", "SettingsInPatient", snapshot(PatientsByNameRead(in)),
       "USING INDEX SettingsInPatientFirstName", true},
      // Not a list: the row the chooser chose, read by its rowid at every in-patient bill's save.
      {"the in-patient an in-patient bill's save reads", "SettingsInPatient",
       snapshot(PatientByRowIdRead(in, 1)), "USING INTEGER PRIMARY KEY", true},
      {"out-patient record", "SettingsOutPatient", keyset(PatientsRecordRead(out)),
       "COVERING INDEX SettingsOutPatientEmployeeID", false},
      {"in-patient record", "SettingsInPatient", keyset(PatientsRecordRead(in)),
       "COVERING INDEX SettingsInPatientEmployeeID", false},
      {"out-patient identifiers of the consultant fee form", "SettingsOutPatient",
       column(PatientsRecordRead(out), patientcols::EmployeeID), "COVERING INDEX SettingsOutPatientEmployeeID", false},
      {"in-patient identifiers of the consultant fee form", "SettingsInPatient",
       column(PatientsRecordRead(in), patientcols::EmployeeID), "COVERING INDEX SettingsInPatientEmployeeID", false},
      {"consultant fee record", "SettingsConsultant", keyset(FeesRecordRead()),
       "COVERING INDEX SettingsConsultantDrName", false},
      {"out-patient cancellation", "OutPatientPrintDetails",
       [con] { ReadKeyListInTableOrder(con, ValidBillNumbersRead(BillKind::OutPatient), 0, false); },
       "USING INDEX OutPatientPrintDetailsValidBillNo", false},
      {"in-patient cancellation", "InPatientPrintDetails",
       [con] { ReadKeyListInTableOrder(con, ValidBillNumbersRead(BillKind::InPatient), 0, false); },
       "USING INDEX InPatientPrintDetailsValidBillNo", false},
      {"laboratory price list of the bill", "SettingsLab", snapshot(TestPricesRead(BillKind::Laboratory)),
       "USING INDEX SettingsLabDescription", true},
      {"x-ray price list of the bill", "SettingsXRay", snapshot(TestPricesRead(BillKind::XRay)),
       "USING INDEX SettingsXRayDescription", true},
      {"laboratory price list record", "SettingsLab", snapshot(LabTestsRead()), "USING INDEX SettingsLabDescription",
       true},
      {"x-ray price list", "SettingsXRay", snapshot(XRayTestsSortedRead()), "USING INDEX SettingsXRayDescription", true},
      {"doctors of the bills and of the consultant fee form", "SettingDrDetails", [con] { DoctorIds(con); },
       "COVERING INDEX SettingDrDetailsDoctorID", false},
      // Listed as the table holds them: the table walked, its names read beside their rowids.
      {"out-patient search", "SettingsOutPatient", column(PatientsListRead(out), patientcols::FirstName),
       "SCAN SettingsOutPatient", true},
      {"in-patient search", "SettingsInPatient", column(PatientsListRead(in), patientcols::FirstName),
       "SCAN SettingsInPatient", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.list);
    const std::vector<std::string> ran = statementsOf(con, c.read);
    ASSERT_FALSE(ran.empty());
    for (const std::string& sql : ran) {
      SCOPED_TRACE(sql);
      const std::string plan = planOf(con->handle(), sql);
      EXPECT_NE(plan.find(c.plan), std::string::npos) << plan;
      EXPECT_EQ(plan.find("TEMP B-TREE"), std::string::npos) << plan;
      EXPECT_EQ(readsTableRows(con->handle(), sql, c.table), c.rowsRead);
    }
  }
}

// A file made before an index gets it when the program connects: the indexes of a new file,
// every one of them, with their columns.
TEST_F(ListReadsTest, AFileWithoutTheIndexesGetsThemWhenTheProgramConnects) {
  const QString indexes = QStringLiteral(
      "SELECT group_concat(name || ':' || sql, char(10)) FROM "
      "(SELECT name, sql FROM sqlite_master WHERE type = 'index' AND sql IS NOT NULL ORDER BY name)");
  const QString made = scalar(indexes);
  EXPECT_TRUE(made.contains("SettingsOutPatientEmployeeID")) << made.toStdString();
  QStringList drops;
  for (const QString& line : made.split(u'\n')) drops << QStringLiteral("DROP INDEX \"%1\"").arg(line.section(u':', 0, 0));
  exec(drops.join(u';'));
  ASSERT_EQ(scalar(indexes), QString());
  ConnectDB();
  ASSERT_EQ(endCount(), 0);
  EXPECT_EQ(scalar(indexes).toStdString(), made.toStdString());
}

}  // namespace
