// The doctor list and the doctor card over the doctor table, doctors entered through the form
// (only their display name set) among them.
#include "framework/flexgrid.h"
#include "framework/twips.h"
#include "masters/frmAddDoctorDetail.h"
#include "masters/frmViewAllDoctors.h"
#include "masters/frmViewDrDetails.h"
#include "masters_support.h"

namespace {

class DoctorViewsTest : public MastersTest {
protected:
  void addThree() {
    exec(QStringLiteral("INSERT INTO SettingDrDetails VALUES ('Dr.Zerdan , M.B.B.S', 'Amina', 'Osei', 'Female', "
                        "'0244', '0302', '1980-01-20', '46', '77', 'Box 12', 'a@b.c', 'Surgeon', 'MBBS', 'Eyes', "
                        "'08:00', '16:00', 'Monday,Friday')"));
    exec(QStringLiteral("INSERT INTO SettingDrDetails(DoctorID) VALUES ('Dr.Kofi , M.S')"));  // as the form saves
    exec(QStringLiteral("INSERT INTO SettingDrDetails(DoctorID, FirstName) VALUES ('Dr.Abena , M.D', 'Abena')"));
  }
  // A grid column's texts, without the line breaks the card wraps its cells with.
  static std::vector<std::string> gridColumn(FlexGrid& grid, int col) {
    std::vector<std::string> out;
    for (int r = 0; r < grid.Rows(); ++r)
      out.push_back(grid.TextMatrix(r, col).remove(QLatin1Char('\r')).remove(QLatin1Char('\n')).toStdString());
    return out;
  }
};

TEST_F(DoctorViewsTest, TheListNumbersEveryDoctorInTableOrder) {
  addThree();
  auto* form = open<frmAddDoctorDetail>();
  Click(form->Picture8);
  auto* list = LoadedForm<frmViewAllDoctors>();
  ASSERT_NE(list, nullptr);
  EXPECT_FALSE(form->FormWindow()->isEnabled());
  EXPECT_EQ(gridColumn(list->MSFlexGrid1, 0), (std::vector<std::string>{"No.", " 1", " 2", " 3"}));
  EXPECT_EQ(gridColumn(list->MSFlexGrid1, 1),
            (std::vector<std::string>{"Doctor Name", "Dr.Zerdan , M.B.B.S", "Dr.Kofi , M.S", "Dr.Abena , M.D"}));
  // The two columns plus 350, and the list 2000 wider (to the pixel).
  EXPECT_EQ(list->MSFlexGrid1.width(), TwipsToPixels(3350));
  EXPECT_EQ(list->FormWindow()->width(), TwipsToPixels(5350));
  Click(list->ShockwaveFlash2);
  EXPECT_EQ(LoadedForm<frmViewAllDoctors>(), nullptr);
  EXPECT_TRUE(form->FormWindow()->isEnabled());

  // No doctors: the list says so and the form is usable again.
  exec(QStringLiteral("DELETE FROM SettingDrDetails"));
  boxes().expect(QStringLiteral("No Record Found"), QStringLiteral("No Record Warning"), vbExclamation);
  PressKey(form->txtDoctorID, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(LoadedForm<frmViewAllDoctors>(), nullptr);
  EXPECT_TRUE(form->FormWindow()->isEnabled());
}

TEST_F(DoctorViewsTest, TheCardFindsADoctorByFirstNameAndShowsEmptyColumnsAsEmpty) {
  addThree();
  auto* card = open<frmViewDrDetails>();
  ASSERT_NE(card, nullptr);
  QStringList names;
  for (int i = 0; i < card->cmbDrName.count(); ++i) names << card->cmbDrName.itemText(i);
  EXPECT_EQ(names, (QStringList{"Amina", "", "Abena"}));
  EXPECT_EQ(gridColumn(card->MSFlexGrid1, 0).size(), 17u);
  EXPECT_EQ(card->MSFlexGrid1.TextMatrix(13, 0), "Spcialization");

  TypeOver(card->cmbDrName, QStringLiteral("am"));
  Click(card->Picture1);
  const std::vector<std::string> amina = {"Dr.Zerdan , M.B.B.S", "Amina", "Osei", "Female", "0244", "0302",
                                          "1980-01-20", "46", "77", "Box 12", "a@b.c", "Surgeon", "MBBS",
                                          "Eyes", "08:00", "16:00", "Monday,Friday"};
  EXPECT_EQ(gridColumn(card->MSFlexGrid1, 1), amina);

  // A doctor with only a first name: every other row is empty, nothing fails.
  TypeOver(card->cmbDrName, QStringLiteral("ab"));
  Click(card->Picture1);
  std::vector<std::string> abena(17, "");
  abena[0] = "Dr.Abena , M.D";
  abena[1] = "Abena";
  EXPECT_EQ(gridColumn(card->MSFlexGrid1, 1), abena);

  // The display name is never searched.
  card->cmbDrName.setEditText(QStringLiteral("Dr.Kofi , M.S"));
  boxes().expect(QStringLiteral("Doctor Name Not Found"), QStringLiteral("Warning"), vbCritical);
  Click(card->Picture1);
  card->cmbDrName.setEditText(QString());
  boxes().expect(QStringLiteral("Please select the Dr Name"));
  Click(card->Picture1);
}

}  // namespace
