// The common look of a window: movies and background where the design puts them, the rounded
// shape with its frame, dragging by the body, and centring in the work area.
#include <gtest/gtest.h>

#include <QLabel>
#include <QMdiArea>
#include <QTest>
#include <QWindow>
#include <memory>

#include "framework/formdesign.h"
#include "framework/twips.h"
#include "framework/vbform.h"
#include "platform/flashmovie.h"
#include "platform/workarea.h"
#include "support/fixture.h"

namespace {

// A child window with the three movies and the background picture every form carries.
class frmDesigned : public VbForm {
public:
  frmDesigned() { Image1.lower(); }
  FlashMovie ShockwaveFlash1{this};
  FlashMovie ShockwaveFlash2{this};
  FlashMovie ShockwaveFlash3{this};
  QLabel Image1{this};
  void design(int height, int width, bool login = false) {
    (login ? DesignLoginForm : DesignForm)(this, &ShockwaveFlash1, &ShockwaveFlash2, &ShockwaveFlash3, height,
                                           width, QStringLiteral("Receipt Entry"), &Image1);
  }
};
class frmOther : public frmDesigned {};

class FormDesignTest : public HalvionTest {
protected:
  void SetUp() override {
    HalvionTest::SetUp();
    area = std::make_unique<QMdiArea>();
    area->resize(1000, 720);
    area->show();
    SetMdiArea(area.get());
  }
  void TearDown() override {
    SetWorkAreaSource({});
    SetScreenSizeSource({});
    HalvionTest::TearDown();
    area.reset();
  }
  template <class F>
  F* designed(int height, int width, bool login = false) {
    F* f = LoadForm<F>();
    f->design(height, width, login);
    f->Move(1500, 1500);
    f->Show();
    return f;
  }
  // A press, moves and a release as the mouse gives them, at a point of the form (pixels), so
  // that the widget under the pointer receives them.
  void drag(VbForm* f, QPoint from, QPoint by, Qt::MouseButton button) {
    QWindow* w = area->window()->windowHandle();
    const QPoint start = f->mapTo(area->window(), from);
    QTest::mousePress(w, button, {}, start);
    QTest::mouseMove(w, start + by / 2);
    QTest::mouseMove(w, start + by);
    QTest::mouseRelease(w, button, {}, start + by);
  }
  std::unique_ptr<QMdiArea> area;
};

TEST_F(FormDesignTest, MoviesAndBackgroundSitWhereTheDesignPutsThem) {
  struct Case {
    int formHeight, formWidth;
    bool login;
    QSize window;     // pixels
    int closeX, minX;  // pixels
    QRect background;
  };
  const Case cases[] = {
      {3000, 2640, false, {176, 200}, 136, 106, {5, 5, 163, 183}},
      {6000, 8695, false, {580, 400}, 540, 510, {5, 5, 567, 383}},
      {9795, 10995, false, {733, 653}, 693, 663, {5, 5, 720, 636}},
      {6000, 8695, true, {580, 400}, 540, 510, {7, 1, 567, 380}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.formWidth << " x " << c.formHeight << (c.login ? " login" : ""));
    frmDesigned* f = designed<frmDesigned>(c.formHeight, c.formWidth, c.login);
    EXPECT_EQ(f->FormWindow()->size(), c.window);
    // The title bar reaches from 2000 twips left of the window to 20815, whatever the width.
    EXPECT_EQ(f->ShockwaveFlash1.geometry(), QRect(-133, -2, 1521, 33));
    EXPECT_EQ(f->ShockwaveFlash1.WMode(), "0");
    EXPECT_EQ(f->ShockwaveFlash1.GetVariable("Receive"), "Receipt Entry");
    EXPECT_EQ(f->ShockwaveFlash1.Description().kind, MovieDescription::Kind::TitleBar);
    EXPECT_EQ(f->ShockwaveFlash2.pos(), QPoint(c.closeX, -3));
    EXPECT_EQ(f->ShockwaveFlash3.pos(), QPoint(c.minX, -3));
    EXPECT_EQ(f->ShockwaveFlash2.Description().command, "Close");
    EXPECT_EQ(f->ShockwaveFlash3.Description().command, "Minimize");
    EXPECT_EQ(f->Image1.geometry(), c.background);
    EXPECT_FALSE(f->Image1.pixmap().isNull()) << "backall.gif";
    EXPECT_TRUE(f->Image1.testAttribute(Qt::WA_TransparentForMouseEvents));
    // The buttons are above the title bar, the picture beneath everything.
    EXPECT_EQ(f->childAt(c.closeX + 15, 10), &f->ShockwaveFlash2);
    EXPECT_EQ(f->childAt(c.minX + 15, 10), &f->ShockwaveFlash3);
    ASSERT_TRUE(f->Unload());
  }
}

TEST_F(FormDesignTest, RoundedShapeWithAFrameAndThePinkGround) {
  frmDesigned* f = designed<frmDesigned>(6000, 8700);
  const QRegion mask = f->FormWindow()->mask();
  const int w = 580, h = 400;
  for (QPoint corner : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1), QPoint(3, 3)})
    EXPECT_FALSE(mask.contains(corner)) << corner.x() << "," << corner.y();
  for (QPoint inside : {QPoint(w / 2, h / 2), QPoint(0, h / 2), QPoint(w / 2, 0), QPoint(w - 1, h / 2),
                        QPoint(w / 2, h - 1), QPoint(9, 9)})
    EXPECT_TRUE(mask.contains(inside)) << inside.x() << "," << inside.y();

  const QImage shot = f->grab().toImage();
  EXPECT_EQ(QColor(shot.pixel(0, h / 2)), kFormFrameColor);
  EXPECT_EQ(QColor(shot.pixel(w - 1, h / 2)), kFormFrameColor);
  EXPECT_EQ(QColor(shot.pixel(w / 2, h - 1)), kFormFrameColor);
  EXPECT_EQ(QColor(shot.pixel(2, h / 2)), kFormBackColor) << "the ground between frame and picture";
}

