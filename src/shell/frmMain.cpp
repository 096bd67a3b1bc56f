#include "shell/frmMain.h"

#include <QPixmap>

#include "data/connectdb.h"
#include "framework/mainmenus.h"
#include "framework/twips.h"
#include "framework/windowstyle.h"
#include "globals.h"
#include "platform/msgbox.h"
#include "platform/system.h"
#include "platform/workarea.h"
#include "shell/dispatch.h"
#include "shell/formtransparent.h"
#include "shell/frmLoading.h"
#include "shell/gradient.h"

namespace {
constexpr int kTitleBarHeight = 34;  // pixels
constexpr int kHorizontalMenuHeight = 40;
constexpr int kVerticalMenuWidth = 240;

// A file of the program folder, named as the forms name them ("\\title.swf").
QString programFile(const char* name) {
  QString file = AppPath() + QLatin1String(name);
  file.replace('\\', '/');
  return file;
}

// The load goes on past a failing step: each step is tried on its own.
template <class Step>
void passOver(Step step) {
  try {
    step();
  } catch (...) {
  }
}
}  // namespace

frmMain::frmMain() : VbForm(Kind::TopLevel) {
  setWindowTitle(QStringLiteral("Halvion"));

  pic.setAutoFillBackground(true);
  QPalette bar = pic.palette();
  bar.setColor(QPalette::Window, QColor(196, 36, 36));  // where the window outgrows the painted bar
  pic.setPalette(bar);
  pic.setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label4.setText(QStringLiteral("Halvion  -  Hospital Front Office"));
  Label4.setFont(QFont(QStringLiteral("Arial"), 11, QFont::Bold));
  Label4.setStyleSheet(QStringLiteral("color: #ffffff; background: transparent;"));
  Label4.setAttribute(Qt::WA_TransparentForMouseEvents);

  MDIClient.setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  MDIClient.setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  Picture2.setScaledContents(true);
  ShockwaveFlash1.hide();
  ShockwaveFlash2.hide();

  Timer1.setInterval(100);
  connect(&Timer1, &QTimer::timeout, this, &frmMain::Timer1_Timer);
  connect(&ShockwaveFlash1, &FlashMovie::FSCommand, this, &frmMain::ShockwaveFlash1_FSCommand);
  connect(&ShockwaveFlash2, &FlashMovie::FSCommand, this, &frmMain::ShockwaveFlash2_FSCommand);
  connect(&ShockwaveFlash3, &FlashMovie::FSCommand, this, &frmMain::ShockwaveFlash3_FSCommand);
  connect(&ShockwaveFlash4, &FlashMovie::FSCommand, this, &frmMain::ShockwaveFlash4_FSCommand);
  layoutControls();
}

frmMain::~frmMain() = default;

void frmMain::Form_Load() {
  SetMdiArea(&MDIClient);
  SetMainMenuHooks(
      this, [this](QLineEdit* box) { HideMenus(box); }, [this](QLineEdit* box) { ShowMenus(box); });

  setWindowState(windowState() | Qt::WindowMaximized);
  Move(50, 0);
  passOver([&] {
    const QSize screen = ScreenSize();
    SetWidth(PixelsToTwips(screen.width()) - 200);
    SetHeight(PixelsToTwips(screen.height()) - 100);
    // That place and size are the window's restored bounds; maximised (and without a caption
    // bar it is never restored) it covers the work area, also where no window manager sees to it.
    if (const auto area = WorkArea()) setGeometry(*area);
  });
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
  gMenuView = QStringLiteral("Horizontal");
  passOver([&] {
    background_ = QPixmap(programFile("\\backall.gif"));
    if (!background_.isNull()) {
      layoutControls();
      Picture2.setPixmap(background_);
    }
  });
  passOver([&] {
    ShockwaveFlash3.SetMovie(programFile("\\minmain.swf"));
    ShockwaveFlash4.SetMovie(programFile("\\closemain.swf"));
    ShockwaveFlash5.SetMovie(programFile("\\title.swf"));
  });
  passOver([] { ConnectDB(); });
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

void frmMain::ShockwaveFlash1_FSCommand(const QString& command, const QString& args) {
  (void)args;
  dispatch(command);
}

void frmMain::ShockwaveFlash2_FSCommand(const QString& command, const QString& args) {
  (void)args;
  dispatch(command);
}

void frmMain::ShockwaveFlash3_FSCommand(const QString& command, const QString& args) {
  (void)args;
  if (command.toLower().trimmed() == QLatin1String("minimize")) showMinimized();
}

void frmMain::ShockwaveFlash4_FSCommand(const QString& command, const QString& args) {
  (void)args;
  if (command.toLower().trimmed() == QLatin1String("close")) exitSequence(true);
}

void frmMain::exitSequence(bool fromCloseMovie) {
  if (MsgBox(QStringLiteral("Do you want to Really Exit this Application"), vbYesNo + vbCritical,
             QStringLiteral("Exit")) != vbYes)
    return;
  const auto closeActiveForm = [] {
    auto* form = qobject_cast<VbForm*>(gActiveForm.data());
    if (form && form->IsLoaded()) {
      form->Hide();
      form->Unload();
    }
  };
  if (fromCloseMovie)
    passOver(closeActiveForm);
  else
    closeActiveForm();
  Timer1.setInterval(100);
  Timer1.start();
  FadeAlpha = 255;
}

void frmMain::Timer1_Timer() {
  if (IsWindows2000()) {
    SetFormOpacity(this, FadeAlpha);
    if (FadeAlpha < 11) {
      Timer1.stop();
      RestoreTaskBar();
      RestoreResolution();
      End();
      return;
    }
    FadeAlpha = std::uint8_t(FadeAlpha - 10);
  } else {
    Timer1.stop();
    RestoreTaskBar();
    RestoreResolution();
    Hide();
    End();
  }
}

void frmMain::resizeEvent(QResizeEvent* event) {
  VbForm::resizeEvent(event);
  layoutControls();
}

void frmMain::layoutControls() {
  const int w = width();
  const int h = height();
  pic.setGeometry(0, 0, w, kTitleBarHeight);
  Label4.setGeometry(14, 0, std::max(0, w - 120), kTitleBarHeight);
  ShockwaveFlash4.setGeometry(w - 38, 2, 30, 30);
  ShockwaveFlash3.setGeometry(w - 72, 2, 30, 30);

  const QRect client(0, kTitleBarHeight, w, std::max(0, h - kTitleBarHeight));
  MDIClient.setGeometry(client);
  if (!background_.isNull() && !client.isEmpty())
    MDIClient.setBackground(QBrush(background_.scaled(client.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
  Picture2.setGeometry(client);
  Picture2.raise();
  ShockwaveFlash2.setGeometry(0, 0, client.width(), kHorizontalMenuHeight);
  ShockwaveFlash1.setGeometry(12, 12, kVerticalMenuWidth, std::max(0, client.height() - 24));
  const QSize title(std::min(640, client.width()), 120);
  ShockwaveFlash5.setGeometry((client.width() - title.width()) / 2, (client.height() - title.height()) / 2,
                              title.width(), title.height());
}
