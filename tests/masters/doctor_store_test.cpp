// What the doctor form stores: every box in its column of SettingDrDetails, shown back when the
// row is shown again, kept by a Modify of another box, and found by the doctor card.
#include <QListWidget>
#include <QPlainTextEdit>

#include "framework/flexgrid.h"
#include "masters/frmAddDoctorDetail.h"
#include "masters/frmAvailableDays.h"
#include "masters/frmViewDrDetails.h"
#include "masters_support.h"

namespace {

// A doctor as the form stores one, every column filled.
const QStringList kZerdan = {"Dr.Zerdan , M.B.B.S", "Amina", "Osei", "Female", "0244", "0302", "20/01/1980",
                             " 46 Years,  10 Months,  20 Days", "77", "Box 12\nAccra", "a@b.c", "Surgeon", "MBBS",
                             "Eyes", "08:30", "17:00", "Monday,Friday"};

class DoctorStoreTest : public MastersTest {
protected:
  // One stored doctor, its seventeen columns as texts ("" for a column without a value).
  QStringList stored(const QString& doctorId) const {
    Recordset rs;
    rs.Open(QStringLiteral("SELECT * FROM SettingDrDetails"), openDb(), adOpenStatic, adLockReadOnly);
    for (; !rs.Eof(); rs.MoveNext()) {
      if (rs.Fields(0).toText() != doctorId) continue;
      QStringList cells;
      for (int i = 0; i < rs.FieldCount(); ++i) cells << rs.Fields(i).toText();
      return cells;
    }
    return {};
  }
  void insert(const QStringList& cells) {
    QStringList literals;
    for (const QString& c : cells) literals << "'" + QString(c).replace("'", "''") + "'";
    exec(QStringLiteral("INSERT INTO SettingDrDetails VALUES (%1)").arg(literals.join(',')));
  }
  // The seventeen boxes as the form shows them, in the table's column order.
  QStringList shown() const {
    return {form->txtDoctorID.text(),
            form->txtFirstName.text(),
            form->txtLastName.text(),
            form->cmbSex.currentText(),
            form->txtMobilePhone.text(),
            form->txtHomePhone.text(),
            form->DTPicker1.date().toString(QStringLiteral("dd/MM/yyyy")),
            form->txtAge.text(),
            form->txtPagerNumber.text(),
            form->txtAddress.toPlainText(),
            form->txtEmailId.text(),
            form->txtDoctorType.text(),
            form->txtQualification.text(),
            form->txtSpecialization.text(),
            form->DTPicker2.time().toString(QStringLiteral("HH:mm")),
            form->DTPicker3.time().toString(QStringLiteral("HH:mm")),
            form->txtAvailabledays.toPlainText()};
  }
  void chooseDays(const QStringList& days) {
    PressKey(form->Command1, Qt::Key_Space);
    auto* picker = LoadedForm<frmAvailableDays>();
    ASSERT_NE(picker, nullptr);
    for (const QString& day : days) PickEntry(picker->List1, day);
    Click(picker->Picture1);
  }

