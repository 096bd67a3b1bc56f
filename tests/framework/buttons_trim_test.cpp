// Cutting buttons to their pictures: the column rules, exact colour match, the back colour, and
// the program's own pictures (white ground, no holes, the same shape lit and unlit).
#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>
#include <initializer_list>
#include <string>

#include "framework/imagebutton.h"
#include "framework/trimpicture.h"
#include "support/fixture.h"

namespace {

std::string describe(const QRegion& region) {
  if (region.isEmpty()) return "no mask";
  std::string out;
  for (const QRect& r : region)
    out += "(" + std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) + "x" +
           std::to_string(r.height()) + ")";
  return out;
}

struct Pixel {
  int x, y;
  QRgb colour;
};

QImage picture(QSize size, std::initializer_list<Pixel> pixels, QRgb ground = qRgb(255, 255, 255)) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(ground);
  for (const Pixel& p : pixels) image.setPixel(p.x, p.y, p.colour);
  return image;
}

const QRgb kBlack = qRgb(0, 0, 0);

using TrimTest = HalvionTest;

TEST_F(TrimTest, RegionFollowsTheColumnRules) {
  const struct {
    const char* name;
    QSize box;
    QImage image;
    std::uint32_t transparent;  // red in the lowest byte
    QColor back;
    QRegion expected;
  } cases[] = {
      {"all white keeps the whole box", {4, 2}, picture({4, 2}, {}), 0xFFFFFF, Qt::white, QRegion()},
      {"opaque pixel in column 0 is left out", {4, 2}, picture({4, 2}, {{0, 1, kBlack}}), 0xFFFFFF, Qt::white,
       QRegion()},
      {"opaque pixel in the last column alone counts as none", {4, 2}, picture({4, 2}, {{3, 0, kBlack}}),
       0xFFFFFF, Qt::white, QRegion()},
      {"a full row runs from column 1 to one short of the edge", {5, 2},
       picture({5, 2}, {{0, 1, kBlack}, {1, 1, kBlack}, {2, 1, kBlack}, {3, 1, kBlack}, {4, 1, kBlack}}),
       0xFFFFFF, Qt::white, QRegion(1, 1, 3, 1)},
      {"nearly white is opaque", {4, 1}, picture({4, 1}, {{2, 0, qRgb(254, 255, 255)}}), 0xFFFFFF, Qt::white,
       QRegion(2, 0, 1, 1)},
      {"two runs in one row", {8, 1},
       picture({8, 1}, {{1, 0, kBlack}, {2, 0, kBlack}, {4, 0, kBlack}, {5, 0, kBlack}}), 0xFFFFFF, Qt::white,
       QRegion(1, 0, 2, 1) + QRegion(4, 0, 2, 1)},
      {"the back colour beyond a small picture is opaque", {5, 2}, picture({5, 1}, {}), 0xFFFFFF,
       QColor(255, 240, 251), QRegion(1, 1, 3, 1)},
      {"the transparent colour keeps red in its lowest byte", {4, 1},
       picture({4, 1}, {{2, 0, qRgb(0, 0, 255)}}, qRgb(255, 0, 0)), 0x0000FF, Qt::white, QRegion(2, 0, 1, 1)},
  };
  for (const auto& c : cases) {
    ImageButton button(nullptr, "Picture1");
    button.resize(c.box);
    button.setBackColor(c.back);
    button.setPicture(c.image);
    button.setMask(QRegion(0, 0, 1, 1));  // a shape from before must not survive
    RegionFromPicture(&button, c.transparent);
    EXPECT_EQ(describe(button.mask()), describe(c.expected)) << c.name;
  }
}

// Every button picture the forms name, with the hover picture that replaces it.
const char* const kButtons[] = {"first", "previous", "next",  "last",  "new",   "edit",    "delete",
                                "viewall", "save",   "cancel", "ok",   "can",   "search",  "gen",
                                "print", "add",      "clear", "newbill", "copydb"};

TEST_F(TrimTest, ProgramPicturesCutToOneSolidShapeLitOrNot) {
  for (const char* base : kButtons) {
    const QString name = QString::fromLatin1(base);
    ImageButton rest(nullptr, "Picture1");
    rest.setPicture(name + ".gif");
    ASSERT_FALSE(rest.picture().isNull()) << base << ".gif";
    rest.resize(rest.picture().size());
    TrimPictureBox(&rest);
    const QRegion shape = rest.mask();
    ASSERT_FALSE(shape.isEmpty()) << base << ".gif has no white ground";
    EXPECT_FALSE(shape.contains(QPoint(1, 0))) << base << ".gif";
    // A row through the middle of the face is one run: no white letters punched through it.
    const int middle = shape.boundingRect().center().y();
    EXPECT_EQ((shape & QRect(0, middle, rest.width(), 1)).rectCount(), 1) << base << ".gif row " << middle;

    // The shape is cut once, from the resting picture; the hover picture must fill the same one.
    ImageButton lit(nullptr, "Picture1");
    lit.setPicture(name + "1.gif");
    ASSERT_EQ(lit.picture().size(), rest.picture().size()) << base << "1.gif";
    lit.resize(lit.picture().size());
    TrimPictureBox(&lit);
    EXPECT_EQ(describe(lit.mask()), describe(shape)) << base << "1.gif";
  }
  for (const char* file : {"help1.gif", "Login1.gif", "backall.gif"})
    EXPECT_FALSE(LoadPicture(QString::fromLatin1(file)).isNull()) << file;
}

}  // namespace
