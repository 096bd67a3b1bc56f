// The test bill forms' message boxes as the program shows them: a real modal box with its own
// event loop. Whatever that loop runs may close the form; the form must then be left alone when
// the box returns, not printed, stored or given the focus.
#include <gtest/gtest.h>

#include <QMessageBox>
#include <QTimer>
#include <functional>

#include "labxray_support.h"

namespace {

class TestBillNestedBoxTest : public LabXRayTest {
protected:
  // From here on the boxes are real ones. While the next box is up the form is closed, its
  // deferred delete runs inside the box's loop, and then the box is answered with Enter.
  void closeFormWhileTheBoxIsUp(TestBillForm* form) {
    scripted_ = SetMessageBoxService(nullptr);
    QPointer<TestBillForm> target(form);
    auto* poll = new QTimer();
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [this, target, poll] {
      const QPointer<QMessageBox> box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      poll->stop();
      shown_ << box->text();
      if (target) {
        target->Hide();
        target->Unload();
      }
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      closedInside_ = target.isNull();
      if (box) QTest::keyClick(box, Qt::Key_Return);  // else it went with the form's window
      poll->deleteLater();
    });
    poll->start();
  }

  // Back to the scripted boxes.
  void scripted() { SetMessageBoxService(scripted_); }

  std::shared_ptr<MessageBoxService> scripted_;
  QStringList shown_;
  bool closedInside_ = false;
};

TEST_F(TestBillNestedBoxTest, AFormClosedWhileItsBoxIsUpIsLeftAloneAfterIt) {
  const struct {
    const char* name;
    std::function<void(TestBillForm*)> before;  // what the clerk did first
    std::function<void(TestBillForm*)> act;     // the step whose box comes up
    const char* box;
  } cases[] = {
      {"Add with no test", [](TestBillForm*) {}, [](TestBillForm* f) { click(&f->Picture1); },
       "Please Select the Description First"},
      {"a future date", [](TestBillForm*) {}, [](TestBillForm* f) { f->DTPicker1.setDate(Today().addDays(3)); },
       "Please Select date Less than Equal To Current Date\r\nYou cannt Bill for Future Date"},
      {"a wrong discount", [](TestBillForm* f) { addTests(f, {"CBC"}); setText(&f->txtDiscount, "x"); },
       [](TestBillForm* f) { click(&f->Picture2); }, "Please select Correct Discount ! This is Invalid Discount"},
      {"a stray patient text", [](TestBillForm* f) {
         addTests(f, {"CBC"});
         type(&f->cmbPatientName, "OP20");
         QTest::keyClick(&f->cmbPatientName, Qt::Key_Backspace);
       },
       [](TestBillForm* f) { click(&f->Picture2); }, "Please Select the Patient Name First"},
      {"the print question", [](TestBillForm* f) { addTests(f, {"CBC"}); },
       [](TestBillForm* f) { click(&f->Picture2); }, "Do you wish to Print this Bill"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ResetForms();
    shown_.clear();
    closedInside_ = false;
    auto* f = open<frmLabBillReport>();
    ASSERT_TRUE(f);
    c.before(f);
    const int sheets = printer().EndDocCount();
    closeFormWhileTheBoxIsUp(f);
    c.act(f);
    scripted();
    EXPECT_EQ(shown_, QStringList{QString::fromLatin1(c.box)});
    EXPECT_TRUE(closedInside_);
    EXPECT_FALSE(LoadedForm<frmLabBillReport>());
    EXPECT_EQ(printer().EndDocCount(), sheets);
    EXPECT_EQ(scalar("SELECT count(*) FROM LabPrintDetails"), "0");
  }
}

}  // namespace