TEST_F(FormDesignTest, BodyDragsOnTheLeftButtonAlone) {
  struct Case {
    const char* what;
    QPoint at;
    Qt::MouseButton button;
    bool moves;
  };
  const Case cases[] = {
      {"left on the background picture", {200, 200}, Qt::LeftButton, true},
      {"left on the ground at the edge", {2, 200}, Qt::LeftButton, true},
      {"left on the title bar", {200, 15}, Qt::LeftButton, true},
      {"right", {200, 200}, Qt::RightButton, false},
      {"middle", {200, 200}, Qt::MiddleButton, false},
  };
  frmDesigned* f = designed<frmDesigned>(6000, 8700);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    f->Move(1500, 1500);
    const QPoint before = f->FormWindow()->pos();
    drag(f, c.at, {40, 25}, c.button);
    EXPECT_EQ(f->FormWindow()->pos(), c.moves ? before + QPoint(40, 25) : before);
  }
}

TEST_F(FormDesignTest, EveryWindowMadeMovableKeepsItsDrag) {
  frmDesigned* first = designed<frmDesigned>(6000, 8700);
  frmOther* second = designed<frmOther>(4500, 6000);
  second->Move(9000, 4500);
  for (VbForm* f : {static_cast<VbForm*>(first), static_cast<VbForm*>(second)}) {
    const QPoint before = f->FormWindow()->pos();
    drag(f, {100, 120}, {-30, 20}, Qt::LeftButton);
    EXPECT_EQ(f->FormWindow()->pos(), before + QPoint(-30, 20)) << typeid(*f).name();
  }
}

TEST_F(FormDesignTest, CenterFormUsesTheWorkAreaWithoutClamping) {
  struct Case {
    const char* what;
    std::optional<QRect> workArea;
    QSize screen;
    QSize window;  // pixels
    QPoint expected;
  };
  const Case cases[] = {
      {"task bar at the bottom", QRect(0, 0, 1024, 738), {1024, 768}, {600, 400}, {212, 169}},
      {"task bar at the left", QRect(60, 0, 964, 768), {1024, 768}, {600, 400}, {242, 184}},
      {"task bar at the top", QRect(0, 30, 1024, 738), {1024, 768}, {600, 400}, {212, 199}},
      {"window larger than the work area", QRect(0, 0, 1024, 738), {1024, 768}, {1200, 900}, {-88, -81}},
      {"work area unreadable: the screen", std::nullopt, {800, 600}, {600, 400}, {100, 100}},
      {"no screen at all", std::nullopt, QSize(), {600, 400}, {-300, -200}},
  };
  frmDesigned* f = LoadForm<frmDesigned>();
  f->Show();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetWorkAreaSource([&c] { return c.workArea; });
    SetScreenSizeSource([&c] { return c.screen; });
    f->Move(0, 0, c.window.width() * 15, c.window.height() * 15);
    f->CenterForm();
    EXPECT_EQ(f->FormWindow()->pos(), c.expected);
    EXPECT_EQ(f->FormWindow()->size(), c.window);
  }
}

}  // namespace
