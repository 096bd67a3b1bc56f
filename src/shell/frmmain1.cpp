#include "shell/frmmain1.h"

#include <vector>

#include "data/connectdb.h"
#include "framework/mainmenus.h"
#include "framework/twips.h"
#include "globals.h"
#include "masters/frmAddEmployeeDetail.h"
#include "masters/frmViewDrDetails.h"
#include "masters/frmViewEmpDetails.h"
#include "platform/msgbox.h"
#include "platform/system.h"
#include "platform/workarea.h"
#include "shell/formtransparent.h"
#include "shell/frmCopyDB.h"
#include "shell/frmLoading.h"
#include "shell/frmMain.h"
#include "shell/frmViewUserDetails.h"

namespace {
constexpr int kTitleBarHeight = 34;  // pixels
constexpr int kHorizontalMenuHeight = 40;
constexpr int kVerticalMenuWidth = 240;

QString programFile(const char* name) {
  QString file = AppPath() + QLatin1String(name);
  file.replace('\\', '/');
  return file;
}

template <class Step>
void passOver(Step step) {
  try {
    step();
  } catch (...) {
  }
}

std::vector<MenuCommand> buildSecondWindowCommands() {
  struct Entry {
    const char* command;
    FormOpener own;      // this window's own action
    bool same;           // instead, what the main window's table does for ...
    const char* sameAs;  // ... this command (nullptr: the same command)
  };
  const Entry entries[] = {
      {"mnuOutPatientHistory", nullptr, true, nullptr},
      {"mnuNewPateient", nullptr, true, nullptr},
      {"mnuOutAddBill", nullptr, true, nullptr},
      {"mnuOutCancelBill", nullptr, true, nullptr},
      {"mnuDailyReport", nullptr, true, nullptr},
      {"mnuSearchReport", nullptr, true, nullptr},
      {"mnuCancelBillReport", nullptr, false, nullptr},  // the main window acts on it; this one does not
      {"mnuInPatientHistory", nullptr, true, nullptr},
      {"mnuInAdmission", nullptr, true, nullptr},
      {"InAddBill", nullptr, true, nullptr},
      {"InCancelBill", nullptr, true, nullptr},
      {"mnuInDailyReport", nullptr, true, nullptr},
      {"mnuInSearchReport", nullptr, true, nullptr},
      {"mnuInCancelBillReport", nullptr, false, nullptr},
      {"mnuInDischarge", nullptr, true, nullptr},
      {"mnuOutAddPrescription", nullptr, false, nullptr},
      {"mnuChangeMenuView", nullptr, true, nullptr},
      {"mnuViewPatientDetails", nullptr, true, "mnuInPatientHistory"},  // the in-patient search form
      {"mnuViewDocctorDetails", &OpenMenuForm<frmViewDrDetails>, false, nullptr},
      {"mnuViewEmployeeDetails", &OpenMenuForm<frmViewEmpDetails>, false, nullptr},
      {"mnuViewUserDetails", &OpenMenuForm<frmViewUserDetails>, false, nullptr},
      {"mnuAddDrDetail", nullptr, true, nullptr},
      {"mnuAddEmployeeDetails", &OpenMenuForm<frmAddEmployeeDetail>, false, nullptr},
      {"mnuNewUserAccounts", nullptr, true, nullptr},
      {"mnuChangePassword", nullptr, true, nullptr},
      {"mnuCopyDatabase", &OpenMenuForm<frmCopyDB>, false, nullptr},
      {"mnuHelpTopic", nullptr, true, nullptr},
      {"mnuAboutMe", nullptr, true, nullptr},
  };
  std::vector<MenuCommand> table;
  for (const Entry& e : entries) {
    const FormOpener open =
        e.same ? CommandAction(QLatin1String(e.sameAs ? e.sameAs : e.command)) : e.own;
    table.push_back({e.command, open});
  }
  table.push_back({"mnuexit", nullptr, true});
  return table;
}
}  // namespace

std::span<const MenuCommand> SecondWindowCommands() {
  static const std::vector<MenuCommand> table = buildSecondWindowCommands();
  return table;
}

