#include "framework/windowstyle.h"

#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

WindowStyle::WindowStyle(QObject* parent) : QObject(parent) {}

QWidget* WindowOf(QWidget* Frm) {
  if (!Frm) return nullptr;
  auto* sub = qobject_cast<QMdiSubWindow*>(Frm->parentWidget());
  return sub && sub->widget() == Frm ? sub : Frm;
}

WindowStyle* WindowStyle::Of(QWidget* window) {
  if (auto* existing = window->findChild<WindowStyle*>(QString(), Qt::FindDirectChildrenOnly)) return existing;
  auto* style = new WindowStyle(window);
  style->Client(window);
  return style;
}

void WindowStyle::Client(QWidget* window) {
  if (mClient) mClient->removeEventFilter(this);
  mClient = window;
  dragging_ = false;
  if (mClient) mClient->installEventFilter(this);
}

void WindowStyle::Titlebar(bool visible) { (void)SetStyle(visible); }

bool WindowStyle::SetStyle(bool caption) {
  QWidget* w = WindowOf(mClient);
  if (!w) return false;
  const Qt::WindowFlags flags = w->windowFlags();
  const Qt::WindowFlags wanted = caption ? flags & ~Qt::FramelessWindowHint : flags | Qt::FramelessWindowHint;
  if (wanted != flags) {
    const bool visible = w->isVisible();
    if (auto* sub = qobject_cast<QMdiSubWindow*>(w))
      sub->setWindowFlags(wanted);
    else
      w->setWindowFlags(wanted);
    if (visible) w->show();  // a window whose flags change is hidden by Qt
  }
  pRedraw();
  return w->windowFlags().testFlag(Qt::FramelessWindowHint) == !caption;
}

void WindowStyle::pRedraw() {
  if (QWidget* w = WindowOf(mClient)) w->update();
}

bool WindowStyle::eventFilter(QObject* watched, QEvent* event) {
  if (watched != mClient) return false;
  QWidget* window = WindowOf(mClient);
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      auto* e = static_cast<QMouseEvent*>(event);
      if (!mAutoDrag || e->button() != Qt::LeftButton || e->buttons() != Qt::LeftButton) return false;
      // A window of its own lets the window system move it where it can (Wayland allows no other
      // way); a child of the MDI area, or a platform that cannot, follows the mouse by hand.
      if (window->isWindow() && window->windowHandle() && window->windowHandle()->startSystemMove()) return true;
      dragging_ = true;
      pressGlobal_ = e->globalPosition();
      startPos_ = window->pos();
      return true;
    }
    case QEvent::MouseMove: {
      auto* e = static_cast<QMouseEvent*>(event);
      if (!dragging_) return false;
      if (!(e->buttons() & Qt::LeftButton)) {
        dragging_ = false;
        return false;
      }
      window->move(startPos_ + (e->globalPosition() - pressGlobal_).toPoint());
      return true;
    }
    case QEvent::MouseButtonRelease: {
      auto* e = static_cast<QMouseEvent*>(event);
      if (!dragging_ || e->button() != Qt::LeftButton) return false;
      dragging_ = false;
      return true;
    }
    default:
      return false;
  }
}

void HideFormTitleBar(QWidget* Frm) { WindowStyle::Of(Frm)->Titlebar(false); }
void MakeFormMovable(QWidget* Frm) { WindowStyle::Of(Frm)->AutoDrag(true); }
void HideMDIFormTitleBar(QWidget* Frm) { WindowStyle::Of(Frm)->Titlebar(false); }
void MakeMDIFormMovable(QWidget* Frm) { WindowStyle::Of(Frm)->AutoDrag(true); }
