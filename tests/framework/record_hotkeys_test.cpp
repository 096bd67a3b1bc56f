// The record forms' CTRL hot keys: which key reaches which operation of the active form, keys
// taken before the text boxes, a disabled form, an open message box, keys that another program
// holds, and the release at unload.
#include <QDialog>
#include <QLineEdit>
#include <memory>

#include "framework/recordform.h"
#include "framework/recordhotkeys.h"
#include "globals.h"
#include "platform/hotkeys.h"
#include "support/fixture.h"
#include "support/input.h"

namespace {

// A form taking the ten commands, noting each by its operation's name.
class NotingForm : public VbForm, public RecordCommandTarget {
public:
  QLineEdit box{this};
  QStringList calls;
  void Run(RecordCommand command) override { calls << RecordForm::Command(command).operation; }
};

const char kKeys[] = {'A', 'M', 'D', 'S', 'C', 'F', 'P', 'N', 'L', 'V'};

QString failureText(char key) {
  return QStringLiteral("Can not register all %1 one of the hotkeys CTRL+%2 ... Try other keys this key is "
                        "already registered by some other running applications.")
      .arg(key == 'C' ? QStringLiteral("0r") : QStringLiteral("or"))
      .arg(QLatin1Char(key));
}

class RecordHotKeysTest : public HalvionTest {
protected:
  void SetUp() override {
    HalvionTest::SetUp();
    form = std::make_unique<NotingForm>();
    form->resize(300, 100);
    form->box.setGeometry(10, 10, 200, 24);
    form->show();
    gActiveForm = form.get();
  }
  void TearDown() override {
    UnregisterRecordHotKeys();
    for (char k : kKeys) SetHotKeyHeldElsewhere(MOD_CONTROL, k, false);
    form.reset();
    HalvionTest::TearDown();
  }

  std::unique_ptr<NotingForm> form;
};

TEST_F(RecordHotKeysTest, EachKeyCallsItsOperationOnTheActiveFormBeforeTheTextBoxSeesIt) {
  RegisterRecordHotKeys();
  const struct {
    char key;
    const char* op;
  } cases[] = {{'A', "addnew"}, {'M', "edit"},  {'D', "delete"}, {'S', "save"},  {'C', "Cancel"},
               {'F', "movef"},  {'P', "moven"}, {'N', "movep"},  {'L', "movel"}, {'V', "viewall"}};
  form->box.setText(QStringLiteral("abc"));
  for (const auto& c : cases) {
    form->calls.clear();
    PressKey(&form->box, Qt::Key(c.key), Qt::ControlModifier);
    EXPECT_EQ(form->calls, QStringList{QLatin1String(c.op)}) << "CTRL+" << c.key;
  }
  // CTRL+A and CTRL+V never reached the box: nothing selected, nothing pasted.
  EXPECT_EQ(form->box.text(), "abc");
  EXPECT_FALSE(form->box.hasSelectedText());

  form->calls.clear();
  PressKey(form->box, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
  PressKey(form->box, Qt::Key_S, Qt::AltModifier);
  PressKey(form->box, Qt::Key_B, Qt::ControlModifier);
  RunHotKeyCommand(10);
  EXPECT_TRUE(form->calls.isEmpty()) << form->calls.join(',').toStdString();
}

TEST_F(RecordHotKeysTest, KeysReachTheActiveFormWhileItIsDisabledButNotWhileAMessageBoxIsOpen) {
  RegisterRecordHotKeys();
  // A list form on top has the keyboard and the record form is disabled.
  QWidget list;
  QLineEdit listBox(&list);
  list.show();
  form->setEnabled(false);
  PressKey(&listBox, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(form->calls, QStringList{"viewall"});

  form->setEnabled(true);
  form->calls.clear();
  QDialog box;
  QLineEdit inBox(&box);
  box.setModal(true);
  box.show();
  inBox.setText(QStringLiteral("xy"));
  PressKey(&inBox, Qt::Key_D, Qt::ControlModifier);
  PressKey(&inBox, Qt::Key_A, Qt::ControlModifier);
  EXPECT_TRUE(form->calls.isEmpty());
  EXPECT_EQ(inBox.selectedText(), "xy");  // the box inside the dialog got its CTRL+A
  box.hide();
  PressKey(&form->box, Qt::Key_D, Qt::ControlModifier);
  EXPECT_EQ(form->calls, QStringList{"delete"});
}

TEST_F(RecordHotKeysTest, AnActiveFormWithoutRecordOperationsIgnoresTheKeys) {
  RegisterRecordHotKeys();
  QWidget picker;  // a form of its own that made itself active, the keys still registered
  QLineEdit pickerBox(&picker);
  picker.show();
  gActiveForm = &picker;
  pickerBox.setText(QStringLiteral("pq"));
  PressKey(&pickerBox, Qt::Key_N, Qt::ControlModifier);
  PressKey(&pickerBox, Qt::Key_A, Qt::ControlModifier);
  EXPECT_TRUE(form->calls.isEmpty());
  EXPECT_EQ(pickerBox.text(), "pq");
}

TEST_F(RecordHotKeysTest, AKeyHeldByAnotherProgramGetsItsMessageAndTheOthersWork) {
  for (int id = 0; id < kRecordHotKeyCount; ++id) {
    const char key = kKeys[id];
    SetHotKeyHeldElsewhere(MOD_CONTROL, key, true);
    boxes().expect(failureText(key), QString(), vbCritical);
    RegisterRecordHotKeys();
    for (int other = 0; other < kRecordHotKeyCount; ++other)
      EXPECT_EQ(gHotKeyRegistered[std::size_t(other)], other != id) << "holding CTRL+" << key;

    form->calls.clear();
    form->box.setText(QStringLiteral("abc"));
    PressKey(&form->box, Qt::Key(key), Qt::ControlModifier);
    PressKey(&form->box, Qt::Key(kKeys[(id + 1) % kRecordHotKeyCount]), Qt::ControlModifier);
    EXPECT_EQ(form->calls.size(), 1) << "holding CTRL+" << key;  // only the neighbour's key

    UnregisterRecordHotKeys();
    for (bool flag : gHotKeyRegistered) EXPECT_FALSE(flag);
    SetHotKeyHeldElsewhere(MOD_CONTROL, key, false);
  }
}

TEST_F(RecordHotKeysTest, TheReleaseReachesTheRegisteringWindowWhateverFormIsActiveThen) {
  RegisterRecordHotKeys();
  QWidget picker;
  gActiveForm = &picker;
  UnregisterRecordHotKeys();

  // The keys are free again: the box selects all on CTRL+A, and another window may take them.
  form->box.setText(QStringLiteral("abc"));
  PressKey(&form->box, Qt::Key_A, Qt::ControlModifier);
  EXPECT_TRUE(form->calls.isEmpty());
  EXPECT_EQ(form->box.selectedText(), "abc");
  for (int id = 0; id < kRecordHotKeyCount; ++id)
    EXPECT_TRUE(RegisterHotKey(&picker, id, MOD_CONTROL, kKeys[id])) << kKeys[id];
}

}  // namespace
