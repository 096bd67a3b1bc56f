// A form whose load opens its table while another process holds the whole file: the load waits
// once for the file, then says "Database Error", ends the program and leaves no form loaded.
#include <chrono>
#include <string>

#include "faults.h"
#include "globals.h"
#include "masters/frmAddDoctorDetail.h"
#include "masters/frmAddEmployeeDetail.h"
#include "masters/frmAddLabDetails.h"
#include "masters/frmAddXRayDetails.h"
#include "patients/frmAddConsultant.h"
#include "patients/frmDischarge.h"
#include "patients/patientrecord.h"
#include "platform/ado_loading.h"
#include "shell/frmAddNewUser.h"
#include "shell/frmCopyDB.h"
#include "shell/frmSettingsChangePwd.h"
#include "support/fixture.h"

namespace {

// Loads the form; whether it is loaded afterwards.
template <class F>
bool loaded() {
  LoadForm<F>();
  return LoadedForm<F>() != nullptr;
}

struct HeldLoad {
  const char* name;
  bool (*load)();
};

class LoadLockFaultTest : public HalvionTest {
protected:
  void SetUp() override {
    HalvionTest::SetUp();
    // Rows in every table a load reads, so that no form closes itself for an empty one.
    exec("INSERT INTO SettingDrDetails (DoctorID, FirstName) VALUES ('Dr Meera', 'Meera');"
         "INSERT INTO SettingsOutPatient (EmployeeID, FirstName, Sex, Age) VALUES ('OP3', 'Beena', 'Female', '41');"
         "INSERT INTO SettingsInPatient (EmployeeID, FirstName, Sex, Age) VALUES ('IP1', 'Ravi', 'Male', '60');"
         "INSERT INTO SettingsLab VALUES ('Blood Sugar', '120');"
         "INSERT INTO SettingsXRay VALUES ('Chest', '300', '200')");
    gCon = openDb();
  }
};

// One form a case, so that the waits of the forms run side by side.
class HeldLoadTest : public LoadLockFaultTest, public ::testing::WithParamInterface<HeldLoad> {};

TEST_P(HeldLoadTest, WaitsOnceThenSaysDatabaseErrorEndsAndLeavesNoFormLoaded) {
  LockHolder lock(dbPath(), true);
  ASSERT_TRUE(lock.held());
  boxes().expect("Database Error. Please Check the database and try again", "Database Error", vbCritical);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(GetParam().load()) << "a form whose load ended is left loaded";
  const auto waited = std::chrono::steady_clock::now() - start;
  EXPECT_EQ(boxes().pending(), 0);
  EXPECT_EQ(endCount(), 1);
  // One busy timeout of the connection (2 s), not one for each read the load makes.
  EXPECT_LT(waited, std::chrono::milliseconds(3500));
}

INSTANTIATE_TEST_SUITE_P(Forms, HeldLoadTest,
                         ::testing::Values(HeldLoad{"Doctors", loaded<frmAddDoctorDetail>},
                                           HeldLoad{"Employees", loaded<frmAddEmployeeDetail>},
                                           HeldLoad{"LaboratoryPrices", loaded<frmAddLabDetails>},
                                           HeldLoad{"XRayPrices", loaded<frmAddXRayDetails>},
                                           HeldLoad{"Users", loaded<frmAddNewUser>},
                                           HeldLoad{"OutPatients", loaded<frmAddOutPatient>},
                                           HeldLoad{"InPatients", loaded<frmAddInPatient>},
                                           HeldLoad{"ConsultantFees", loaded<frmAddConsultant>},
                                           HeldLoad{"Discharge", loaded<frmDischarge>},
                                           HeldLoad{"BackUp", loaded<frmCopyDB>},
                                           HeldLoad{"Password", loaded<frmSettingsChangePwd>}),
                         [](const auto& info) { return std::string(info.param.name); });

// What a keyset's rowids are kept by: read while the file is held, it is an error, never a number
// that two failed reads would give alike.
TEST_F(LoadLockFaultTest, TheStampOfAFileHeldElsewhereIsAnErrorNotANumber) {
  const ado_detail::DbStamp free = ado_detail::stampOf(gCon->handle());
  EXPECT_GE(free.dataVersion, 0);
  EXPECT_GE(free.schemaVersion, 0);
  LockHolder lock(dbPath(), true);
  ASSERT_TRUE(lock.held());
  EXPECT_THROW(ado_detail::stampOf(gCon->handle()), DbError);
}

}  // namespace
