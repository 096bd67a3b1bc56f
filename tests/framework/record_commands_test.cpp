// The record bar's ten commands: the button a command's CTRL key, hot-key id and named operation
// reach is the one whose tip names that key, and only while the bar shows it.
#include <QLineEdit>
#include <memory>

#include "framework/recordform.h"
#include "framework/recordhotkeys.h"
#include "globals.h"
#include "support/fixture.h"
#include "support/input.h"

namespace {

// A record form whose ten click handlers only note the button clicked.
class BarForm : public RecordForm {
public:
  BarForm() : RecordForm(RecordFormConfig{}) {}
  QLineEdit box{this};
  QStringList clicks;
  void display() override {}

protected:
  QWidget* KeyInput() override { return &box; }
  void ClearInputs() override {}
  bool ValidateSave() override { return false; }
  void WriteColumns() override {}
  void ViewAllRecords() override {}
  void Picture1_Click() override { clicks << "Picture1"; }
  void Picture2_Click() override { clicks << "Picture2"; }
  void Picture3_Click() override { clicks << "Picture3"; }
  void Picture4_Click() override { clicks << "Picture4"; }
  void Picture5_Click() override { clicks << "Picture5"; }
  void Picture6_Click() override { clicks << "Picture6"; }
  void Picture7_Click() override { clicks << "Picture7"; }
  void Picture8_Click() override { clicks << "Picture8"; }
  void Picture9_Click() override { clicks << "Picture9"; }
  void Picture10_Click() override { clicks << "Picture10"; }
};

// What the clerk sees on each button, and how each is reached.
const struct {
  const char* button;
  const char* picture;
  const char* tip;
  char key;
  int hotKeyId;
  void (RecordForm::*operation)();
  bool editMode;  // shown in edit mode (else in browse mode)
} kBar[] = {
    {"Picture1", "first.gif", "Move First ( CTRL +  F ) ", 'F', 5, &RecordForm::movef, false},
    {"Picture2", "previous.gif", "Move Previous ( CTRL +  P ) ", 'P', 6, &RecordForm::moven, false},
    {"Picture3", "next.gif", "Move Next ( CTRL +  N ) ", 'N', 7, &RecordForm::movep, false},
    {"Picture4", "last.gif", "Move Last ( CTRL +  L ) ", 'L', 8, &RecordForm::movel, false},
    {"Picture5", "new.gif", "Add New Record ( CTRL +  A ) ", 'A', 0, &RecordForm::addnew, false},
    {"Picture6", "edit.gif", "Modify Record ( CTRL +  M ) ", 'M', 1, &RecordForm::edit, false},
    {"Picture7", "delete.gif", "Delete the Current Record ( CTRL +  D ) ", 'D', 2, &RecordForm::Delete, false},
    {"Picture8", "viewall.gif", "View All the Record ( CTRL +  V ) ", 'V', 9, &RecordForm::viewall, false},
    {"Picture9", "save.gif", "Save the Current Record ( CTRL +  S ) ", 'S', 3, &RecordForm::save, true},
    {"Picture10", "cancel.gif", "Cancel the Record ( CTRL +  C ) ", 'C', 4, &RecordForm::Cancel, true},
};

class RecordCommandsTest : public HalvionTest {
protected:
  void SetUp() override {
    HalvionTest::SetUp();
    form = std::make_unique<BarForm>();
    form->resize(600, 200);
    form->box.setGeometry(10, 10, 200, 24);
    form->show();
    gActiveForm = form.get();
    SetupRecordButtons(form.get());
    RegisterRecordHotKeys();
  }
  void TearDown() override {
    UnregisterRecordHotKeys();
    form.reset();
    HalvionTest::TearDown();
  }
  std::unique_ptr<BarForm> form;
};

TEST_F(RecordCommandsTest, EachButtonShowsItsPictureAndTheTipOfTheKeyThatClicksIt) {
  for (int n = 1; n <= 10; ++n) {
    const auto& b = kBar[n - 1];
    ImageButton* button = form->RecordButton(n);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->objectName(), b.button);
    EXPECT_EQ(button->pictureFile(), b.picture) << b.button;
    EXPECT_EQ(button->toolTip(), b.tip) << b.button;
    EXPECT_TRUE(button->toolTip().contains(QStringLiteral("( CTRL +  %1 ) ").arg(QLatin1Char(b.key)))) << b.button;
  }
}

TEST_F(RecordCommandsTest, KeyIdAndOperationEachClickTheirButtonOnlyWhileItIsShown) {
  for (bool editMode : {false, true}) {
    SetRecordButtonsMode(form.get(), editMode);
    for (const auto& b : kBar) {
      const QStringList expected = b.editMode == editMode ? QStringList{b.button} : QStringList{};
      const std::string what = std::string(b.button) + (editMode ? " in edit mode" : " in browse mode");

      form->clicks.clear();
      PressKey(form->box, Qt::Key(b.key), Qt::ControlModifier);
      EXPECT_EQ(form->clicks, expected) << "CTRL+" << b.key << ", " << what;

      form->clicks.clear();
      RunHotKeyCommand(b.hotKeyId);
      EXPECT_EQ(form->clicks, expected) << "hot key " << b.hotKeyId << ", " << what;

      form->clicks.clear();
      (form.get()->*b.operation)();
      EXPECT_EQ(form->clicks, expected) << "operation, " << what;
    }
  }
}

}  // namespace
