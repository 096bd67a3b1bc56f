// A bill form opened on a file whose bill table or counter cannot be read: the load says
// "Database Error" and the program ends, for each of the four kinds, before any bill is begun.
#include <functional>

#include "billing/inpatient/frmInBill.h"
#include "billing/labxray/testbillform.h"
#include "billing/outpatient/frmBill.h"
#include "data/billnumbers.h"
#include "globals.h"
#include "support/fixture.h"

namespace {

class BillLoadFaultTest : public HalvionTest {
protected:
  void SetUp() override {
    HalvionTest::SetUp();
    // Enough rows that no form closes itself at load for an empty table.
    exec("INSERT INTO SettingDrDetails (DoctorID, FirstName) VALUES ('Dr Meera', 'Meera');"
         "INSERT INTO SettingsOutPatient (EmployeeID, FirstName, Sex, Age) VALUES ('OP3', 'Beena', 'Female', '41');"
         "INSERT INTO SettingsInPatient (EmployeeID, FirstName, Sex, Age) VALUES ('IP1', 'Ravi', 'Male', '60');"
         "INSERT INTO SettingsLab VALUES ('Blood Sugar', '120');"
         "INSERT INTO SettingsXRay VALUES ('Chest', '300', '200')");
  }
};

TEST_F(BillLoadFaultTest, ABillTableOrCounterThatCannotBeReadEndsTheLoad) {
  const struct {
    const char* name;
    BillKind kind;
    std::function<void()> load;
  } forms[] = {
      {"out-patient", BillKind::OutPatient, [] { LoadForm<frmBill>(); }},
      {"in-patient", BillKind::InPatient, [] { LoadForm<frmInBill>(); }},
      {"laboratory", BillKind::Laboratory, [] { LoadForm<frmLabBillReport>(); }},
      {"x-ray", BillKind::XRay, [] { LoadForm<frmXRayBillReport>(); }},
  };
  for (const auto& form : forms) {
    const BillTables& tables = TablesOf(form.kind);
    for (const char* table : {tables.bills, tables.counter}) {
      SCOPED_TRACE(std::string(form.name) + ", " + table);
      ResetForms();
      gCon.reset();
      exec(QStringLiteral("ALTER TABLE %1 RENAME TO Elsewhere").arg(QLatin1String(table)));
      gCon = openDb();
      const int ends = endCount();
      boxes().expect("Database Error. Please Check the database and try again", "Database Error", vbCritical);
      form.load();
      EXPECT_EQ(boxes().pending(), 0);
      EXPECT_EQ(endCount(), ends + 1);
      ResetForms();
      gCon.reset();
      exec(QStringLiteral("ALTER TABLE Elsewhere RENAME TO %1").arg(QLatin1String(table)));
    }
  }
}

}  // namespace
