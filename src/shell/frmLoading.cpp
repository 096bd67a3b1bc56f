#include "shell/frmLoading.h"

#include <QDir>
#include <QFont>
#include <QPixmap>

#include "data/connectdb.h"
#include "data/users.h"
#include "framework/formdesign.h"
#include "framework/twips.h"
#include "globals.h"
#include "platform/display.h"
#include "platform/msgbox.h"
#include "platform/system.h"
#include "platform/vbruntime.h"
#include "shell/frmLogin.h"
#include "shell/programlogo.h"

void SaveCurrentResolution() {
  const DisplayMode mode = DisplayDevice()->CurrentMode();
  gScreenWidth = mode.width;
  gScreenHeight = mode.height;
  gScreenBits = mode.bitsPerPixel;
}

namespace {
void setTaskBar(int state) {
  const std::shared_ptr<TaskBarService> taskBar = TaskBarDevice();
  (void)taskBar->GetState();  // asked, as the task bar expects, but the old state is not kept
  taskBar->SetState(state);
}
}  // namespace

void AutoHideTaskBar() { setTaskBar(ABS_AUTOHIDE); }
void RestoreTaskBar() { setTaskBar(ABS_ALWAYSONTOP); }

void ChangeResolution(const int& Width, const int& Height, const int& BitsPerPixel) {
  const std::shared_ptr<DisplayService> display = DisplayDevice();
  DisplayMode mode = display->FirstMode();
  mode.width = Width;
  mode.height = Height;
  mode.bitsPerPixel = BitsPerPixel;
  switch (display->TestMode(mode)) {
    case DISP_CHANGE_SUCCESSFUL:
      display->ApplyMode(mode);
      display->Broadcast(WM_DISPLAYCHANGE, quintptr(BitsPerPixel), DisplayChangeLParam(Width, Height));
      break;
    case DISP_CHANGE_RESTART:
      if (MsgBox(QStringLiteral("You've to reboot"), vbYesNo + kSystemModalBox, QStringLiteral("Info")) == vbYes)
        display->RequestRestart();
      break;
    default:
      break;
  }
}

void SetStartupResolution() { ChangeResolution(1024, 768, 24); }

void RestoreResolution() {
  const int width = gScreenWidth, height = gScreenHeight, bits = gScreenBits;
  ChangeResolution(width, height, bits);
}

namespace {
const QColor kTitleColor(86, 72, 121);
const QColor kTextColor(60, 48, 84);

QFont arial(int points, bool bold) {
  QFont f(QStringLiteral("Arial"));
  f.setPointSize(points);
  f.setBold(bold);
  return f;
}

void setText(QLabel& label, const QString& text, int points, bool bold, const QColor& color) {
  label.setText(text);
  label.setFont(arial(points, bold));
  QPalette pal = label.palette();
  pal.setColor(QPalette::WindowText, color);
  label.setPalette(pal);
}
}  // namespace

frmLoading::frmLoading() : VbForm(Kind::TopLevel) {
  setWindowTitle(QString());
  Move(0, 0, 7035, 4890);
  // The ground and frame of every window, so the splash looks right without its picture too.
  setAutoFillBackground(true);
  QPalette ground = palette();
  ground.setColor(QPalette::Window, kFormBackColor);
  setPalette(ground);
  SetPaintedFrame(RegionEdge(QRegion(rect())), kFormFrameColor);

  MoveTwips(&imgsymbol, 420, 420, 960, 960);
  imgsymbol.setPixmap(ProgramLogo(TwipsToPixels(960)));

  MoveTwips(&lbltitle, 1560, 360, 5000, 720);
  setText(lbltitle, QStringLiteral("Halvion"), 30, true, kTitleColor);
  MoveTwips(&lblVersion, 1620, 1080, 3000, 300);
  setText(lblVersion, QStringLiteral("Version 1.0"), 10, true, kTextColor);
  MoveTwips(&lblPlatform, 1620, 1380, 5000, 300);
  setText(lblPlatform, QStringLiteral("For Microsoft Windows 98/2000/XP"), 9, false, kTextColor);

  MoveTwips(&Label7, 420, 1830, 6195, 30);
  Label7.setAutoFillBackground(true);
  QPalette rule = Label7.palette();
  rule.setColor(QPalette::Window, QColor(116, 99, 155));
  Label7.setPalette(rule);

  MoveTwips(&Label5, 420, 1980, 6195, 300);
  setText(Label5, QStringLiteral("The front office of the hospital: patients, bills and reports."), 9, true,
          kTextColor);

  MoveTwips(&Frame1, 420, 2400, 6195, 1140);
  Frame1.setFrameShape(QFrame::StyledPanel);
  Frame1.setFrameShadow(QFrame::Sunken);
  const QString warning[] = {
      QStringLiteral("Warning: this program and the records it keeps are for the hospital's"),
      QStringLiteral("own staff. Copying it, or passing on any of its records, without the"),
      QStringLiteral("hospital's leave is not allowed."),
  };
  QLabel* lines[] = {&Label2, &Label3, &Label4};
  for (int i = 0; i < 3; ++i) {
    MoveTwips(lines[i], 150, 120 + i * 320, 5900, 300);
    setText(*lines[i], warning[i], 8, false, kTextColor);
  }

  MoveTwips(&Label1, 420, 3900, 1000, 300);
  setText(Label1, QStringLiteral("Loading "), 9, true, kTextColor);
  MoveTwips(&ProgressBar1, 1380, 3900, 5235, 300);
  ProgressBar1.setRange(0, 100);
  ProgressBar1.setValue(0);
  ProgressBar1.setTextVisible(false);
  QPalette bar = ProgressBar1.palette();
  bar.setColor(QPalette::Highlight, QColor(116, 99, 155));
  ProgressBar1.setPalette(bar);

  Timer1.setInterval(500);
  connect(&Timer1, &QTimer::timeout, this, &frmLoading::Timer1_Timer);
}

void frmLoading::Form_Load() {
  Timer1.start();
  CenterForm();

  Image1.setScaledContents(true);
  Image1.setPixmap(QPixmap(AppPath() + QStringLiteral("/backall.gif")));
  MoveTwips(&Image1, 0, 0, ScaleWidth(), ScaleHeight());
  Image1.lower();

  SaveCurrentResolution();
  AutoHideTaskBar();
  SetStartupResolution();
  Show();
  QDir::setCurrent(AppPath());
}

bool DefaultLoginStands() {
  const QString name = QStringLiteral("tumbo");
  const QString password = QStringLiteral("tumbo");
  try {
    // Nothing to announce or log: the login connects next, and meets and logs the same fault.
    const UnloggedDbErrors unlogged;
    return AnyAccountOpensWith(OpenDatabase(DatabasePath()), name, password);
  } catch (const DbError&) {
  }
  return false;
}

void frmLoading::Timer1_Timer() {
  if (closingStepRun_) return;
  if (ProgressBar1.value() <= 98) ProgressBar1.setValue(ProgressBar1.value() + 10);
  if (ProgressBar1.value() > 98) {
    closingStepRun_ = true;
    Hide();
    // Named only while it works: once the Admin has changed it, the start-up must not give it
    // away, nor send the clerk to a login that fails.
    if (DefaultLoginStands())
      MsgBox(QStringLiteral("Please type - User name : tumbo , Password : tumbo"), vbOKOnly + vbInformation);
    ShowForm<frmLogin>();
    Timer1.stop();
  }
}
