#pragma once
// Hot keys: key combinations that a window of the program takes for itself.
//
// A registered combination belongs to the program while it is registered, and only to the
// program: other programs on the desktop keep their keys. An application-wide key filter sees
// every key press before any widget does, so a text box never gets a registered CTRL+C or CTRL+V
// and no shortcut fires for it. The press is handed to the window that registered it as a
// HotKeyEvent carrying the registration's id, also while that window is disabled (another window
// of the program may have the keyboard). While a modal window is open (a message box), keys pass
// to it untouched and no hot key fires.
//
//   RegisterHotKey(form, 3, MOD_CONTROL, 'S');   // false: the combination is taken
//   ... the form's event filter sees HotKeyEvent{3} for every CTRL+S ...
//   UnregisterHotKey(form, 3);
#include <QEvent>
#include <QWidget>

// Modifier flags of a registration; a press matches when exactly these modifiers are held.
inline constexpr int MOD_ALT = 1;
inline constexpr int MOD_CONTROL = 2;
inline constexpr int MOD_SHIFT = 4;

class HotKeyEvent : public QEvent {
public:
  explicit HotKeyEvent(int id);
  static QEvent::Type EventType();
  int Id() const { return id_; }

private:
  int id_;
};

// Registers the combination (modifier flags, virtual-key code: 'A'..'Z', '0'..'9') for `hWnd`
// under `id`. Refused (false) when the combination is held by another registration or by another
// program; registering the same window and id again replaces the earlier registration.
bool RegisterHotKey(QWidget* hWnd, int id, int fsModifiers, int vk);
// Releases the registration of `hWnd` under `id`; false when there is none.
bool UnregisterHotKey(QWidget* hWnd, int id);

// The rest of the desktop: while another running program holds the combination, registering it
// is refused. Tests use this to stand in for such a program.
void SetHotKeyHeldElsewhere(int fsModifiers, int vk, bool held);
