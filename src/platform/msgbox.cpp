#include "platform/msgbox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

namespace {

class QtMessageBoxService final : public MessageBoxService {
public:
  int show(const QString& prompt, int style, const QString& title) override {
    // On the heap and watched: the box's loop runs everything else meanwhile, and should that
    // close the window it belongs to, the window deletes it with its other children. A box on
    // the stack would then be freed twice.
    const QPointer<QMessageBox> box = new QMessageBox(QApplication::activeWindow());
    box->setWindowTitle(title.isEmpty() ? QString::fromLatin1(kProgramTitle) : title);
    box->setText(prompt);
    switch (style & 0x70) {
      case vbCritical: box->setIcon(QMessageBox::Critical); break;
      case vbQuestion: box->setIcon(QMessageBox::Question); break;
      case vbExclamation: box->setIcon(QMessageBox::Warning); break;
      case vbInformation: box->setIcon(QMessageBox::Information); break;
      default: box->setIcon(QMessageBox::NoIcon); break;
    }
    switch (style & 0x7) {
      case vbYesNo:
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
      case vbOKCancel:
        box->setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
      default:
        box->setStandardButtons(QMessageBox::Ok);
        break;
    }
    const int answer = box->exec();
    // Gone with its window: taken as a box closed without an answer.
    if (!box) return (style & 0x7) == vbYesNo ? vbNo : vbOK;
    delete box.data();
    switch (answer) {
      case QMessageBox::Yes: return vbYes;
      case QMessageBox::No: return vbNo;
      case QMessageBox::Cancel: return vbCancel;
      default: return (style & 0x7) == vbYesNo ? vbNo : vbOK;
    }
  }
};

std::shared_ptr<MessageBoxService>& current() {
  static std::shared_ptr<MessageBoxService> service = std::make_shared<QtMessageBoxService>();
  return service;
}

}  // namespace

int MsgBox(const QString& prompt, int style, const QString& title) {
  // Hold a reference: a test's service may be swapped while its box is up.
  std::shared_ptr<MessageBoxService> service = current();
  return service->show(prompt, style, title);
}

std::shared_ptr<MessageBoxService> SetMessageBoxService(std::shared_ptr<MessageBoxService> service) {
  if (!service) service = std::make_shared<QtMessageBoxService>();
  std::swap(current(), service);
  return service;
}
