#pragma once
// The second main window: a plain top-level copy of the main window whose menu offers another set
// of commands, among them the only ones that open the employee register and the doctor, employee
// and user cards. Nothing in the program opens it. Its load loads the main window (the menu forms
// open there, and it is the main window's menu that comes back); its own menu movies get no file.
// It can be unloaded like any form; that ends nothing.
#include <span>

#include "shell/dispatch.h"
#include "shell/mainwindowbase.h"

// The second main window's table, in the order it is compared. The commands both windows know
// open what the main window's table opens for them.
std::span<const MenuCommand> SecondWindowCommands();

class frmmain1 : public MainWindowBase {
  Q_OBJECT
public:
  frmmain1();
  ~frmmain1() override;

protected:
  void Form_Load() override;
  void dispatch(const QString& command) override;
};
