#include "shell/frmMain.h"

#include "framework/mainmenus.h"
#include "framework/windowstyle.h"
#include "globals.h"
#include "shell/dispatch.h"
#include "shell/gradient.h"

frmMain::frmMain() : MainWindowBase(100) {
  QPalette bar = pic.palette();
  bar.setColor(QPalette::Window, QColor(196, 36, 36));  // where the window outgrows the painted bar
  pic.setPalette(bar);
  Label4.setStyleSheet(QStringLiteral("color: #ffffff; background: transparent;"));
  MDIClient.setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  MDIClient.setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  // Laid out again now that the client area is there to take its place under the title bar.
  layoutControls();
}

frmMain::~frmMain() = default;

void frmMain::Form_Load() {
  SetMdiArea(&MDIClient);
  SetMainMenuHooks(
      this, [this](QLineEdit* box) { HideMenus(box); }, [this](QLineEdit* box) { ShowMenus(box); });

  placeWindow();
  // The panel is laid over the whole client area (layoutControls), which is what its top and
  // height were set for.
  passOver([&] {
    layoutControls();
    PaintGradientBar(&pic, this);
  });
  passOver([&] {
    HideMDIFormTitleBar(this);
    MakeMDIFormMovable(this);
  });
  loadPicturesAndMovies();
  passOver([] { ShowMainMenus(CurrentUserTypeBox()); });
}

void frmMain::Form_QueryUnload(int& cancel, int unloadMode) {
  (void)unloadMode;
  // Whatever asks (the close key, the task bar, the session, the program): the window stays.
  cancel = 1;
}

void frmMain::ShowMenus(QLineEdit* UserTypeBox) {
  Picture2.setVisible(true);
  ShockwaveFlash1.setVisible(false);
  ShockwaveFlash2.setVisible(false);
  const QString type = UserTypeBox ? UserTypeBox->text() : QString();
  const char* vertical = nullptr;
  const char* horizontal = nullptr;
  if (type == QLatin1String("Doctor") || type == QLatin1String("Employee")) {
    vertical = "\\menuUserVr.swf";
    horizontal = "\\menuUserHr.swf";
  } else if (type == QLatin1String("Admin")) {
    vertical = "\\menuVr.swf";
    horizontal = "\\menuHr.swf";
  } else {
    return;
  }
  FlashMovie* movie = nullptr;
  const char* file = nullptr;
  if (gMenuView == QLatin1String("Vertical")) {
    movie = &ShockwaveFlash1;
    file = vertical;
  } else if (gMenuView == QLatin1String("Horizontal")) {
    movie = &ShockwaveFlash2;
    file = horizontal;
  } else {
    return;
  }
  movie->setVisible(true);
  movie->SetMovie(programFile(file));
  movie->Play();
}

void frmMain::HideMenus(QLineEdit* UserTypeBox) {
  (void)UserTypeBox;
  ShockwaveFlash1.setVisible(false);
  ShockwaveFlash2.setVisible(false);
  Picture2.setVisible(false);
}

void frmMain::dispatch(const QString& command) {
  DispatchMenuCommand(MainWindowCommands(), command, [this] { exitSequence(false); });
}

void frmMain::layoutClient(const QRect& client) {
  MDIClient.setGeometry(client);
  if (!background_.isNull() && !client.isEmpty())
    MDIClient.setBackground(QBrush(background_.scaled(client.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
}
