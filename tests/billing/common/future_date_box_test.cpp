// Every bill and cancellation form refuses a bill date after today with a real modal box, whose
// own event loop may close the form (the close movie, another menu): the picker is then gone with
// the form, and the refusal must leave it alone when the box returns instead of putting today
// back into it.
#include <QPointer>
#include <functional>
#include <memory>

#include "billing/inpatient/frmCancelInBill.h"
#include "billing/inpatient/frmInBill.h"
#include "billing/labxray/testbillform.h"
#include "billing/labxray/testcancelform.h"
#include "billing/outpatient/frmBill.h"
#include "billing/outpatient/frmCancelBill.h"
#include "framework/vbform.h"
#include "globals.h"
#include "platform/system.h"
#include "support/closing_box.h"
#include "support/fixture.h"

namespace {

const QString kFutureDate =
    QStringLiteral("Please Select date Less than Equal To Current Date\r\nYou cannt Bill for Future Date");

class FutureDateBoxTest : public HalvionTest {
protected:
  void SetUp() override {
    HalvionTest::SetUp();
    exec(QStringLiteral(
        "INSERT INTO SettingDrDetails(DoctorID) VALUES ('Dr Meera');"
        "INSERT INTO SettingsLab(Description, Amount) VALUES ('CBC', '150');"
        "INSERT INTO SettingsXRay(Description, AdultAmount, ChildrenAmount) VALUES ('Chest', '400', '250');"
        "INSERT INTO SettingsOutPatient(EmployeeID, FirstName, Sex, Age, Address, Location)"
        " VALUES ('OP3', 'Beena', 'Female', '41', 'Rose Villa', 'Pala');"
        "INSERT INTO SettingsInPatient(EmployeeID, FirstName, Sex, Age, Address, Location, Discharged)"
        " VALUES ('IP10', 'Ravi', 'Male', '40', '12 Hill Road', 'Brackwell', 'No');"));
    gCon = openDb();
  }
  void TearDown() override {
    closing_.disarm();
    ResetForms();
    HalvionTest::TearDown();
  }

  FormClosingBox closing_;
};

struct DatedForm {
  const char* name;
  std::function<VbForm*()> open;
  std::function<QDateEdit*(VbForm*)> picker;
};

template <class F>
DatedForm datedForm(const char* name) {
  return {name, [] { return static_cast<VbForm*>(ShowForm<F>()); },
          [](VbForm* f) { return &static_cast<F*>(f)->DTPicker1; }};
}

TEST_F(FutureDateBoxTest, AFormClosedWhileItsFutureDateBoxIsUpIsLeftAlone) {
  const DatedForm forms[] = {
      datedForm<frmBill>("out-patient bill"),
      datedForm<frmInBill>("in-patient bill"),
      datedForm<frmLabBillReport>("laboratory bill"),
      datedForm<frmXRayBillReport>("x-ray bill"),
      datedForm<frmCancelBill>("out-patient cancellation"),
      datedForm<frmCancelInBill>("in-patient cancellation"),
      datedForm<frmCancelLabBill>("laboratory cancellation"),
      datedForm<frmCancelXRayBill>("x-ray cancellation"),
  };
  for (const DatedForm& d : forms) {
    SCOPED_TRACE(d.name);
    ResetForms();
    VbForm* form = d.open();
    ASSERT_NE(form, nullptr);
    const QPointer<QDateEdit> picker(d.picker(form));
    closing_.arm(form);
    picker->setDate(Today().addDays(3));
    closing_.disarm();
    EXPECT_EQ(closing_.shown, QStringList{kFutureDate});
    EXPECT_TRUE(closing_.closedInside);
    EXPECT_TRUE(picker.isNull()) << "the picker went with its form";
  }
}

}  // namespace
