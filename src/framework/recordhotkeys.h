#pragma once
// The record forms' CTRL hot keys: A, M, D, S, C, F, P, N, L and V, held by the open record form
// from its load to its unload and delivered to the form in gActiveForm.
//
// A record form's load calls RegisterRecordHotKeys() once it has made itself gActiveForm, its
// unload UnregisterRecordHotKeys(). Each hot key reaches the form through RunHotKeyCommand, which
// runs the command of that id (RecordForm::Commands()); a command acts only while its button is
// shown, so CTRL+S and CTRL+C work in edit mode and the other eight in browse mode.
#include <array>

class QEvent;
class QObject;

// Ids 0..9; which key and command each id is lives in RecordForm::Commands().
inline constexpr int kRecordHotKeyCount = 10;

// True for each id whose registration succeeded; cleared when it is released.
extern std::array<bool, kRecordHotKeyCount> gHotKeyRegistered;

// Registers the ten keys on gActiveForm's window, in id order. A key that is taken gets its
// message at once (critical, no title of its own) and stays unregistered; the others go on.
void RegisterRecordHotKeys();
// Releases every registered key on the window the keys were registered on (also when gActiveForm
// has moved on to another form since) and clears the flags.
void UnregisterRecordHotKeys();

// The window's hook for hot keys: a hot key runs RunHotKeyCommand and is consumed (true);
// anything else goes on to the window as usual (false).
bool HotKeyWindowProc(QObject* hWnd, QEvent* uMsg);

// Runs the command of the id on gActiveForm (a RecordCommandTarget), after the events already
// waiting have been handled. Ids outside 0..9, a form that takes no record commands, and a key
// arriving while another one is still being carried out do nothing.
void RunHotKeyCommand(int HotKeyId);
