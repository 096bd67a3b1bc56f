// A paste is tried on the box's key handler a character at a time, each against the text as the
// earlier characters left it, and taken whole or refused whole; the box looks as before.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>

#include "framework/keyfilters.h"
#include "support/input.h"

namespace {

void paste(QLineEdit& box, const QString& text) {
  QApplication::clipboard()->setText(text);
  Paste(box);
}

struct PasteCase {
  const char* what;
  const char* before;
  const char* pasted;
  const char* after;  // the box's text once the paste is done
};

TEST(PasteFilters, EachCharacterMeetsTheHandlerWithTheTextTheEarlierOnesLeft) {
  enum Filter { Decimal, Name, UpToThree };
  struct Row {
    Filter filter;
    PasteCase c;
  };
  const Row rows[] = {
      {Decimal, {"digits and one point", "4", "12.5", "412.5"}},
      {Decimal, {"a second point in the paste", "", "1.2.3", ""}},
      {Decimal, {"a point beside the box's own", "7.", "25.1", "7."}},
      {Decimal, {"a letter among digits", "", "12a4", ""}},
      {Name, {"letters", "Ra", "vi", "Ravi"}},
      {Name, {"a blank", "", "Ravi Kumar", ""}},
      // The handler reads the box: refused once it holds three characters.
      {UpToThree, {"within the bound", "a", "bc", "abc"}},
      {UpToThree, {"one past the bound", "a", "bcd", "a"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.c.what);
    QWidget window;
    QLineEdit box(&window);
    box.setText(QString::fromUtf8(row.c.before));
    switch (row.filter) {
      case Decimal: WireKeyPress(&box, [&box](int& k) { NumberOnlyKeyPress(&box, k, true); }); break;
      case Name: WireKeyPress(&box, [&box](int& k) { NameOnlyKeyPress(&box, k); }); break;
      case UpToThree:
        WireKeyPress(&box, [&box](int& k) {
          if (box.text().size() >= 3) k = 0;
        });
        break;
    }
    window.show();
    box.setFocus();
    box.end(false);
    paste(box, QString::fromUtf8(row.c.pasted));
    EXPECT_EQ(box.text(), QString::fromUtf8(row.c.after));
  }
}

TEST(PasteFilters, ALongPasteIntoAPasswordBoxIsTakenWholeAndStaysHidden) {
  QWidget window;
  QLineEdit box(&window);
  box.setEchoMode(QLineEdit::Password);
  int calls = 0;
  WireKeyPress(&box, [&calls](int&) { ++calls; });
  window.show();
  box.setFocus();
  const QString text(10000, u'W');
  paste(box, text);
  EXPECT_EQ(box.text(), text.left(box.maxLength()));
  EXPECT_EQ(calls, 10000);
  EXPECT_EQ(box.echoMode(), QLineEdit::Password);
  EXPECT_FALSE(box.displayText().contains(u'W'));
  EXPECT_EQ(box.cursorPosition(), box.text().size());
}

TEST(PasteFilters, ARefusedPasteLeavesTextCaretAndSelectionAsTheyWere) {
  QWidget window;
  QLineEdit box(&window);
  box.setText(QStringLiteral("123456"));
  WireKeyPress(&box, [&box](int& k) { NumberOnlyKeyPress(&box, k, false); });
  window.show();
  box.setFocus();
  box.setSelection(1, 3);
  paste(box, QStringLiteral("99x"));
  EXPECT_EQ(box.text(), "123456");
  EXPECT_EQ(box.echoMode(), QLineEdit::Normal);
  EXPECT_EQ(box.selectionStart(), 1);
  EXPECT_EQ(box.selectedText(), "234");
  // The same paste without the letter replaces the selection.
  paste(box, QStringLiteral("99"));
  EXPECT_EQ(box.text(), "19956");
}

}  // namespace
