#include "framework/listform.h"

#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <numeric>

#include "framework/formdesign.h"
#include "framework/twips.h"
#include "globals.h"
#include "platform/ado.h"
#include "platform/msgbox.h"
#include "platform/vbruntime.h"

namespace {
// The caller LookUp hands to a list that is being made and loaded: the list must know it before
// its load runs, because a list that finds its table empty closes itself during that load and
// its unload enables the caller again.
QPointer<VbForm> gPendingCaller;

constexpr int kGridLeft = 1000;
constexpr int kGridTop = 1000;
constexpr int kGridHeight = 1935;
constexpr int kListFormHeight = 4000;

// Brings a form to the front and makes it the active window.
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

int ListGridWidth(const std::vector<int>& colWidths) {
  const int sum = std::accumulate(colWidths.begin(), colWidths.end(), 0);
  return sum > 10000 ? 10000 : sum + 350;
}

void ApplyListGridColours(FlexGrid* grid) {
  grid->SetBackColorBkg(0xC0C0FF);
  grid->SetBorderStyle(1);
  grid->SetBackColorFixed(0x000080);
  grid->SetForeColorFixed(0x8000000E);
  grid->SetBackColor(0xFFFFFF);
  grid->SetForeColor(0x80000012);
  grid->SetBackColorSel(0xFFC0C0);
  // The selected cell keeps the ordinary text colour: in the selection colour itself its text
  // would vanish into its own background.
  grid->SetForeColorSel(0x80000012);
}

QFont ListGridFont() {
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPointSizeF(8.25);
  return font;
}

ListForm::ListForm(ListFormConfig config) : config_(std::move(config)) {
  callerForm_ = gPendingCaller;
  gPendingCaller = nullptr;
  setFocusPolicy(Qt::NoFocus);
  MoveTwips(&MSFlexGrid1, kGridLeft, kGridTop, 5175, kGridHeight);
  MSFlexGrid1.setFont(ListGridFont());
  MSFlexGrid1.SetFixedRows(1);
  MSFlexGrid1.SetFixedCols(1);
  MSFlexGrid1.setEditTriggers(QAbstractItemView::NoEditTriggers);

  if (config_.closeStyle == ListFormConfig::CloseStyle::MovieFocus) {
    connect(&ShockwaveFlash2, &FlashMovie::GotFocus, this, [this] { closeList(); });
  } else {
    connect(&ShockwaveFlash2, &FlashMovie::FSCommand, this, [this](const QString& command, const QString&) {
      if (Trim(command).toLower() == QStringLiteral("close")) closeList();
    });
  }
}

ListForm::~ListForm() = default;

void ListForm::SetPendingCaller(VbForm* caller) { gPendingCaller = caller; }

void ListForm::Form_Load() {
  const int cols = int(config_.columns.size());
  MSFlexGrid1.SetCols(cols);
  ApplyListGridColours(&MSFlexGrid1);

  std::vector<int> widths;
  for (int c = 0; c < cols; ++c) {
    MSFlexGrid1.SetColWidth(c, config_.columns[c].width);
    MSFlexGrid1.SetTextMatrix(0, c, config_.columns[c].heading);
    widths.push_back(MSFlexGrid1.ColWidth(c));
  }
  const int gridWidth = ListGridWidth(widths);
  MoveTwips(&MSFlexGrid1, kGridLeft, kGridTop, gridWidth, kGridHeight);

  DesignForm(this, &ShockwaveFlash1, &ShockwaveFlash2, &ShockwaveFlash3, kListFormHeight,
             ListFormWidth(gridWidth), config_.title, &Image1);
  CenterForm();
  MSFlexGrid1.raise();

  auto rs = std::make_unique<Recordset>();
  try {
    rs->Open(config_.read, gCon, adOpenStatic, adLockPessimistic);
  } catch (const DbError& e) {
    // Without its rows the list has nothing to show: it says why and closes, and the caller is
    // usable again.
    MsgBox(e.Description());
    Hide();
    Unload();
    return;
  }
  listRecordset_ = std::move(rs);

  if (listRecordset_->RecordCount() == 0) {
    MsgBox(QStringLiteral("No Record Found"), vbExclamation, QStringLiteral("No Record Warning"));
    Hide();
    Unload();
    return;
  }
  FillGrid();
}

void ListForm::FillGrid() {
  Recordset& rs = *listRecordset_;
  const long count = rs.RecordCount();
  const int cols = int(config_.columns.size());
  try {
    MSFlexGrid1.SetRows(int(count) + 1);
    rs.MoveFirst();
    for (long i = 0; i < count; ++i) {
      const int row = int(i) + 1;
      MSFlexGrid1.SetRow(row);
      MSFlexGrid1.SetCol(0);
      for (int c = 0; c < cols; ++c) {
        const int source = config_.columns[c].source;
        // A cell without a value shows empty; the rest of the row and the list still fill.
        MSFlexGrid1.SetTextMatrix(row, c, source == ListColumn::kRowNumber ? Str(static_cast<long long>(row))
                                                                            : rs.Fields(source).toText());
      }
      rs.MoveNext();
    }
    MSFlexGrid1.SetRow(0);
    MSFlexGrid1.SetCol(0);
  } catch (const DbError& e) {
    MsgBox(e.Description());
  } catch (const std::exception& e) {
    MsgBox(QString::fromUtf8(e.what()));
  }
}

bool ListForm::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate && FormWindow() == this) Form_Activate();
  return VbForm::event(e);
}

void ListForm::showEvent(QShowEvent* e) {
  VbForm::showEvent(e);
  // Inside the main window's area the sub-window tells of its activation.
  if (auto* sub = qobject_cast<QMdiSubWindow*>(FormWindow()); sub && !activateHooked_) {
    activateHooked_ = true;
    connect(sub, &QMdiSubWindow::aboutToActivate, this, [this] { Form_Activate(); });
    if (MdiArea() && MdiArea()->activeSubWindow() == sub) Form_Activate();
  }
}

void ListForm::Form_Activate() {
  if (!IsLoaded()) return;
  if (!listRecordset_ || listRecordset_->RecordCount() == 0) {
    closeList();
    return;
  }
  if (config_.focusGridOnActivate) MSFlexGrid1.setFocus(Qt::ActiveWindowFocusReason);
}

void ListForm::Form_Unload(int& cancel) {
  (void)cancel;
  if (VbForm* caller = callerForm_.data()) {
    caller->FormWindow()->setEnabled(true);
    BringToFront(caller);
  }
  callerForm_.clear();
}

void ListForm::closeList() {
  Hide();
  Unload();
}

void ListLookUp(ListForm* loaded, ListForm* (*load)(), VbForm* Caller) {
  if (!loaded || !loaded->CallerForm()) {
    if (Caller) Caller->FormWindow()->setEnabled(false);
    if (loaded)
      loaded->callerForm_ = Caller;
    else
      ListForm::SetPendingCaller(Caller);
  } else {
    MsgBox(loaded->Config().caption + QStringLiteral(" already in use.") + QStringLiteral("\r\n") +
           QStringLiteral("Please complete prvious request."));
  }
  ListForm* list = loaded ? loaded : load();
  ListForm::SetPendingCaller(nullptr);
  if (list && list->IsLoaded()) {
    list->Show();
    BringToFront(list);
  }
}
