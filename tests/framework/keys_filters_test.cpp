// The key filters and the combo completion over a plain box state.
#include <QKeyEvent>

#include "framework/keyfilters.h"
#include "support/fixture.h"

namespace {

const QStringList kSexes{QStringLiteral("Male"), QStringLiteral("Female")};
// Identifiers in the order of their patients' names: the longer OP17 before OP1.
const QStringList kIds{QStringLiteral("OP17"), QStringLiteral("OP2"), QStringLiteral("OP1")};

TextBoxState box(const QString& text, int selStart, int selLength, const QStringList& items = kSexes) {
  TextBoxState s;
  s.text = text;
  s.selStart = selStart;
  s.selLength = selLength;
  s.items = items;
  return s;
}

std::string describe(const TextBoxState& s) {
  return "\"" + s.text.toStdString() + "\" sel " + std::to_string(s.selStart) + "+" +
         std::to_string(s.selLength) + (s.popupOpen ? " open" : " closed");
}

}  // namespace

class KeyFilters : public HalvionTest {};

TEST_F(KeyFilters, CompletionFollowsTheTypedPrefix) {
  struct Case {
    const char* what;
    TextBoxState before;
    int key;
    bool freeText;
    QString text;
    int selStart, selLength;
    bool open;
    int result;
  };
  const Case cases[] = {
      {"m completes to Male, tail selected", box("", 0, 0), 'm', false, "Male", 1, 3, true, 0},
      {"F completes to Female", box("", 0, 0), 'F', false, "Female", 1, 5, true, 0},
      {"prefix search ignores case", box("", 0, 0), 'f', false, "Female", 1, 5, true, 0},
      {"Mx matches nothing: emptied", box("Male", 1, 3), 'x', false, "", 0, 0, true, 0},
      {"Mx matches nothing: kept as free text", box("Male", 1, 3), 'x', true, "Mx", 2, 0, false, 0},
      {"typing over the tail keeps completing", box("Male", 1, 3), 'a', false, "Male", 2, 2, true, 0},
      {"a start of several proposes the first listed", box("", 0, 0, kIds), 'o', false, "OP17", 1, 3, true, 0},
      {"a typed entry is proposed before a longer one listed first", box("OP17", 2, 2, kIds), '1', false, "OP1", 3, 0,
       true, 0},
      {"a typed entry is found whatever its case", box("op", 2, 0, kIds), '1', false, "OP1", 3, 0, true, 0},
      {"typing on reaches the longer entry", box("OP1", 3, 0, kIds), '7', false, "OP17", 4, 0, true, 0},
      {"without a selection the key is added at the end", box("Fe", 1, 0), 'm', false, "Female", 3, 3, true, 0},
      {"an empty list keeps nothing", box("", 0, 0, {}), 'a', false, "", 0, 0, true, 0},
      {"an empty list keeps free text", box("", 0, 0, {}), 'a', true, "a", 1, 0, false, 0},
      {"backspace drops the selected tail", box("Male", 1, 3), 8, false, "M", 1, 0, false, 0},
      {"backspace drops the last character wherever the caret is", box("Male", 1, 0), 8, false, "Mal", 3, 0, false, 0},
      {"backspace on an empty box", box("", 0, 0), 8, false, "", 0, 0, false, 0},
      {"Enter passes with the caret at the end", box("Male", 1, 3), 13, false, "Male", 4, 0, false, 13},
      {"Tab is swallowed", box("Male", 1, 3), 9, false, "Male", 1, 0, false, 0},
      {"Escape is swallowed", box("Male", 1, 3), 27, false, "Male", 1, 0, false, 0},
      {"Ctrl+V is swallowed", box("Male", 1, 3), 22, false, "Male", 1, 0, false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TextBoxState s = c.before;
    const int result = AutoCompleteKeyPress(s, c.key, c.freeText);
    EXPECT_EQ(result, c.result);
    TextBoxState expected = box(c.text, c.selStart, c.selLength);
    expected.popupOpen = c.open;
    EXPECT_EQ(describe(s), describe(expected));
  }
}

TEST_F(KeyFilters, CompletionRemembersTheItemItCameFrom) {
  TextBoxState s = box("", 0, 0);
  AutoCompleteKeyPress(s, 'f', false);
  EXPECT_EQ(s.listIndex, 1);
  AutoCompleteKeyPress(s, 8, false);  // "F": a text of its own again
  EXPECT_EQ(s.text, "F");
  EXPECT_EQ(s.listIndex, -1);
}

TEST_F(KeyFilters, NameOnlyPassesLettersAndBackspace) {
  struct Case {
    int key;
    bool passes;
  };
  const Case cases[] = {{'a', true},  {'z', true},  {'A', true},  {'Z', true},  {8, true},
                        {' ', false}, {'-', false}, {'\'', false}, {'1', false}, {13, false},
                        {'@', false}, {'[', false}, {'`', false}, {'{', false}, {0xE9, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE("key " + std::to_string(c.key));
    TextBoxState s = box("abc", 1, 0);
    int key = c.key;
    const int result = NameOnlyKeyPress(s, key);
    EXPECT_EQ(result, c.passes ? c.key : 0);
    EXPECT_EQ(key, result);
    EXPECT_EQ(s.selStart, c.passes ? 1 : 3) << "a refused key puts the caret at the end";
    EXPECT_EQ(s.text, "abc");
  }
}

TEST_F(KeyFilters, NumberOnlyPassesDigitsAndOnePoint) {
  struct Case {
    bool decimal;
    const char* text;
    int selStart, selLength;
    int key;
    int result;
    int caretAfter;
  };
  const Case cases[] = {
      {false, "12", 0, 0, '0', '0', 0},
      {false, "12", 0, 0, '9', '9', 0},
      {false, "12", 0, 0, 8, 8, 0},
      {false, "12", 0, 0, ':', 0, 2},
      {false, "12", 0, 0, '/', 0, 2},
      {false, "12", 0, 0, '-', 0, 2},
      {false, "12", 0, 0, ' ', 0, 2},
      {false, "12", 0, 0, 13, 0, 2},
      {false, "12", 0, 0, '.', 0, 2},   // no decimals: a point is like any other character
      {false, "1.2", 0, 0, '.', 0, 3},
      {true, "12", 0, 0, '.', '.', 0},
      {true, "12", 0, 0, '5', '5', 0},
      {true, "12", 0, 0, '-', 0, 2},
      {true, "1.2", 0, 0, '.', 0, 0},   // a second point: refused where the caret stands
      {true, "1.2", 1, 1, '.', 0, 1},   // even over the selected point
      {true, "1.2", 0, 0, '7', '7', 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.text) + " key " + std::to_string(c.key) + (c.decimal ? " decimal" : ""));
    TextBoxState s = box(c.text, c.selStart, c.selLength);
    int key = c.key;
    const int result = NumberOnlyKeyPress(s, key, c.decimal);
    EXPECT_EQ(result, c.result);
    EXPECT_EQ(key, c.result);
    EXPECT_EQ(s.selStart, c.caretAfter);
    EXPECT_EQ(s.text, QString::fromLatin1(c.text));
  }
}

TEST_F(KeyFilters, KeyEventsBecomeKeyAsciiCodes) {
  struct Case {
    const char* what;
    int key;
    Qt::KeyboardModifiers mods;
    QString text;
    int code;
  };
  const Case cases[] = {
      {"letter", Qt::Key_A, Qt::NoModifier, "a", 'a'},
      {"capital", Qt::Key_A, Qt::ShiftModifier, "A", 'A'},
      {"space", Qt::Key_Space, Qt::NoModifier, " ", 32},
      {"accented letter", Qt::Key_Eacute, Qt::NoModifier, QString(QChar(0xE9)), 0xE9},
      {"outside the basic plane", Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8("\xF0\x9F\x98\x80"), '?'},
      {"backspace", Qt::Key_Backspace, Qt::NoModifier, "\b", 8},
      {"return", Qt::Key_Return, Qt::NoModifier, "\r", 13},
      {"keypad enter", Qt::Key_Enter, Qt::KeypadModifier, "\r", 13},
      {"escape", Qt::Key_Escape, Qt::NoModifier, "\x1b", 27},
      {"ctrl+a", Qt::Key_A, Qt::ControlModifier, "\x01", 1},
      {"ctrl+v", Qt::Key_V, Qt::ControlModifier, "\x16", 22},
      {"ctrl+z without text", Qt::Key_Z, Qt::ControlModifier, "", 26},
      {"tab moves the focus", Qt::Key_Tab, Qt::NoModifier, "\t", 0},
      {"delete", Qt::Key_Delete, Qt::NoModifier, "\x7f", 0},
      {"left", Qt::Key_Left, Qt::NoModifier, "", 0},
      {"home", Qt::Key_Home, Qt::NoModifier, "", 0},
      {"end", Qt::Key_End, Qt::NoModifier, "", 0},
      {"insert", Qt::Key_Insert, Qt::ShiftModifier, "", 0},
      {"ctrl+left", Qt::Key_Left, Qt::ControlModifier, "", 0},
      {"alt+letter", Qt::Key_F, Qt::AltModifier, "f", 0},
      {"function key", Qt::Key_F1, Qt::NoModifier, "", 0},
      {"shift alone", Qt::Key_Shift, Qt::ShiftModifier, "", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const QKeyEvent event(QEvent::KeyPress, c.key, c.mods, c.text);
    EXPECT_EQ(KeyAsciiOf(&event), c.code);
  }
}
