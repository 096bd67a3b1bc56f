#pragma once
// What the clerk does with the mouse and the keyboard, sent to the real widgets through QTest so
// that the forms' own handlers and key filters see each gesture as they would from the desk.
//
// A click or a pick on a widget that is not shown fails the test: the clerk cannot click what is
// not on the screen.
#include <QString>
#include <Qt>

class QCheckBox;
class QComboBox;
class QListWidget;
class QRadioButton;
class QWidget;

// The widget a gesture works on, given by reference or by pointer (the forms own some controls
// as members and some through pointers); a null pointer fails the test.
template <class W>
class Target {
public:
  Target(W& widget) : widget_(&widget) {}
  Target(W* widget) : widget_(widget) {}
  W* get() const { return widget_; }

private:
  W* widget_;
};

// A left-button press and release on the widget. An image button (ImageButton) is clicked at the
// centre of its visible shape, the first rectangle of the outline its picture cut it to (the
// whole box when it was not cut), because a release outside that outline is no click; any other
// widget (a movie, a push button, a check box) at the centre of its box. Nothing else runs: a
// form the click closes goes once the event loop has run.
void Click(Target<QWidget> widget);

// A click on an option button's circle, or on a check box's square (it ticks or clears it), a
// few pixels in from the button's left edge.
void ChooseOption(Target<QRadioButton> option);
void Tick(Target<QCheckBox> box);

// The keyboard goes to `box` (it gets the focus, so the box that had it loses it), then each
// character of `text` is pressed and released there as QTest::keyClicks does: a Latin-1
// character with the key it is on ("\b" is Backspace, "\r" Enter, "\t" Tab). The key events pass
// the box's event filters, so a wired key-press handler sees and may change or swallow every
// key. The text goes in at the caret, after (or over the selected part of) what the box holds.
void TypeKeys(Target<QWidget> box, const QString& text);

// Types `text` over everything in the box: the box gets the focus, its whole text (the text part
// of an editable combo box) is selected and Backspace pressed, then `text` is typed as TypeKeys
// does. The filters see the Backspace too.
void TypeOver(Target<QWidget> box, const QString& text);

// Each character of `text` as the keyboard of any layout (or an input tool) sends it: one key
// press and release carrying the character as its text, a pair of surrogates as one key. Letters
// and digits of ASCII come on their own keys; every other character, control characters
// included, comes on no key of its own (Qt::Key_unknown), so "\t" does not move the focus and
// "\r" reaches the filter only as its character. The box gets the focus first.
void TypeCharacters(Target<QWidget> box, const QString& text);

// Types `text` where the keyboard is, as the window system hands the keys out, never straight
// to a box the test picks: to the dropped-down list's focused widget while a list with one is
// open, else to the widget with the focus; each character as TypeKeys presses it. (The offscreen
// platform keeps a closed list's window as its focus window, so the box is asked of the
// application rather than of the window.)
void TypeAtFocus(const QString& text);

// One key (with modifiers: CTRL+F is PressKey(box, Qt::Key_F, Qt::ControlModifier)) pressed and
// released on `widget` after it got the focus; the modifier keys go down before it and up after.
void PressKey(Target<QWidget> widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// SHIFT+INSERT on `box` after it got the focus: the clipboard's text pasted with the key no form
// takes as a hot key (CTRL+V may be one).
void Paste(Target<QWidget> box);

// Drops the combo box's list down (the box gets the focus first) and clicks the entry with this
// index, or the first entry with exactly this text; the list must close with the click. The
// combo's own signals fire as for a pick by the clerk (activated included).
void PickEntry(Target<QComboBox> combo, int index);
void PickEntry(Target<QComboBox> combo, const QString& text);

// Clicks the one entry of the list that shows exactly this text, at its centre; with a list that
// takes several entries, the click adds the entry to the selection or takes it out.
void PickEntry(Target<QListWidget> list, const QString& text);