frmmain1::frmmain1() : VbForm(Kind::TopLevel) {
  setWindowTitle(QStringLiteral("Halvion"));
  pic.setAutoFillBackground(true);
  pic.setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label4.setText(QStringLiteral("Halvion  -  Hospital Front Office"));
  Label4.setFont(QFont(QStringLiteral("Arial"), 11, QFont::Bold));
  Label4.setAttribute(Qt::WA_TransparentForMouseEvents);
  Picture2.setScaledContents(true);
  ShockwaveFlash1.hide();
  ShockwaveFlash2.hide();

  Timer1.setInterval(500);
  connect(&Timer1, &QTimer::timeout, this, &frmmain1::Timer1_Timer);
  connect(&ShockwaveFlash1, &FlashMovie::FSCommand, this, &frmmain1::ShockwaveFlash1_FSCommand);
  connect(&ShockwaveFlash2, &FlashMovie::FSCommand, this, &frmmain1::ShockwaveFlash2_FSCommand);
  connect(&ShockwaveFlash3, &FlashMovie::FSCommand, this, &frmmain1::ShockwaveFlash3_FSCommand);
  connect(&ShockwaveFlash4, &FlashMovie::FSCommand, this, &frmmain1::ShockwaveFlash4_FSCommand);
  layoutControls();
}

frmmain1::~frmmain1() = default;

void frmmain1::Form_Load() {
  setWindowState(windowState() | Qt::WindowMaximized);
  Move(50, 0);
  passOver([&] {
    const QSize screen = ScreenSize();
    SetWidth(PixelsToTwips(screen.width()) - 200);
    SetHeight(PixelsToTwips(screen.height()) - 100);
    if (const auto area = WorkArea()) setGeometry(*area);
  });
  passOver([&] { layoutControls(); });
  // The painted title bar, the caption removal and the dragging are the main window's: asked of
  // this plain window they do not apply, and it keeps its caption bar and border.
  gMenuView = QStringLiteral("Horizontal");
  passOver([&] {
    background_ = QPixmap(programFile("\\backall.gif"));
    if (!background_.isNull()) Picture2.setPixmap(background_);
  });
  passOver([&] {
    ShockwaveFlash3.SetMovie(programFile("\\minmain.swf"));
    ShockwaveFlash4.SetMovie(programFile("\\closemain.swf"));
    ShockwaveFlash5.SetMovie(programFile("\\title.swf"));
  });
  passOver([] { ConnectDB(); });
  // The menus shown are the main window's, which is loaded for them when it is not loaded yet.
  passOver([] {
    LoadForm<frmMain>();
    ShowMainMenus(CurrentUserTypeBox());
  });
}

void frmmain1::dispatch(const QString& command) {
  // The menu forms open inside the main window, which comes up with them as a parent window
  // does when one of its children is shown.
  const MenuCommand* entry = FindMenuCommand(SecondWindowCommands(), command);
  if (entry && entry->open) passOver([] {
      if (frmMain* main = LoadedForm<frmMain>()) main->Show();
    });
  DispatchMenuCommand(SecondWindowCommands(), command, [this] { exitSequence(false); });
}

void frmmain1::ShockwaveFlash1_FSCommand(const QString& command, const QString& args) {
  (void)args;
  dispatch(command);
}

void frmmain1::ShockwaveFlash2_FSCommand(const QString& command, const QString& args) {
  (void)args;
  dispatch(command);
}

void frmmain1::ShockwaveFlash3_FSCommand(const QString& command, const QString& args) {
  (void)args;
  if (command.toLower().trimmed() == QLatin1String("minimize")) showMinimized();
}

void frmmain1::ShockwaveFlash4_FSCommand(const QString& command, const QString& args) {
  (void)args;
  if (command.toLower().trimmed() == QLatin1String("close")) exitSequence(true);
}

void frmmain1::exitSequence(bool fromCloseMovie) {
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
  Timer1.setInterval(500);
  Timer1.start();
  FadeAlpha = 255;
}

void frmmain1::Timer1_Timer() {
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

void frmmain1::resizeEvent(QResizeEvent* event) {
  VbForm::resizeEvent(event);
  layoutControls();
}

void frmmain1::layoutControls() {
  const int w = width();
  const int h = height();
  pic.setGeometry(0, 0, w, kTitleBarHeight);
  Label4.setGeometry(14, 0, std::max(0, w - 120), kTitleBarHeight);
  ShockwaveFlash4.setGeometry(w - 38, 2, 30, 30);
  ShockwaveFlash3.setGeometry(w - 72, 2, 30, 30);
  const QRect client(0, kTitleBarHeight, w, std::max(0, h - kTitleBarHeight));
  Picture2.setGeometry(client);
  ShockwaveFlash2.setGeometry(0, 0, client.width(), kHorizontalMenuHeight);
  ShockwaveFlash1.setGeometry(12, 12, kVerticalMenuWidth, std::max(0, client.height() - 24));
  const QSize title(std::min(640, client.width()), 120);
  ShockwaveFlash5.setGeometry((client.width() - title.width()) / 2, (client.height() - title.height()) / 2,
                              title.width(), title.height());
}
