#pragma once
// The main window: the MDI parent every menu form opens in, from the login to the end of the
// program. A painted title bar (with the close and minimise movies) stays on top; below it the
// menu panel with the title and the menu movie for the user's type covers the client area, and
// is hidden while a menu form is open. It refuses every request to close it: the program ends
// through the exit sequence and its fade.
#include <QLineEdit>
#include <QMdiArea>

#include "shell/mainwindowbase.h"

class frmMain : public MainWindowBase {
  Q_OBJECT
public:
  frmMain();
  ~frmMain() override;

  // The client area where the menu forms open, under the menu panel.
  QMdiArea MDIClient{this};

  // modMenuHideShow, as registered with the framework's HideMainMenus/ShowMainMenus.
  void ShowMenus(QLineEdit* UserTypeBox);
  void HideMenus(QLineEdit* UserTypeBox);

protected:
  void Form_Load() override;
  void Form_QueryUnload(int& cancel, int unloadMode) override;
  void dispatch(const QString& command) override;
  void layoutClient(const QRect& client) override;
};
