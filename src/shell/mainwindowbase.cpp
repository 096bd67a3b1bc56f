#include "shell/mainwindowbase.h"

#include <algorithm>

#include "framework/databaseerror.h"
#include "framework/twips.h"
#include "globals.h"
#include "platform/msgbox.h"
#include "platform/system.h"
#include "platform/vbruntime.h"
#include "platform/workarea.h"
#include "shell/formtransparent.h"
#include "shell/frmLoading.h"

namespace {
constexpr int kTitleBarHeight = 34;  // pixels
constexpr int kHorizontalMenuHeight = 40;
constexpr int kVerticalMenuWidth = 240;
}  // namespace

MainWindowBase::MainWindowBase(int fadeStepMs) : VbForm(Kind::TopLevel), fadeStepMs_(fadeStepMs) {
  setWindowTitle(QStringLiteral("Halvion"));
  pic.setAutoFillBackground(true);
  pic.setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label4.setText(QStringLiteral("Halvion  -  Hospital Front Office"));
  Label4.setFont(QFont(QStringLiteral("Arial"), 11, QFont::Bold));
  Label4.setAttribute(Qt::WA_TransparentForMouseEvents);
  Picture2.setScaledContents(true);
  ShockwaveFlash1.hide();
  ShockwaveFlash2.hide();

  Timer1.setInterval(fadeStepMs_);
  connect(&Timer1, &QTimer::timeout, this, &MainWindowBase::Timer1_Timer);
  connect(&ShockwaveFlash1, &FlashMovie::FSCommand, this, &MainWindowBase::ShockwaveFlash1_FSCommand);
  connect(&ShockwaveFlash2, &FlashMovie::FSCommand, this, &MainWindowBase::ShockwaveFlash2_FSCommand);
  connect(&ShockwaveFlash3, &FlashMovie::FSCommand, this, &MainWindowBase::ShockwaveFlash3_FSCommand);
  connect(&ShockwaveFlash4, &FlashMovie::FSCommand, this, &MainWindowBase::ShockwaveFlash4_FSCommand);
  layoutControls();
}

MainWindowBase::~MainWindowBase() = default;

QString MainWindowBase::programFile(const char* name) {
  QString file = AppPath() + QLatin1String(name);
  file.replace('\\', '/');
  return file;
}

void MainWindowBase::placeWindow() {
  setWindowState(windowState() | Qt::WindowMaximized);
  Move(50, 0);
  passOver([&] {
    const QSize screen = ScreenSize();
    SetWidth(PixelsToTwips(screen.width()) - 200);
    SetHeight(PixelsToTwips(screen.height()) - 100);
    // Without a caption bar the window is never restored, so it covers the work area also where
    // no window manager sees to it.
    if (const auto area = WorkArea()) setGeometry(*area);
  });
}

void MainWindowBase::loadPicturesAndMovies() {
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
}

void MainWindowBase::ShockwaveFlash1_FSCommand(const QString& command, const QString& args) {
  (void)args;
  dispatch(command);
}

void MainWindowBase::ShockwaveFlash2_FSCommand(const QString& command, const QString& args) {
  (void)args;
  dispatch(command);
}

void MainWindowBase::ShockwaveFlash3_FSCommand(const QString& command, const QString& args) {
  (void)args;
  if (Trim(command.toLower()) == QLatin1String("minimize")) showMinimized();
}

void MainWindowBase::ShockwaveFlash4_FSCommand(const QString& command, const QString& args) {
  (void)args;
  if (Trim(command.toLower()) == QLatin1String("close")) exitSequence(true);
}

void MainWindowBase::exitSequence(bool fromCloseMovie) {
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
  Timer1.setInterval(fadeStepMs_);
  Timer1.start();
  FadeAlpha = 255;
}

void MainWindowBase::Timer1_Timer() {
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

void MainWindowBase::resizeEvent(QResizeEvent* event) {
  VbForm::resizeEvent(event);
  layoutControls();
}

void MainWindowBase::layoutControls() {
  const int w = width();
  const int h = height();
  pic.setGeometry(0, 0, w, kTitleBarHeight);
  Label4.setGeometry(14, 0, std::max(0, w - 120), kTitleBarHeight);
  ShockwaveFlash4.setGeometry(w - 38, 2, 30, 30);
  ShockwaveFlash3.setGeometry(w - 72, 2, 30, 30);

  const QRect client(0, kTitleBarHeight, w, std::max(0, h - kTitleBarHeight));
  layoutClient(client);
  Picture2.setGeometry(client);
  Picture2.raise();
  ShockwaveFlash2.setGeometry(0, 0, client.width(), kHorizontalMenuHeight);
  ShockwaveFlash1.setGeometry(12, 12, kVerticalMenuWidth, std::max(0, client.height() - 24));
  const QSize title(std::min(640, client.width()), 120);
  ShockwaveFlash5.setGeometry((client.width() - title.width()) / 2, (client.height() - title.height()) / 2,
                              title.width(), title.height());
}
