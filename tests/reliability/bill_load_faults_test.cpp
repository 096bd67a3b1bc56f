// A bill form opened on a file whose bill table or counter cannot be read: the load says
// "Database Error" and the program ends, for each of the four kinds, before any bill is begun. Any
// table a bill, cancellation or fee form reads at its load ends it the same way, and leaves no form
// half filled behind.
#include <functional>
#include <vector>

#include "billing/inpatient/frmCancelInBill.h"
#include "billing/inpatient/frmInBill.h"
#include "billing/labxray/testbillform.h"
#include "billing/labxray/testcancelform.h"
#include "billing/outpatient/frmBill.h"
#include "billing/outpatient/frmCancelBill.h"
#include "data/billnumbers.h"
#include "globals.h"
#include "patients/frmAddConsultant.h"
#include "support/fixture.h"

namespace {

// Loads the form; whether it is loaded afterwards.
template <class F>
std::function<bool()> loaded() {
  return [] {
    LoadForm<F>();
    return LoadedForm<F>() != nullptr;
  };
}

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

// Every table a load reads, failing in turn: the doctors, the patients, the price list, the bills
// (the next number, or the bills to cancel).
TEST_F(BillLoadFaultTest, ATableALoadReadsThatCannotBeReadEndsItAndLeavesNoFormLoaded) {
  const struct {
    const char* name;
    std::function<bool()> load;
    std::vector<const char*> tables;
  } forms[] = {
      {"out-patient bill", loaded<frmBill>(), {"SettingDrDetails", "SettingsOutPatient", "OutPatientPrintDetails"}},
      {"in-patient bill", loaded<frmInBill>(), {"SettingDrDetails", "SettingsInPatient", "InPatientPrintDetails"}},
      {"laboratory bill", loaded<frmLabBillReport>(),
       {"SettingsLab", "SettingDrDetails", "SettingsOutPatient", "LabPrintDetails"}},
      {"x-ray bill", loaded<frmXRayBillReport>(),
       {"SettingsXRay", "SettingDrDetails", "SettingsInPatient", "XRayPrintDetails"}},
      {"out-patient cancellation", loaded<frmCancelBill>(), {"OutPatientPrintDetails"}},
      {"in-patient cancellation", loaded<frmCancelInBill>(), {"InPatientPrintDetails"}},
      {"laboratory cancellation", loaded<frmCancelLabBill>(), {"LabPrintDetails"}},
      {"x-ray cancellation", loaded<frmCancelXRayBill>(), {"XRayPrintDetails"}},
      {"consultant fee", loaded<frmAddConsultant>(), {"SettingsInPatient", "SettingsOutPatient", "SettingDrDetails"}},
  };
  for (const auto& form : forms) {
    for (const char* table : form.tables) {
      SCOPED_TRACE(std::string(form.name) + ", " + table);
      ResetForms();
      gCon.reset();
      exec(QStringLiteral("ALTER TABLE %1 RENAME TO Elsewhere").arg(QLatin1String(table)));
      gCon = openDb();
      const int ends = endCount();
      boxes().expect("Database Error. Please Check the database and try again", "Database Error", vbCritical);
      EXPECT_FALSE(form.load()) << "a form whose load ended is left loaded";
      EXPECT_EQ(boxes().pending(), 0);
      EXPECT_EQ(endCount(), ends + 1);
      ResetForms();
      gCon.reset();
      exec(QStringLiteral("ALTER TABLE Elsewhere RENAME TO %1").arg(QLatin1String(table)));
    }
  }
}

}  // namespace
