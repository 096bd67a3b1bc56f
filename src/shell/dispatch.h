#pragma once
// The menu commands of the main windows: each command string a menu movie raises, and what it
// does. Both main windows compare the string exactly (case and blanks count) with the entries of
// their table, in order; the first equal entry acts and a string equal to none does nothing.
//
// An entry opens one form (load when not loaded yet, then show it modeless, in front), does
// nothing (open == nullptr: the command is known and ignored), or starts the window's own exit.
// The second main window builds its table from this one (CommandAction), so a form wired here is
// wired there too.
#include <QString>
#include <functional>
#include <span>

#include "framework/vbform.h"

using FormOpener = void (*)();

struct MenuCommand {
  const char* command;
  FormOpener open;
  bool exit = false;
};

template <class F>
void OpenMenuForm() {
  ShowForm<F>();
}

// The table of the main window, in the order it is compared.
std::span<const MenuCommand> MainWindowCommands();

// The first entry equal to command, or nullptr.
const MenuCommand* FindMenuCommand(std::span<const MenuCommand> table, const QString& command);

// What the main window's command opens (nullptr: nothing, or an unknown command).
FormOpener CommandAction(const QString& command);

// Runs command from table: opens its form or calls exitSequence. Any failure inside (a form's
// load or show) ends it silently, as the window shows no message for a menu command.
void DispatchMenuCommand(std::span<const MenuCommand> table, const QString& command,
                         const std::function<void()>& exitSequence);
