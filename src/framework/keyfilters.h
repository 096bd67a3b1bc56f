#pragma once
// The key filters the forms call from their boxes' key-press handlers, and the wiring that turns
// Qt's key events into those handlers.
//
// A key-press handler gets the typed key as a VB KeyAscii code and may change it; 0 swallows the
// key. The filters come twice: over a plain TextBoxState (the rules, for tests) and over the
// widgets the forms own (the same rules, acting on the real box so that its signals fire as the
// text changes).
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QStringListModel>
#include <functional>

class QComboBox;
class QKeyEvent;
class QLineEdit;
class QListView;

// What the filters read and write of a box: its text and selection, and for a combo box its list
// and whether the list is dropped down.
struct TextBoxState {
  QString text;
  int selStart = 0;   // the caret, or the start of the selection
  int selLength = 0;
  bool popupOpen = false;
  QStringList items;  // the combo box's list
  int listIndex = -1; // the list item the text was completed from; -1 once the text is set
};

// Type-ahead completion from the combo box's list: the first item that is the typed text, else
// the first that begins with it, case ignored either way; the completed tail selected. Returns
// the key to keep: 0, or 13 for Enter.
int AutoCompleteKeyPress(TextBoxState& combo, int KeyAscii, bool AllowFreeText);
void ShowComboDropDown(TextBoxState& combo);
// Letters A-Z, a-z and backspace pass; anything else becomes 0 and the caret goes to the end.
int NameOnlyKeyPress(TextBoxState& box, int& KeyAscii);
// Digits and backspace pass, and with AllowDecimal one "." while the text holds none. A refused
// second "." leaves the caret alone; every other refusal puts it at the end.
int NumberOnlyKeyPress(TextBoxState& box, int& KeyAscii, bool AllowDecimal);

// The same on the forms' widgets. The combo box forms expect an editable QComboBox wired with
// WireKeyPress. A found item becomes the combo's current index (currentIndexChanged and
// editTextChanged fire, activated does not); a text set by the filter leaves no current index.
// A combo box given a TypedProposals (ListTypedProposals) lists what the keys propose there, and
// its own drop-down opens only by its arrow or F4.
int AutoCompleteKeyPress(QComboBox* combo, int KeyAscii, bool AllowFreeText);
void ShowComboDropDown(QComboBox* combo);
int NameOnlyKeyPress(QLineEdit* box, int& KeyAscii);
int NumberOnlyKeyPress(QLineEdit* box, int& KeyAscii, bool AllowDecimal);

// The KeyAscii of a key event, or 0 when the key is no key press in VB's sense: arrows, Home,
// End, Delete, Insert, function keys, Tab (it moves the focus), Alt combinations, bare modifiers.
// Printable text gives its character code (UTF-16; a character outside the basic plane gives
// "?"), Backspace 8, Enter 13, Escape 27, Ctrl+A to Ctrl+Z 1 to 26.
int KeyAsciiOf(const QKeyEvent* event);

using KeyPressHandler = std::function<void(int& KeyAscii)>;

// Runs `handler` for every key press the box receives, the way VB ran a box's KeyPress event:
// the key reaches the box as the handler leaves it (0: not at all). Wiring again replaces the
// handler. The box also stops paste, drag-and-drop and input-method text from going around its
// handler: a paste or drop is tried character by character on the handler first and refused
// whole when the handler would refuse any of it, and the box has no context menu.
//
// For a combo box this also makes Enter keep the typed text instead of adding it to the list,
// drops Qt's own completer, and keeps the keyboard on the box while its list is dropped down
// (typing goes on into the text; the box loses the focus only with Qt::PopupFocusReason). A
// handler result of 13 closes the list before Enter reaches the box.
void WireKeyPress(QLineEdit* box, KeyPressHandler handler);
void WireKeyPress(QComboBox* combo, KeyPressHandler handler);

// What typing proposes in a combo box, shown in a short list of its own beside the box rather than
// in the box's drop-down. Qt's drop-down takes the mouse while it is open: a click the clerk
// aimed at the next box landed on whichever entry lay under it, and a click anywhere else only
// closed the list. This list takes neither the mouse nor the keyboard: a click elsewhere goes
// where it was aimed (the box loses the focus as any click away does), and the list closes as the
// focus leaves the box.
//
// After a typed key it shows the entries that begin with the text typed (case ignored, in list
// order, at most kRows of them), the entry proposed first and highlighted; after Backspace, those
// that begin with what is left, none highlighted. It lies where it covers no box, button or list
// of the form that a click would give the focus to: below the box, else beside it (downwards, then
// upwards), else above it. A click on one of its entries picks it (Picked); Up and Down move the
// highlight through its entries and propose the one highlighted in the box. The box's own
// drop-down (its arrow, F4) is the whole list as before, and this one closes as it opens.
class TypedProposals final : public QObject {
  Q_OBJECT
public:
  static constexpr int kRows = 8;

  // The list shown; hidden while nothing is proposed.
  QListView* View() const;
  bool IsShown() const;
  void Close();

  // Run by AutoCompleteKeyPress after the key was handled.
  void Follow(int KeyAscii);

signals:
  // An entry was clicked: its text.
  void Picked(const QString& text);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  friend TypedProposals* ListTypedProposals(QComboBox* combo);
  explicit TypedProposals(QComboBox* combo);
  ~TypedProposals() override;
  void show(const QString& typed, int proposed);
  // Up or Down while the list is shown: the entry above or below is proposed in the box instead.
  void step(int by);
  void place(int rows);

  QPointer<QComboBox> combo_;
  QPointer<QListView> view_;
  // The same box and the list's entries as plain objects, to compare with: events reach the
  // filter while they are being destroyed, when they are no QComboBox or list any more.
  const QObject* comboObject_;
  const QObject* entriesObject_ = nullptr;
  QStringListModel model_;
  QString typed_;  // what the keys typed, before the proposed tail
};

// Gives the combo box (editable, wired with WireKeyPress) a TypedProposals, owned by the box; the
// same one when asked again.
TypedProposals* ListTypedProposals(QComboBox* combo);
TypedProposals* TypedProposalsOf(const QComboBox* combo);
