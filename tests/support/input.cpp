#include "support/input.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRegion>
#include <QTest>

#include "framework/imagebutton.h"

namespace {

std::string nameOf(const QWidget& widget) { return widget.objectName().toStdString(); }

// The text part the clerk selects before typing over it; none for a box without one.
void selectWholeText(QWidget& box) {
  if (auto* combo = qobject_cast<QComboBox*>(&box)) {
    if (combo->lineEdit()) combo->lineEdit()->selectAll();
  } else if (auto* line = qobject_cast<QLineEdit*>(&box)) {
    line->selectAll();
  } else if (auto* text = qobject_cast<QPlainTextEdit*>(&box)) {
    text->selectAll();
  } else {
    ADD_FAILURE() << nameOf(box) << " has no text to type over";
  }
}

void clickIndicator(QAbstractButton& button) {
  ASSERT_TRUE(button.isVisible()) << nameOf(button) << " is not shown";
  QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(8, button.height() / 2));
}

bool hasTextToClear(QWidget& box) {
  auto* combo = qobject_cast<QComboBox*>(&box);
  return !combo || combo->lineEdit();
}

}  // namespace

void Click(Target<QWidget> target) {
  auto* widget = target.get();
  ASSERT_NE(widget, nullptr);
  ASSERT_TRUE(widget->isVisible()) << nameOf(*widget) << " is not shown";
  QPoint at = widget->rect().center();
  if (qobject_cast<ImageButton*>(widget)) {
    const QRegion shape = widget->mask();
    if (!shape.isEmpty()) at = shape.begin()->center();
  }
  QTest::mouseClick(widget, Qt::LeftButton, {}, at);
}

void ChooseOption(Target<QRadioButton> option) {
  auto* button = option.get();
  ASSERT_NE(button, nullptr);
  clickIndicator(*button);
}
void Tick(Target<QCheckBox> box) {
  auto* button = box.get();
  ASSERT_NE(button, nullptr);
  clickIndicator(*button);
}

void TypeKeys(Target<QWidget> target, const QString& text) {
  auto* box = target.get();
  ASSERT_NE(box, nullptr);
  box->setFocus();
  QTest::keyClicks(box, text);
}

void TypeOver(Target<QWidget> target, const QString& text) {
  auto* box = target.get();
  ASSERT_NE(box, nullptr);
  box->setFocus();
  if (hasTextToClear(*box)) {
    selectWholeText(*box);
    QTest::keyClick(box, Qt::Key_Backspace);
  }
  QTest::keyClicks(box, text);
}

void TypeCharacters(Target<QWidget> target, const QString& text) {
  auto* box = target.get();
  ASSERT_NE(box, nullptr);
  box->setFocus();
  for (qsizetype i = 0; i < text.size(); ++i) {
    const qsizetype n = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    const QString ch = text.mid(i, n);
    i += n - 1;
    const bool ownKey = ch.size() == 1 && ch[0].unicode() < 128 && ch[0].isLetterOrNumber();
    const Qt::Key key = ownKey ? Qt::Key(ch[0].toUpper().unicode()) : Qt::Key_unknown;
    QTest::sendKeyEvent(QTest::Click, box, key, ch, Qt::NoModifier);
  }
}

void TypeAtFocus(const QString& text) {
  for (const QChar c : text) {
    QWidget* list = QApplication::activePopupWidget();
    QWidget* to = list && list->focusWidget() ? list->focusWidget() : QApplication::focusWidget();
    ASSERT_NE(to, nullptr) << "nothing has the keyboard";
    QTest::keyClick(to, c.toLatin1());
  }
}

void PressKey(Target<QWidget> target, Qt::Key key, Qt::KeyboardModifiers modifiers) {
  auto* widget = target.get();
  ASSERT_NE(widget, nullptr);
  widget->setFocus();
  QTest::keyClick(widget, key, modifiers);
}

void Paste(Target<QWidget> box) { PressKey(box, Qt::Key_Insert, Qt::ShiftModifier); }

void PickEntry(Target<QComboBox> target, int index) {
  auto* combo = target.get();
  ASSERT_NE(combo, nullptr);
  ASSERT_TRUE(combo->isVisible()) << nameOf(*combo) << " is not shown";
  ASSERT_TRUE(index >= 0 && index < combo->count()) << nameOf(*combo) << " has no entry " << index;
  combo->setFocus();
  combo->showPopup();
  QAbstractItemView* list = combo->view();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
  const QRect entry = list->visualRect(list->model()->index(index, combo->modelColumn()));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, entry.center());
  ASSERT_FALSE(list->window()->isVisible()) << "the list stayed dropped down";
}
void PickEntry(Target<QComboBox> target, const QString& text) {
  auto* combo = target.get();
  ASSERT_NE(combo, nullptr);
  const int index = combo->findText(text, Qt::MatchExactly);
  ASSERT_GE(index, 0) << nameOf(*combo) << " lists no " << text.toStdString();
  PickEntry(*combo, index);
}

void PickEntry(Target<QListWidget> target, const QString& text) {
  auto* list = target.get();
  ASSERT_NE(list, nullptr);
  ASSERT_TRUE(list->isVisible()) << nameOf(*list) << " is not shown";
  const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
  ASSERT_EQ(found.size(), 1) << text.toStdString();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found[0]).center());
}
