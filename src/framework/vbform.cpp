#include "framework/vbform.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <unordered_map>
#include <vector>

#include "framework/formdesign.h"
#include "framework/twips.h"
#include "globals.h"
#include "platform/log.h"
#include "platform/workarea.h"

namespace {

// The form a log line is written in: the one holding the focus, else the menu form open.
QString formInUse() {
  QWidget* w = QApplication::focusWidget();
  while (w && !qobject_cast<VbForm*>(w)) w = w->parentWidget();
  if (!w) w = gActiveForm.data();
  if (!w) return QString();
  return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
}
[[maybe_unused]] const bool kLogNamesForms = (SetLogFormName(formInUse), true);

std::unordered_map<std::type_index, QPointer<VbForm>>& registry() {
  static std::unordered_map<std::type_index, QPointer<VbForm>> r;
  return r;
}
QPointer<QMdiArea>& mdiArea() {
  static QPointer<QMdiArea> a;
  return a;
}
// The sub-window a child form lives in. QMdiSubWindow drops any mask of its own whenever it is
// shown or resized, so the window's shape is kept here and put back after each event.
class FormSubWindow final : public QMdiSubWindow {
public:
  FormSubWindow() : QMdiSubWindow(nullptr, Qt::FramelessWindowHint) {}
  void keepMask(const QRegion& region) {
    kept_ = region;
    restoreMask();
  }

protected:
  bool event(QEvent* e) override {
    // A deferred delete ends in `delete this`: nothing of the window may be touched after it.
    if (e->type() == QEvent::DeferredDelete) return QMdiSubWindow::event(e);
    const bool handled = QMdiSubWindow::event(e);
    restoreMask();
    return handled;
  }

private:
  void restoreMask() {
    if (!kept_.isEmpty() && !isMinimized() && mask() != kept_) setMask(kept_);
  }
  QRegion kept_;
};

void forget(const VbForm* form) {
  auto& r = registry();
  for (auto it = r.begin(); it != r.end();) {
    if (it->second.isNull() || it->second.data() == form)
      it = r.erase(it);
    else
      ++it;
  }
}
}  // namespace

void SetMdiArea(QMdiArea* area) { mdiArea() = area; }
QMdiArea* MdiArea() { return mdiArea().data(); }

VbForm::VbForm(Kind kind) : kind_(kind) {
  if (kind_ == Kind::TopLevel) setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
}

VbForm::~VbForm() { forget(this); }

QWidget* VbForm::FormWindow() { return sub_ ? static_cast<QWidget*>(sub_.data()) : this; }
const QWidget* VbForm::FormWindow() const { return sub_ ? static_cast<const QWidget*>(sub_.data()) : this; }

int VbForm::Left() const { return PixelsToTwips(FormWindow()->x()); }
int VbForm::Top() const { return PixelsToTwips(FormWindow()->y()); }
int VbForm::Width() const { return PixelsToTwips(FormWindow()->width()); }
int VbForm::Height() const { return PixelsToTwips(FormWindow()->height()); }

void VbForm::SetTop(double top) { Move(Left(), top); }
void VbForm::SetWidth(double width) { Move(Left(), Top(), width, Height()); }
void VbForm::SetHeight(double height) { Move(Left(), Top(), Width(), height); }

void VbForm::Move(double left, double top) { FormWindow()->move(TwipsToPixels(left), TwipsToPixels(top)); }

void VbForm::Move(double left, double top, double width, double height) {
  const QRect r = TwipsRect(left, top, width, height);
  FormWindow()->setGeometry(r);
  // A hidden sub-window lays its form out only when it is shown; the form's own size must be
  // right at once, because the load lays its controls out against it.
  if (sub_) resize(r.size());
}

void VbForm::CenterForm() {
  const QPointF p = CenteredPosition(WorkArea(), ScreenSize(), Width(), Height());
  Move(p.x(), p.y());
}

void VbForm::SetPaintedFrame(const QRegion& frame, const QColor& color) {
  frame_ = frame;
  frameColor_ = color;
  update();
}

void VbForm::SetWindowRegion(const QRegion& region) {
  if (auto* sub = dynamic_cast<FormSubWindow*>(sub_.data()))
    sub->keepMask(region);
  else
    FormWindow()->setMask(region);
}

void VbForm::Show() {
  if (!IsLoaded()) return;
  if (sub_) {
    QWidget::show();
    sub_->show();
    sub_->raise();
    if (QMdiArea* area = sub_->mdiArea()) area->setActiveSubWindow(sub_);
  } else {
    show();
    raise();
    activateWindow();
  }
}

void VbForm::Hide() { FormWindow()->hide(); }

bool VbForm::Unload(int unloadMode) {
  if (!IsLoaded() || unloading_) return true;
  unloading_ = true;
  int cancel = 0;
  Form_QueryUnload(cancel, unloadMode);
  if (cancel == 0) Form_Unload(cancel);
  unloading_ = false;
  if (cancel != 0) return false;

  const bool duringLoad = state_ == State::Loading;
  state_ = State::Unloaded;
  FormWindow()->hide();
  forget(this);
  if (gActiveForm.data() == this) gActiveForm.clear();
  // Inside its own load the registry deletes it once the load has returned.
  if (!duringLoad) FormWindow()->deleteLater();
  return true;
}

void VbForm::closeEvent(QCloseEvent* event) {
  if (Unload(vbFormControlMenu))
    event->accept();
  else
    event->ignore();
}

void VbForm::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  if (frame_.isEmpty()) return;
  QPainter p(this);
  p.setClipRegion(frame_);
  p.fillRect(rect(), frameColor_);
}

VbForm* FindLoadedForm(std::type_index type) {
  auto& r = registry();
  const auto it = r.find(type);
  return it != r.end() && it->second && it->second->IsLoaded() ? it->second.data() : nullptr;
}

bool RunFormLoad(std::type_index type, VbForm* form) {
  registry()[type] = form;
  if (form->kind_ == VbForm::Kind::Child) {
    if (QMdiArea* area = MdiArea()) {
      auto* sub = new FormSubWindow();
      sub->setWidget(form);
      area->addSubWindow(sub);
      form->sub_ = sub;
    } else {
      form->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    }
  }
  form->state_ = VbForm::State::Loading;
  try {
    form->Form_Load();
  } catch (...) {
    forget(form);
    if (gActiveForm.data() == form) gActiveForm.clear();
    form->state_ = VbForm::State::Unloaded;
    form->FormWindow()->hide();
    form->FormWindow()->deleteLater();
    throw;
  }
  if (form->state_ == VbForm::State::Unloaded) {
    // The load may have recorded itself as the active form after unloading itself.
    if (gActiveForm.data() == form) gActiveForm.clear();
    form->FormWindow()->deleteLater();
    return false;
  }
  form->state_ = VbForm::State::Loaded;
  return true;
}

void ResetForms() {
  std::vector<QPointer<VbForm>> forms;
  for (auto& [type, form] : registry()) forms.push_back(form);
  registry().clear();
  for (auto& form : forms) {
    if (!form) continue;
    form->state_ = VbForm::State::Unloaded;
    delete form->FormWindow();
  }
}
