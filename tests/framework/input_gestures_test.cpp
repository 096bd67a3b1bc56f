// The gestures every form test is worked with reach the widgets the way the clerk's would: a
// click lands on the part of a button that takes it, keys pass the box's key handler, a pick from
// a list is the list's own pick.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "framework/imagebutton.h"
#include "framework/keyfilters.h"
#include "support/fixture.h"
#include "support/input.h"

namespace {

// A window with a box whose key handler writes down every KeyAscii it sees and lets it through,
// and a second box beside it; each test adds what else it needs before it shows the window.
class InputGestures : public HalvionTest {
protected:
  void SetUp() override {
    HalvionTest::SetUp();
    window = std::make_unique<QWidget>();
    window->resize(400, 300);
    box = new QLineEdit(window.get());
    WireKeyPress(box, [this](int& KeyAscii) { seen << KeyAscii; });
    other = new QLineEdit(window.get());
    other->move(0, 40);
  }
  void show() {
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  }

  std::unique_ptr<QWidget> window;
  QLineEdit* box = nullptr;
  QLineEdit* other = nullptr;
  QList<int> seen;
};

TEST_F(InputGestures, AClickLandsOnTheShapeAButtonWasCutTo) {
  // A button cut to its top-left corner: the middle of its box is no part of it.
  auto* cut = new ImageButton(window.get(), QStringLiteral("Picture1"));
  cut->setGeometry(10, 10, 60, 60);
  cut->setMask(QRegion(0, 0, 12, 12));
  auto* whole = new ImageButton(window.get(), QStringLiteral("Picture2"));
  whole->setGeometry(100, 10, 60, 60);
  show();
  for (ImageButton* button : {cut, whole}) {
    SCOPED_TRACE(button->objectName().toStdString());
    QSignalSpy clicks(button, &ImageButton::Click);
    Click(*button);
    EXPECT_EQ(clicks.count(), 1);
  }
}

TEST_F(InputGestures, TypingOverReplacesTheWholeTextAndTheHandlerSeesEveryKey) {
  show();
  box->setText(QStringLiteral("old text"));
  box->setCursorPosition(3);
  other->setFocus();

  TypeOver(*box, QStringLiteral("ab"));
  EXPECT_EQ(box->text(), "ab");
  EXPECT_EQ(seen, (QList<int>{8, 'a', 'b'}));
  EXPECT_TRUE(box->hasFocus());

  seen.clear();
  box->setCursorPosition(1);
  TypeKeys(*box, QStringLiteral("x\b"));  // at the caret; "\b" is Backspace
  EXPECT_EQ(box->text(), "ab");
  EXPECT_EQ(seen, (QList<int>{'x', 8}));
}

TEST_F(InputGestures, TypingOverWorksOnEveryKindOfTextBox) {
  auto* combo = new QComboBox(window.get());
  combo->move(200, 0);
  combo->setEditable(true);
  combo->addItems({QStringLiteral("Male"), QStringLiteral("Female")});
  combo->setCompleter(nullptr);  // the forms' wired boxes complete through their handler only
  combo->setEditText(QStringLiteral("Male"));
  auto* notes = new QPlainTextEdit(window.get());
  notes->setGeometry(200, 40, 150, 60);
  notes->setPlainText(QStringLiteral("two\nlines"));
  show();
  TypeOver(*combo, QStringLiteral("Fe"));
  EXPECT_EQ(combo->currentText(), "Fe");
  TypeOver(*notes, QStringLiteral("one"));
  EXPECT_EQ(notes->toPlainText(), "one");
}

TEST_F(InputGestures, AnyCharacterArrivesAsOneKeyCarryingItsText) {
  show();
  // A letter on its own key, a character beyond the basic plane as one key ("?" to the handler),
  // a tab that stays in the box as a character.
  TypeCharacters(*box, QString::fromUtf8("a\xf0\x9f\x98\x80\t"));
  EXPECT_EQ(seen, (QList<int>{'a', '?', 9}));
  EXPECT_TRUE(box->hasFocus());
}

TEST_F(InputGestures, KeysGoWhereTheKeyboardIs) {
  show();
  box->setFocus();
  TypeAtFocus(QStringLiteral("ok"));
  EXPECT_EQ(box->text(), "ok");
  EXPECT_EQ(other->text(), "");

  other->setText(QStringLiteral("abc"));
  PressKey(*other, Qt::Key_A, Qt::ControlModifier);  // the box the key goes to gets the keyboard
  EXPECT_TRUE(other->hasFocus());
  EXPECT_EQ(other->selectedText(), "abc");
}

TEST_F(InputGestures, APickIsTheListsOwnPick) {
  auto* combo = new QComboBox(window.get());
  combo->move(200, 0);
  combo->setEditable(true);  // as every combo box of the forms is
  combo->addItems({QStringLiteral("CBC"), QStringLiteral("Urine"), QStringLiteral("Xray")});
  auto* days = new QListWidget(window.get());
  days->setGeometry(0, 100, 200, 120);
  days->setSelectionMode(QAbstractItemView::MultiSelection);
  days->addItems({QStringLiteral("Monday"), QStringLiteral("Tuesday")});
  show();

  QSignalSpy activated(combo, &QComboBox::activated);
  PickEntry(*combo, QStringLiteral("Xray"));
  EXPECT_EQ(combo->currentIndex(), 2);
  ASSERT_EQ(activated.count(), 1);
  PickEntry(*combo, 1);
  EXPECT_EQ(combo->currentText(), "Urine");
  EXPECT_EQ(activated.count(), 2);

  PickEntry(*days, QStringLiteral("Tuesday"));
  PickEntry(*days, QStringLiteral("Monday"));
  EXPECT_EQ(days->selectedItems().size(), 2);
  PickEntry(*days, QStringLiteral("Tuesday"));  // a second click takes it out again
  ASSERT_EQ(days->selectedItems().size(), 1);
  EXPECT_EQ(days->selectedItems()[0]->text(), "Monday");
}

}  // namespace
