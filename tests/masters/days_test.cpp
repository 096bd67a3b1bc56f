// The available-days picker: the day list it hands back, the hand-off with the doctor form and
// the doctor form's hot keys once it has closed.
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "masters/frmAddDoctorDetail.h"
#include "masters/frmAvailableDays.h"
#include "masters_support.h"

namespace {

class DaysTest : public MastersTest {
protected:
  void SetUp() override {
    MastersTest::SetUp();
    exec(QStringLiteral("INSERT INTO SettingDrDetails(DoctorID) VALUES ('Dr.Amina')"));
    form = open<frmAddDoctorDetail>();
    ASSERT_NE(form, nullptr);
  }
  // The "..." button, pressed from the keyboard.
  frmAvailableDays* openPicker() {
    PressKey(form->Command1, Qt::Key_Space);
    return LoadedForm<frmAvailableDays>();
  }
  QString days() const { return form->txtAvailabledays.toPlainText(); }

  frmAddDoctorDetail* form = nullptr;
};

TEST_F(DaysTest, OkHandsBackTheChosenDaysInWeekOrder) {
  const struct {
    const char* clicks;  // entries clicked in this order
    const char* text;
  } cases[] = {
      {"Monday,Wednesday,Friday", "Monday,Wednesday,Friday"},
      {"Friday,Sunday", "Sunday,Friday"},
      {"Tuesday,All Days,Saturday", "Sunday,Monday,Tuesday,Wednesday,Thursday,Friday,Saturday"},
      {"Monday,Monday,Thursday", "Thursday"},  // a second click takes a day off again
      {"", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.clicks);
    form->txtAvailabledays.setPlainText(QStringLiteral("Sunday"));
    frmAvailableDays* picker = openPicker();
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(days(), "");  // every opening starts from an empty list
    EXPECT_EQ(picker->List1.count(), 8);
    for (const QString& e : QString::fromUtf8(c.clicks).split(',', Qt::SkipEmptyParts)) PickEntry(picker->List1, e);
    Click(picker->Picture1);
    EXPECT_EQ(LoadedForm<frmAvailableDays>(), nullptr);
    EXPECT_EQ(days(), QString::fromUtf8(c.text));
  }
}

TEST_F(DaysTest, ThePickerHoldsTheDoctorFormWhileOpenAndGivesItsKeysBackWhenClosed) {
  form->txtAvailabledays.setPlainText(QStringLiteral("Monday"));
  frmAvailableDays* picker = openPicker();
  ASSERT_NE(picker, nullptr);
  EXPECT_EQ(picker->CallerForm(), form);
  EXPECT_FALSE(form->FormWindow()->isEnabled());
  EXPECT_EQ(gActiveForm, picker);

  // The doctor form's keys rest while the picker is in front.
  PressKey(picker->List1, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(mode(form), "browse");
  PickEntry(picker->List1, QStringLiteral("Monday"));

  // Closed without OK: the list stays empty, the form is back and its keys reach it.
  Click(picker->ShockwaveFlash2);
  EXPECT_EQ(LoadedForm<frmAvailableDays>(), nullptr);
  EXPECT_EQ(days(), "");
  EXPECT_TRUE(form->FormWindow()->isEnabled());
  EXPECT_EQ(gActiveForm, form);
  PressKey(form->txtDoctorID, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(mode(form), "edit");
  PressKey(form->txtDoctorID, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(mode(form), "browse");

  // The same after OK, and closing the doctor form still frees its keys.
  picker = openPicker();
  ASSERT_NE(picker, nullptr);
  Click(picker->Picture1);
  EXPECT_EQ(gActiveForm, form);
  PressKey(form->txtDoctorID, Qt::Key_L, Qt::ControlModifier);
  EXPECT_EQ(form->txtDoctorID.text(), "Dr.Amina");
  form->Unload();
  for (bool flag : gHotKeyRegistered) EXPECT_FALSE(flag);
}

TEST_F(DaysTest, ASecondCallWhileThePickerIsInUseIsToldToWait) {
  frmAvailableDays* picker = openPicker();
  ASSERT_NE(picker, nullptr);
  boxes().expect(QStringLiteral("Days already in use.\r\nPlease complete prvious request."), QString(), vbOKOnly);
  frmAvailableDays::LookUp(form);
  EXPECT_EQ(LoadedForm<frmAvailableDays>(), picker);
  EXPECT_EQ(picker->CallerForm(), form);
  Click(picker->ShockwaveFlash2);
  EXPECT_TRUE(form->FormWindow()->isEnabled());
}

class DaysInMainWindowTest : public MastersTest {
protected:
  void SetUp() override {
    MastersTest::SetUp();
    area = std::make_unique<QMdiArea>();
    area->resize(1200, 900);
    SetMdiArea(area.get());
    area->show();
  }
  void TearDown() override {
    MastersTest::TearDown();
    SetMdiArea(nullptr);
    area.reset();
  }
  std::unique_ptr<QMdiArea> area;
};

TEST_F(DaysInMainWindowTest, ThePickerComesToTheFrontAndHandsTheFormBack) {
  exec(QStringLiteral("INSERT INTO SettingDrDetails(DoctorID) VALUES ('Dr.Amina')"));
  auto* form = ShowForm<frmAddDoctorDetail>();
  ASSERT_NE(form, nullptr);
  frmAvailableDays::LookUp(form);
  auto* picker = LoadedForm<frmAvailableDays>();
  ASSERT_NE(picker, nullptr);
  EXPECT_EQ(area->activeSubWindow(), picker->FormWindow());
  EXPECT_FALSE(form->FormWindow()->isEnabled());
  picker->List1.item(3)->setSelected(true);
  Click(picker->Picture1);
  EXPECT_EQ(form->txtAvailabledays.toPlainText(), "Tuesday");
  EXPECT_TRUE(form->FormWindow()->isEnabled());
  EXPECT_EQ(area->activeSubWindow(), form->FormWindow());
  EXPECT_EQ(gActiveForm, form);
}

}  // namespace
