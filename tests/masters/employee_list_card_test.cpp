// The employee list (View All of the register) and the employee card.
#include "employees_support.h"
#include "framework/listform.h"
#include "framework/twips.h"
#include "masters/frmViewEmpDetails.h"
#include "masters/frmViewEmployeeDetails.h"

namespace {

TEST_F(EmployeesTest, TheListShowsEveryColumnAsStoredNumberedWithABlank) {
  addEmployee("7", "Ravi", "05/12/1980", "Not Available");
  addRow({q("8"), q("Meena"), "NULL", q("Female"), q("1"), q("2"), q("25/11/1981"), q("a"), q("3"),
          q("Road"), q("m@x"), q("Clerk"), q("B.A")});
  addEmployee("9", "Sita");
  ASSERT_NE(open(), nullptr);
  Click(form->Picture8);  // View All
  auto* list = LoadedForm<frmViewEmployeeDetails>();
  ASSERT_NE(list, nullptr);
  EXPECT_TRUE(list->FormWindow()->isVisible());
  EXPECT_FALSE(form->FormWindow()->isEnabled());
  EXPECT_EQ(list->ShockwaveFlash1.GetVariable("Receive"), QString(28, ' ') + "View All Employee Details");
  EXPECT_EQ(list->Width(), 12000);
  EXPECT_EQ(list->FormWindow()->height(), TwipsToPixels(4000));
  EXPECT_EQ(list->MSFlexGrid1.width(), TwipsToPixels(10000));
  EXPECT_NE(list->focusWidget(), &list->MSFlexGrid1);

  const FlexGrid& g = list->MSFlexGrid1;
  ASSERT_EQ(g.Rows(), 4);
  ASSERT_EQ(g.Cols(), 14);
  const QStringList headings{"No.", "Employee ID", "First Name", "Last Name", "Sex", "Mobile Phone", "Home Phone",
                             "Date of Birth", "Age", "Pager Number", "Address", "Email Id", "Employee Type",
                             "Qualification"};
  const int widths[] = {500, 1500, 1500, 1500, 900, 1500, 1500, 1000, 800, 1500, 5000, 2000, 1500, 1500};
  for (int c = 0; c < 14; ++c) {
    EXPECT_EQ(g.TextMatrix(0, c), headings[c]);
    EXPECT_EQ(g.ColWidth(c), widths[c]) << c;
  }
  QStringList numbers, ids;
  for (int r = 1; r < 4; ++r) numbers << g.TextMatrix(r, 0), ids << g.TextMatrix(r, 1);
  EXPECT_EQ(numbers, (QStringList{" 1", " 2", " 3"}));
  EXPECT_EQ(ids, (QStringList{"7", "8", "9"}));
  EXPECT_EQ(g.TextMatrix(1, 5), "Not Available");
  EXPECT_EQ(g.TextMatrix(1, 7), "05/12/1980");
  EXPECT_EQ(g.TextMatrix(2, 3), "");      // an empty cell, and the filling goes on
  EXPECT_EQ(g.TextMatrix(2, 13), "B.A");  // table column 12 in grid column 13
  EXPECT_EQ(g.TextMatrix(3, 2), "Sita");

  emit list->ShockwaveFlash2.FSCommand("Closex", "");
  EXPECT_NE(LoadedForm<frmViewEmployeeDetails>(), nullptr);
  emit list->ShockwaveFlash2.FSCommand(" CLOSE ", "");
  EXPECT_EQ(LoadedForm<frmViewEmployeeDetails>(), nullptr);
  EXPECT_TRUE(form->FormWindow()->isEnabled());
  EXPECT_TRUE(boxes().shown().empty());
}

TEST_F(EmployeesTest, AnEmptyTableGivesNoListAndTheRegisterStaysUsable) {
  ASSERT_NE(open(), nullptr);
  boxes().expect("No Record Found", "No Record Warning", vbExclamation);
  Click(form->Picture8);
  EXPECT_EQ(boxes().pending(), 0);
  EXPECT_EQ(LoadedForm<frmViewEmployeeDetails>(), nullptr);
  EXPECT_TRUE(form->FormWindow()->isEnabled());
}

class EmployeeCardTest : public EmployeesTest {
protected:
  frmViewEmpDetails* openCard() { return card = ShowForm<frmViewEmpDetails>(); }
  void find(const QString& name) {
    card->cmbDrName.setEditText(name);
    Click(card->Picture1);
  }
  QStringList values() const {
    QStringList v;
    // The layout pass ends every shown value with a line break.
    for (int r = 0; r < card->MSFlexGrid1.Rows(); ++r) v << card->MSFlexGrid1.TextMatrix(r, 1).remove("\r\n");
    return v;
  }
  frmViewEmpDetails* card = nullptr;
};

TEST_F(EmployeeCardTest, TheCardShowsTheFirstEmployeeOfThatName) {
  addEmployee("7", "Ravi", "05/12/1980", "Not Available");
  addEmployee("8", "Ravi", "25/11/1981");
  ASSERT_NE(openCard(), nullptr);
  EXPECT_EQ(card->cmbDrName.objectName(), "cmbEmpName");
  EXPECT_EQ(card->ShockwaveFlash1.GetVariable("Receive"), QString(16, ' ') + "View Employee Details");
  EXPECT_EQ(card->lblDrName.text(), "Employee Name");
  const QStringList labels{"Employee ID", "First Name", "Last Name", "Sex", "Mobile Phone", "Home Phone",
                           "Date of Birth", "Age", "Pager Number", "Address", "Email Id", "Employee Type",
                           "Qualification"};
  ASSERT_EQ(card->MSFlexGrid1.Rows(), 13);
  for (int r = 0; r < 13; ++r) EXPECT_EQ(card->MSFlexGrid1.TextMatrix(r, 0), labels[r]);

  boxes().expect("Please select the Employee Name");
  find("");
  boxes().expect("Employee Name Not Found");
  find("ravi");  // case counts
  find("Ravi");
  EXPECT_EQ(values(), (QStringList{"7", "Ravi", "K", "Male", "Not Available", "Not Available", "05/12/1980",
                                   " 46 Years,  0 Months,  5 Days", "Not Available", "12 Lake Road",
                                   "Not Available", "Nurse", "B.Sc"}));
  EXPECT_EQ(boxes().pending(), 0);
}

TEST_F(EmployeeCardTest, ALongAddressWrapsAndItsRowGrows) {
  addRow({q("7"), q("Ravi"), q("K"), q("Male"), q("1"), q("2"), q("05/12/1980"), q("a"), q("3"),
          q("Flat 12, Second Floor, Sunrise Apartments, Lake View Road"), q("r@x"), q("Nurse"), q("B.Sc")});
  ASSERT_NE(openCard(), nullptr);
  const int before = card->MSFlexGrid1.RowHeight(9);
  find("Ravi");
  EXPECT_TRUE(card->MSFlexGrid1.TextMatrix(9, 1).contains("\r\n"));
  EXPECT_GT(card->MSFlexGrid1.RowHeight(9), before);
}

TEST_F(EmployeeCardTest, AnEmptyTableClosesTheCard) {
  boxes().expect("No Record Found", "No Record Warning", vbExclamation);
  EXPECT_EQ(openCard(), nullptr);
  EXPECT_EQ(LoadedForm<frmViewEmpDetails>(), nullptr);
  EXPECT_EQ(menus, (QStringList{"hide", "show"}));
}

}  // namespace
