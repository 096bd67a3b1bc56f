// A small form built the way every form of the program is: a child of the main window's MDI area,
// designed, centred, with two image buttons and their tips. Its close movie closes it; the focus
// alone does not.
#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "framework/formdesign.h"
#include "framework/imagebutton.h"
#include "framework/tooltip.h"
#include "framework/trimpicture.h"
#include "framework/twips.h"
#include "framework/vbform.h"
#include "globals.h"
#include "platform/flashmovie.h"
#include "platform/workarea.h"
#include "support/fixture.h"
#include "support/input.h"

namespace {

class frmDemo : public VbForm {
public:
  frmDemo() {
    Image1.lower();
    MoveTwips(&ShockwaveFlash2, 0, 0, 450, 450);
    MoveTwips(&ShockwaveFlash3, 0, 0, 450, 450);
    MoveTwips(&Label1, 600, 900, 1500, 300);
    Label1.setText(QStringLiteral("Patient Name"));
    MoveTwips(&Text1, 2200, 870, 3000, 330);
    Picture1 = new ImageButton(this, QStringLiteral("Picture1"));
    Picture2 = new ImageButton(this, QStringLiteral("Picture2"));
    MoveTwips(Picture1, 1800, 1800, 870, 360);
    MoveTwips(Picture2, 3000, 1800, 870, 360);
    Label3.hide();
  }
  FlashMovie ShockwaveFlash1{this};
  FlashMovie ShockwaveFlash2{this};
  FlashMovie ShockwaveFlash3{this};
  QLabel Image1{this};
  QLabel Label1{this};
  QLineEdit Text1{this};
  QLabel Label3{this};
  ImageButton* Picture1 = nullptr;
  ImageButton* Picture2 = nullptr;
  int okClicks = 0;

protected:
  void Form_Load() override {
    DesignForm(this, &ShockwaveFlash1, &ShockwaveFlash2, &ShockwaveFlash3, 3600, 6000,
               QStringLiteral("Demo Entry"), &Image1);
    CenterForm();
    gActiveForm = this;
    Picture1->setPicture(QStringLiteral("\\ok.gif"));
    Picture2->setPicture(QStringLiteral("\\can.gif"));
    TrimPictureBox(Picture1);
    TrimPictureBox(Picture2);
    AddToolTip(Picture1, QStringLiteral("Save the entry"), this);
    AddToolTip(Picture2, QStringLiteral("Close the window"), this);
    Picture1->setHoverImage(QStringLiteral("ok"), &Label3);
    Picture2->setHoverImage(QStringLiteral("can"), &Label3);
    connect(Picture1, &ImageButton::Click, this, [this] { ++okClicks; });
    connect(Picture2, &ImageButton::Click, this, [this] { Unload(); });
    connect(&ShockwaveFlash2, &FlashMovie::FSCommand, this, [this](const QString& command, const QString&) {
      if (command.toLower().trimmed() == QLatin1String("close")) Unload();
    });
    connect(&ShockwaveFlash3, &FlashMovie::FSCommand, this, [this](const QString& command, const QString&) {
      if (command.toLower().trimmed() == QLatin1String("minimize")) FormWindow()->showMinimized();
    });
  }
};

class FormDemoTest : public HalvionTest {
protected:
  void SetUp() override {
    HalvionTest::SetUp();
    area = std::make_unique<QMdiArea>();
    area->setBackground(QColor(236, 226, 232));
    area->resize(720, 480);
    area->show();
    SetMdiArea(area.get());
    SetWorkAreaSource([] { return std::optional<QRect>(QRect(0, 0, 720, 480)); });
  }
  void TearDown() override {
    SetWorkAreaSource({});
    HalvionTest::TearDown();
    area.reset();
  }
  std::unique_ptr<QMdiArea> area;
};

TEST_F(FormDemoTest, DesignedChildFormHasItsMoviesButtonsAndTipsInPlace) {
  frmDemo* f = ShowForm<frmDemo>();
  ASSERT_NE(f, nullptr);
  auto* sub = qobject_cast<QMdiSubWindow*>(f->FormWindow());
  ASSERT_NE(sub, nullptr);
  // 6000 x 3600 twips is 400 x 240 pixels, centred in the 720 x 480 area.
  EXPECT_EQ(sub->geometry(), QRect(160, 120, 400, 240));
  EXPECT_EQ(f->geometry(), QRect(0, 0, 400, 240));
  EXPECT_EQ(f->ShockwaveFlash1.geometry(), QRect(-133, -2, 1521, 33));
  EXPECT_EQ(f->ShockwaveFlash2.geometry(), QRect(360, -3, 30, 30));
  EXPECT_EQ(f->ShockwaveFlash3.geometry(), QRect(330, -3, 30, 30));
  EXPECT_EQ(f->Image1.geometry(), QRect(5, 5, 387, 223));
  EXPECT_EQ(f->Picture1->geometry(), QRect(120, 120, 58, 24));
  EXPECT_EQ(f->Picture2->geometry(), QRect(200, 120, 58, 24));
  EXPECT_EQ(f->Picture1->toolTip(), "Save the entry");
  EXPECT_EQ(f->Picture2->toolTip(), "Close the window");
  EXPECT_FALSE(sub->mask().contains(QPoint(0, 0)));
  EXPECT_TRUE(sub->mask().contains(QPoint(200, 120)));
  EXPECT_EQ(f->ShockwaveFlash1.GetVariable("Receive"), "Demo Entry");

  const QPixmap shot = area->grab();
  // What the user sees at a few places: the pink ground, the title bar, a button's picture.
  const QImage img = shot.toImage();
  EXPECT_EQ(QColor(img.pixel(160 + 2, 120 + 120)), kFormBackColor);
  EXPECT_NE(QColor(img.pixel(160 + 20, 120 + 15)), kFormBackColor) << "the title bar";
  EXPECT_EQ(QColor(img.pixel(160 + 0, 120 + 0)), QColor(236, 226, 232)) << "the cut-off corner";

  QTest::mouseClick(f->Picture1, Qt::LeftButton, {}, QPoint(29, 12));
  EXPECT_EQ(f->okClicks, 1);
}

TEST_F(FormDemoTest, CloseMovieClosesTheFormAndTabbingPastItDoesNot) {
  frmDemo* f = ShowForm<frmDemo>();
  ASSERT_NE(f, nullptr);
  QApplication::setActiveWindow(area.get());
  f->Text1.setFocus();
  TypeKeys(f->Text1, "half typed");
  for (int i = 0; i < 5; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(LoadedForm<frmDemo>(), f) << "a Tab must not close a form with an edit in progress";
  EXPECT_EQ(f->Text1.text(), "half typed");

  Click(f->ShockwaveFlash3);
  EXPECT_TRUE(f->FormWindow()->isMinimized());
  f->FormWindow()->showNormal();

  Click(f->ShockwaveFlash2);
  EXPECT_EQ(LoadedForm<frmDemo>(), nullptr);
  EXPECT_TRUE(gActiveForm.isNull());
}

}  // namespace
