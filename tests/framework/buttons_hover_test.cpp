// Image buttons under the pointer: the hover pictures, the navigation button that stays lit, clicks
// that reach the button under the pointer, and pictures that are missing.
#include <gtest/gtest.h>

#include <QDir>
#include <QEnterEvent>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "framework/imagebutton.h"
#include "framework/trimpicture.h"
#include "support/fixture.h"

namespace {

// A strip of two navigation buttons side by side, as on a record bar, with the holder label.
class HoverTest : public HalvionTest {
protected:
  void SetUp() override {
    HalvionTest::SetUp();
    form = std::make_unique<QWidget>();
    form->resize(200, 80);
    Label3 = new QLabel(QStringLiteral("Label3"), form.get());
    Label3->hide();
    Picture1 = button("Picture1", "first", 10);
    Picture2 = button("Picture2", "previous", 10 + 56);
  }
  void TearDown() override {
    form.reset();
    HalvionTest::TearDown();
  }

  ImageButton* button(const char* name, const QString& image, int left) {
    auto* b = new ImageButton(form.get(), QString::fromLatin1(name));
    b->setGeometry(left, 10, 59, 55);
    b->setPicture(image + ".gif");
    TrimPictureBox(b);
    b->setHoverImage(image, Label3);
    return b;
  }

  static void enter(QWidget* w) {
    QEnterEvent e(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(w, &e);
  }
  static void leave(QWidget* w) {
    QEvent e(QEvent::Leave);
    QCoreApplication::sendEvent(w, &e);
  }

  std::unique_ptr<QWidget> form;
  QLabel* Label3 = nullptr;
  ImageButton* Picture1 = nullptr;
  ImageButton* Picture2 = nullptr;
};

TEST_F(HoverTest, PictureFollowsThePointerAndTheLastClickedButtonStaysLit) {
  const struct {
    const char* step;
    const char* holder;  // Label3's text before the step
    bool inside;
    const char* shows;
  } steps[] = {
      {"enter", "Label3", true, "first1.gif"},
      {"leave", "Label3", false, "first.gif"},
      {"enter after its click", "Picture1", true, "first1.gif"},
      {"leave after its click", "Picture1", false, "first1.gif"},
      {"leave after a neighbour's click", "Picture2", false, "first.gif"},
  };
  for (const auto& s : steps) {
    Label3->setText(QString::fromLatin1(s.holder));
    s.inside ? enter(Picture1) : leave(Picture1);
    EXPECT_EQ(Picture1->pictureFile().toStdString(), s.shows) << s.step;
    EXPECT_EQ(Picture1->picture(), LoadPicture(QString::fromLatin1(s.shows))) << s.step;
  }
  EXPECT_EQ(Picture2->pictureFile(), "previous.gif");  // the neighbour is left alone
}

// The pointer over one button must not keep the next button's clicks: they go to the button
// under the pointer, and the one it came from goes dark again.
TEST_F(HoverTest, ClickOnTheNeighbourReachesTheNeighbour) {
  form->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
  QWindow* window = form->windowHandle();
  QSignalSpy clicks1(Picture1, &ImageButton::Click);
  QSignalSpy clicks2(Picture2, &ImageButton::Click);

  const QPoint centre1 = Picture1->geometry().topLeft() + QPoint(27, 19);
  const QPoint centre2 = Picture2->geometry().topLeft() + QPoint(27, 19);
  QTest::mouseMove(window, centre1);
  EXPECT_EQ(Picture1->pictureFile(), "first1.gif");
  EXPECT_EQ(QWidget::mouseGrabber(), nullptr);

  QTest::mouseMove(window, centre2);
  QTest::mouseClick(window, Qt::LeftButton, {}, centre2);
  EXPECT_EQ(clicks1.count(), 0);
  EXPECT_EQ(clicks2.count(), 1);
  EXPECT_EQ(Picture1->pictureFile(), "first.gif");
  EXPECT_EQ(Picture2->pictureFile(), "previous1.gif");

  // The white corner of a trimmed button is not the button.
  QTest::mouseClick(window, Qt::LeftButton, {}, Picture1->geometry().topLeft() + QPoint(2, 2));
  EXPECT_EQ(clicks1.count(), 0);
  QTest::mouseClick(window, Qt::LeftButton, {}, centre1);
  EXPECT_EQ(clicks1.count(), 1);
}

TEST_F(HoverTest, MissingPictureLeavesABlankWorkingButton) {
  ASSERT_TRUE(QFile::remove(QDir(folder()).filePath("first1.gif")));
  form->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));

  ImageButton* blank = button("Picture3", "nosuch", 130);
  blank->show();
  EXPECT_TRUE(blank->picture().isNull());
  EXPECT_TRUE(blank->mask().isEmpty());  // nothing to cut to: the whole box stays clickable
  QSignalSpy clicks(blank, &ImageButton::Click);
  QTest::mouseClick(blank, Qt::LeftButton, {}, QPoint(20, 20));
  EXPECT_EQ(clicks.count(), 1);

  // Without its hover picture the button goes blank under the pointer, and comes back after.
  QSignalSpy clicks1(Picture1, &ImageButton::Click);
  enter(Picture1);
  EXPECT_TRUE(Picture1->picture().isNull());
  QTest::mouseClick(Picture1, Qt::LeftButton, {}, QPoint(27, 19));
  EXPECT_EQ(clicks1.count(), 1);
  leave(Picture1);
  EXPECT_FALSE(Picture1->picture().isNull());
  EXPECT_TRUE(boxes().shown().empty());
}

}  // namespace
