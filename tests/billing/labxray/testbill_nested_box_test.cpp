// The test bill forms' message boxes as the program shows them: a real modal box with its own
// event loop. Whatever that loop runs may close the form; the form must then be left alone when
// the box returns, not printed, stored or given the focus.
#include <gtest/gtest.h>

#include <functional>

#include "labxray_support.h"
#include "support/closing_box.h"

namespace {

class TestBillNestedBoxTest : public LabXRayTest {
protected:
  FormClosingBox closing_;
};

TEST_F(TestBillNestedBoxTest, AFormClosedWhileItsBoxIsUpIsLeftAloneAfterIt) {
  const struct {
    const char* name;
    std::function<void(TestBillForm*)> before;  // what the clerk did first
    std::function<void(TestBillForm*)> act;     // the step whose box comes up
    const char* box;
  } cases[] = {
      {"Add with no test", [](TestBillForm*) {}, [](TestBillForm* f) { Click(f->Picture1); },
       "Please Select the Description First"},
      {"a future date", [](TestBillForm*) {}, [](TestBillForm* f) { f->DTPicker1.setDate(Today().addDays(3)); },
       "Please Select date Less than Equal To Current Date\r\nYou cannt Bill for Future Date"},
      {"a wrong discount", [](TestBillForm* f) { addTests(f, {"CBC"}); TypeOver(f->txtDiscount, "x"); },
       [](TestBillForm* f) { Click(f->Picture2); }, "Please select Correct Discount ! This is Invalid Discount"},
      {"a stray patient text", [](TestBillForm* f) {
         addTests(f, {"CBC"});
         TypeKeys(f->cmbPatientName, "OP20");
         PressKey(f->cmbPatientName, Qt::Key_Backspace);
       },
       [](TestBillForm* f) { Click(f->Picture2); }, "Please Select the Patient Name First"},
      {"the print question", [](TestBillForm* f) { addTests(f, {"CBC"}); },
       [](TestBillForm* f) { Click(f->Picture2); }, "Do you wish to Print this Bill"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ResetForms();
    auto* f = open<frmLabBillReport>();
    ASSERT_TRUE(f);
    c.before(f);
    const int sheets = printer().EndDocCount();
    closing_.arm(f);
    c.act(f);
    closing_.disarm();
    EXPECT_EQ(closing_.shown, QStringList{QString::fromLatin1(c.box)});
    EXPECT_TRUE(closing_.closedInside);
    EXPECT_FALSE(LoadedForm<frmLabBillReport>());
    EXPECT_EQ(printer().EndDocCount(), sheets);
    EXPECT_EQ(scalar("SELECT count(*) FROM LabPrintDetails"), "0");
  }
}

}  // namespace