  frmAddDoctorDetail* form = nullptr;
};

TEST_F(DoctorStoreTest, EveryBoxIsStoredInItsColumnShownBackAndFoundByTheCard) {
  exec(QStringLiteral("INSERT INTO SettingDrDetails(DoctorID) VALUES ('Dr.Kofi')"));  // a doctor of old
  form = open<frmAddDoctorDetail>();
  ASSERT_NE(form, nullptr);
  Click(form->Picture5);
  TypeOver(form->txtDoctorID, kZerdan[0]);
  TypeOver(form->txtFirstName, kZerdan[1]);
  TypeOver(form->txtLastName, kZerdan[2]);
  form->cmbSex.setFocus();
  TypeKeys(form->cmbSex.lineEdit(), QStringLiteral("f"));
  TypeOver(form->txtMobilePhone, kZerdan[4]);
  TypeOver(form->txtHomePhone, kZerdan[5]);
  form->DTPicker1.setDate(QDate(1980, 1, 20));  // the user picks the birth date: the age follows
  TypeOver(form->txtPagerNumber, kZerdan[8]);
  form->txtAddress.setFocus();
  TypeKeys(form->txtAddress, QStringLiteral("Box 12"));
  PressKey(form->txtAddress, Qt::Key_Return);
  TypeKeys(form->txtAddress, QStringLiteral("Accra"));
  TypeOver(form->txtEmailId, kZerdan[10]);
  TypeOver(form->txtDoctorType, kZerdan[11]);
  TypeOver(form->txtQualification, kZerdan[12]);
  TypeOver(form->txtSpecialization, kZerdan[13]);
  form->DTPicker2.setTime(QTime(8, 30));
  form->DTPicker3.setTime(QTime(17, 0));
  chooseDays({QStringLiteral("Friday"), QStringLiteral("Monday")});
  ASSERT_EQ(shown(), kZerdan);
  boxes().expect(kSaved, QStringLiteral("Update Info"), vbExclamation);
  Click(form->Picture9);

  const QStringList row = stored(kZerdan[0]);
  ASSERT_EQ(row.size(), 17);
  for (int c = 0; c < 17; ++c) EXPECT_EQ(row[c], kZerdan[c]) << "column " << c;

  // Away to the old doctor, whose boxes are empty, and back: every box shows its value again.
  Click(form->Picture1);
  EXPECT_EQ(form->txtDoctorID.text(), "Dr.Kofi");
  EXPECT_EQ(form->txtFirstName.text(), "");
  EXPECT_EQ(form->txtAvailabledays.toPlainText(), "");
  EXPECT_EQ(form->DTPicker2.time(), QTime(0, 0));
  Click(form->Picture4);
  EXPECT_EQ(shown(), kZerdan);
  EXPECT_EQ(form->DTPicker1.date(), QDate(1980, 1, 20));
  EXPECT_EQ(boxes().pending(), 0);
  form->Unload();

  // The card lists the first names and finds the doctor by hers.
  auto* card = open<frmViewDrDetails>();
  ASSERT_NE(card, nullptr);
  QStringList names;
  for (int i = 0; i < card->cmbDrName.count(); ++i) names << card->cmbDrName.itemText(i);
  EXPECT_EQ(names, (QStringList{"", "Amina"}));
  TypeOver(card->cmbDrName, QStringLiteral("Amina"));
  Click(card->Picture1);
  for (int r = 0; r < 17; ++r) {
    const QString cell = card->MSFlexGrid1.TextMatrix(r, 1).remove('\r').remove('\n');
    EXPECT_EQ(cell, QString(kZerdan[r]).remove('\n')) << "row " << r;
  }
}

TEST_F(DoctorStoreTest, ModifyOfOneBoxKeepsTheOthersAndAPickerLeftAloneInventsNothing) {
  insert(kZerdan);
  exec(QStringLiteral("INSERT INTO SettingDrDetails(DoctorID) VALUES ('Dr.Kofi')"));
  form = open<frmAddDoctorDetail>();
  ASSERT_NE(form, nullptr);
  ASSERT_EQ(shown(), kZerdan);
  Click(form->Picture6);
  TypeOver(form->txtMobilePhone, QStringLiteral("0555"));
  boxes().expect(kSaved);
  Click(form->Picture9);
  QStringList expected = kZerdan;
  expected[4] = QStringLiteral("0555");
  EXPECT_EQ(stored(kZerdan[0]), expected);

  // A doctor stored with no birth date and no hours keeps none when another box is changed.
  Click(form->Picture4);
  ASSERT_EQ(form->txtDoctorID.text(), "Dr.Kofi");
  Click(form->Picture6);
  TypeOver(form->txtQualification, QStringLiteral("M.S"));
  boxes().expect(kSaved);
  Click(form->Picture9);
  QStringList kofi(17, QString());
  kofi[0] = QStringLiteral("Dr.Kofi");
  kofi[12] = QStringLiteral("M.S");
  EXPECT_EQ(stored(QStringLiteral("Dr.Kofi")), kofi);

  // A new doctor whose birth date and hours were never picked stores none either; one picked
  // is stored.
  const struct {
    const char* name;
    bool pick;
    const char* birth;
    const char* in;
  } cases[] = {{"Dr.Ama", false, "", ""}, {"Dr.Esi", true, "05/12/1980", "09:15"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Click(form->Picture5);
    TypeOver(form->txtDoctorID, QLatin1String(c.name));
    if (c.pick) {
      form->DTPicker1.setDate(QDate(1980, 12, 5));
      form->DTPicker2.setTime(QTime(9, 15));
    }
    boxes().expect(kSaved);
    Click(form->Picture9);
    const QStringList row = stored(QLatin1String(c.name));
    ASSERT_EQ(row.size(), 17);
    EXPECT_EQ(row[6], QLatin1String(c.birth));
    EXPECT_EQ(row[14], QLatin1String(c.in));
    EXPECT_EQ(row[15], "");
    EXPECT_EQ(row[7], c.pick ? QStringLiteral(" 46 Years,  0 Months,  5 Days") : QString());
  }
}

}  // namespace
