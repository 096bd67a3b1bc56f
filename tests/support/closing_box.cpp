#include "support/closing_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include "framework/vbform.h"
#include "support/input.h"

void FormClosingBox::arm(VbForm* form) {
  shown.clear();
  closedInside = false;
  scripted_ = SetMessageBoxService(nullptr);
  QPointer<VbForm> target(form);
  auto* poll = new QTimer();
  poll->setInterval(10);
  QObject::connect(poll, &QTimer::timeout, [this, target, poll] {
    const QPointer<QMessageBox> box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    poll->stop();
    shown << box->text();
    if (target) {
      target->Hide();
      target->Unload();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    closedInside = target.isNull();
    if (box) PressKey(box.data(), Qt::Key_Return);  // else it went with the form's window
    poll->deleteLater();
  });
  poll->start();
}

void FormClosingBox::disarm() {
  if (scripted_) SetMessageBoxService(scripted_);
  scripted_.reset();
}
