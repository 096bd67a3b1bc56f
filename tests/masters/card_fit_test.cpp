// The doctor card sizes itself to its seventeen rows: on a tall desktop every row shows at once with
// the search button under the grid; on a short one the card keeps to the desktop and the grid
// scrolls instead.
#include <QScrollBar>

#include "framework/twips.h"
#include "masters/frmViewDrDetails.h"
#include "masters_support.h"
#include "platform/workarea.h"

namespace {

class CardFitTest : public MastersTest {
protected:
  void SetUp() override {
    MastersTest::SetUp();
    exec(QStringLiteral("INSERT INTO SettingDrDetails VALUES ('Dr.Zerdan , M.B.B.S', 'Amina', 'Osei', 'Female', "
                        "'0244', '0302', '1980-01-20', '46', '77', 'Flat 4, 18 Harbour View Road, near the market', "
                        "'a@b.c', 'Surgeon', 'MBBS', 'Eyes', '08:00', '16:00', 'Monday,Friday')"));
    exec(QStringLiteral("INSERT INTO SettingDrDetails(DoctorID, FirstName) VALUES ('Dr.Kofi , M.S', 'Kofi')"));
  }
  void TearDown() override {
    SetWorkAreaSource({});
    MastersTest::TearDown();
  }
  void desktop(int height) {
    SetWorkAreaSource([height] { return std::optional<QRect>(QRect(0, 0, 1280, height)); });
  }
  frmViewDrDetails* search(const QString& name) {
    auto* card = LoadedForm<frmViewDrDetails>() ? LoadedForm<frmViewDrDetails>() : open<frmViewDrDetails>();
    TypeOver(card->cmbDrName, name);
    Click(card->Picture1);
    QCoreApplication::processEvents();  // the scroll bars follow the new size
    return card;
  }
  static int rowsHeight(const FlexGrid& g) {
    int h = 2 * g.frameWidth();
    for (int r = 0; r < g.Rows(); ++r) h += g.rowHeight(r);
    return h;
  }
  static void expectInside(frmViewDrDetails* card, const QRect& area) {
    EXPECT_TRUE(area.contains(card->FormWindow()->geometry())) << card->FormWindow()->geometry().y() << "+"
                                                              << card->FormWindow()->height();
    for (QWidget* w : {static_cast<QWidget*>(&card->MSFlexGrid1), static_cast<QWidget*>(&card->Picture1)})
      EXPECT_TRUE(card->rect().contains(w->geometry())) << w->metaObject()->className();
  }
};

TEST_F(CardFitTest, OnATallDesktopEveryRowShowsAndTheButtonSitsUnderTheGrid) {
  desktop(1400);
  auto* card = open<frmViewDrDetails>();
  ASSERT_NE(card, nullptr);
  const FlexGrid& g = card->MSFlexGrid1;
  const int loadHeight = card->Height();
  EXPECT_GE(g.height(), rowsHeight(g));  // the labels at load, no row hidden
  EXPECT_EQ(TopTwips(&card->Picture1), 7200);

  search(QStringLiteral("Amina"));
  EXPECT_GE(g.height(), rowsHeight(g));
  EXPECT_FALSE(g.verticalScrollBar()->isVisible());
  EXPECT_GT(card->Picture1.y(), g.geometry().bottom());
  EXPECT_LT(card->Picture1.y() - g.geometry().bottom(), 40);
  EXPECT_GT(card->Height(), loadHeight);
  EXPECT_EQ(card->Image1.height(), TwipsToPixels(card->ScaleHeight() - 250));
  expectInside(card, QRect(0, 0, 1280, 1400));

  // A doctor with shorter rows gives a shorter card, never shorter than it opened.
  const int tall = card->Height();
  search(QStringLiteral("Kofi"));
  EXPECT_LT(card->Height(), tall);
  EXPECT_GE(card->Height(), loadHeight);
  EXPECT_GE(g.height(), rowsHeight(g));
}

TEST_F(CardFitTest, OnAShortDesktopTheCardKeepsToItAndTheGridScrolls) {
  desktop(700);
  auto* card = search(QStringLiteral("Amina"));
  ASSERT_NE(card, nullptr);
  EXPECT_LT(card->MSFlexGrid1.height(), rowsHeight(card->MSFlexGrid1));
  EXPECT_EQ(card->FormWindow()->height(), 700);
  expectInside(card, QRect(0, 0, 1280, 700));
  EXPECT_GT(card->Picture1.y(), card->MSFlexGrid1.geometry().bottom());
}

}  // namespace
