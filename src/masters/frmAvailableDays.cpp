#include "masters/frmAvailableDays.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "framework/formdesign.h"
#include "framework/trimpicture.h"
#include "framework/twips.h"
#include "globals.h"
#include "masters/frmAddDoctorDetail.h"
#include "platform/msgbox.h"
#include "platform/vbruntime.h"

namespace {
const char* const kEntries[] = {"All Days", "Sunday",   "Monday", "Tuesday",
                                "Wednesday", "Thursday", "Friday", "Saturday"};
const QString kAllDays = QStringLiteral("All Days");

// Who asked, for the picker that is being made: its load already writes to the caller.
QPointer<VbForm> gPendingCaller;

void BringToFront(VbForm* form) {
  QWidget* w = form->FormWindow();
  w->raise();
  if (auto* sub = qobject_cast<QMdiSubWindow*>(w)) {
    if (QMdiArea* area = sub->mdiArea()) area->setActiveSubWindow(sub);
  } else {
    w->activateWindow();
  }
}
}  // namespace

QString AvailableDaysText(const QStringList& entries, const std::vector<bool>& selected) {
  QString text;
  for (int i = 0; i < entries.size() && std::size_t(i) < selected.size(); ++i) {
    if (!selected[std::size_t(i)]) continue;
    if (entries[i] == kAllDays) return QStringLiteral("Sunday,Monday,Tuesday,Wednesday,Thursday,Friday,Saturday");
    text += (Trim(text).isEmpty() ? QString() : QStringLiteral(",")) + entries[i];
  }
  return text;
}

frmAvailableDays::frmAvailableDays() {
  callerForm_ = gPendingCaller;
  gPendingCaller = nullptr;
  MoveTwips(&List1, 360, 600, 1935, 2205);
  List1.setSelectionMode(QAbstractItemView::MultiSelection);
  List1.setFont(QFont(QStringLiteral("Arial"), 9, QFont::Bold));
  MoveTwips(&Picture1, 600, 3000, 885, 465);
  Picture1.setHoverImage(QStringLiteral("ok"), &Label3);
  Label3.hide();
  connect(&Picture1, &ImageButton::Click, this, [this] { Picture1_Click(); });
  connect(&ShockwaveFlash2, &FlashMovie::FSCommand, this, &frmAvailableDays::ShockwaveFlash2_FSCommand);
}

frmAvailableDays::~frmAvailableDays() = default;

void frmAvailableDays::LookUp(VbForm* Caller) {
  frmAvailableDays* loaded = LoadedForm<frmAvailableDays>();
  if (!loaded || !loaded->callerForm_) {
    if (Caller) Caller->FormWindow()->setEnabled(false);
    if (loaded)
      loaded->callerForm_ = Caller;
    else
      gPendingCaller = Caller;
  } else {
    MsgBox(QStringLiteral("Days already in use.\r\nPlease complete prvious request."));
  }
  frmAvailableDays* picker = loaded ? loaded : LoadForm<frmAvailableDays>();
  gPendingCaller = nullptr;
  if (picker && picker->IsLoaded()) {
    picker->Show();
    BringToFront(picker);
  }
}

frmAddDoctorDetail* frmAvailableDays::doctorForm() const {
  return qobject_cast<frmAddDoctorDetail*>(callerForm_.data());
}

void frmAvailableDays::Form_Load() {
  DesignForm(this, &ShockwaveFlash1, &ShockwaveFlash2, &ShockwaveFlash3, 4125, 2640, QStringLiteral(" Days"),
             &Image1);
  CenterForm();
  gActiveForm = this;
  for (const char* e : kEntries) List1.addItem(QLatin1String(e));
  List1.raise();
  Picture1.setPicture(QStringLiteral("\\ok.gif"));
  // Shaped to its picture like every other image button, so no white box shows around it.
  TrimPictureBox(&Picture1);
  Picture1.raise();
  // Every opening starts from an empty day list.
  if (frmAddDoctorDetail* doctor = doctorForm()) doctor->txtAvailabledays.clear();
}

void frmAvailableDays::Picture1_Click() {
  QStringList entries;
  std::vector<bool> selected;
  for (int i = 0; i < List1.count(); ++i) {
    entries << List1.item(i)->text();
    selected.push_back(List1.item(i)->isSelected());
  }
  if (frmAddDoctorDetail* doctor = doctorForm())
    doctor->txtAvailabledays.setPlainText(AvailableDaysText(entries, selected));
  Hide();
  Unload();
}

void frmAvailableDays::ShockwaveFlash2_FSCommand(const QString& command, const QString& args) {
  (void)args;
  if (Trim(command).compare(QStringLiteral("Close"), Qt::CaseInsensitive) == 0) {
    Hide();
    Unload();
  }
}

void frmAvailableDays::Form_Unload(int& cancel) {
  (void)cancel;
  if (VbForm* caller = callerForm_.data()) {
    caller->FormWindow()->setEnabled(true);
    BringToFront(caller);
    // The caller's hot keys reach it again.
    gActiveForm = caller;
  }
  callerForm_.clear();
}
