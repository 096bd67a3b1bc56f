#include "framework/formdesign.h"

#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <algorithm>

#include "framework/twips.h"
#include "framework/vbform.h"
#include "framework/windowstyle.h"
#include "platform/flashmovie.h"
#include "platform/system.h"

namespace {
QString programFile(const char* name) { return AppPath() + '/' + QLatin1String(name); }

// Steps shared by both designs, up to the window's final size and the place of its buttons.
void designMoviesAndSize(VbForm* Frm, FlashMovie* TitleMovie, FlashMovie* CloseMovie, FlashMovie* MinMovie,
                         int FormHeight, int FormWidth, const QString& Caption) {
  Frm->Move(0, Frm->Top(), 14115, 4140);

  // The title movie reaches 2000 twips past the left edge and is as wide as the provisional
  // window plus 8700, whatever the final width: it spans every form the program has.
  TitleMovie->SetWMode(QStringLiteral("0"));
  SetLeftTwips(TitleMovie, -2000);
  SetHeightTwips(TitleMovie, 490);
  SetTopTwips(TitleMovie, -30);
  SetWidthTwips(TitleMovie, Frm->Width() + 8700);

  CloseMovie->SetWMode(QStringLiteral("0"));
  SetTopTwips(CloseMovie, -40);
  SetTopTwips(MinMovie, -40);

  TitleMovie->SetMovie(programFile("bar1.swf"));
  CloseMovie->SetMovie(programFile("close.swf"));
  MinMovie->SetMovie(programFile("min.swf"));
  TitleMovie->SetVariable(QStringLiteral("Receive"), Caption);

  Frm->SetHeight(FormHeight);
  Frm->SetWidth(FormWidth);
  SetLeftTwips(CloseMovie, Frm->Width() - 600);
  SetLeftTwips(MinMovie, Frm->Width() - 1050);
  CloseMovie->raise();
  MinMovie->raise();
}

void shapeAndMove(VbForm* Frm) {
  RoundFormCorners(Frm);
  HideFormTitleBar(Frm);
  MakeFormMovable(Frm);
}

void designBackground(VbForm* Frm, QLabel* Background, double left, double top, double widthLess,
                      double heightLess) {
  Background->setScaledContents(true);
  Background->setPixmap(QPixmap(programFile("backall.gif")));
  MoveTwips(Background, left, top, Frm->ScaleWidth() - widthLess, Frm->ScaleHeight() - heightLess);
  Background->lower();
  Background->setAttribute(Qt::WA_TransparentForMouseEvents);
}
}  // namespace

void DesignForm(VbForm* Frm, FlashMovie* TitleMovie, FlashMovie* CloseMovie, FlashMovie* MinMovie,
                int FormHeight, int FormWidth, const QString& Caption, QLabel* Background) {
  designMoviesAndSize(Frm, TitleMovie, CloseMovie, MinMovie, FormHeight, FormWidth, Caption);
  shapeAndMove(Frm);
  designBackground(Frm, Background, 75, 75, 200, 250);
}

void DesignLoginForm(VbForm* Frm, FlashMovie* TitleMovie, FlashMovie* CloseMovie, FlashMovie* MinMovie,
                     int FormHeight, int FormWidth, const QString& Caption, QLabel* Background) {
  designMoviesAndSize(Frm, TitleMovie, CloseMovie, MinMovie, FormHeight, FormWidth, Caption);
  designBackground(Frm, Background, 100, 20, 200, 300);
  shapeAndMove(Frm);
}

QRegion RoundedRegion(QSize size) {
  const int w = size.width(), h = size.height();
  const int d = std::min({kFormCornerSize, w, h});
  if (d <= 0) return QRegion();
  const int r = d / 2;
  QRegion region(QRect(0, r, w, h - 2 * r));
  region += QRect(r, 0, w - 2 * r, h);
  region += QRegion(QRect(0, 0, d, d), QRegion::Ellipse);
  region += QRegion(QRect(w - d, 0, d, d), QRegion::Ellipse);
  region += QRegion(QRect(0, h - d, d, d), QRegion::Ellipse);
  region += QRegion(QRect(w - d, h - d, d, d), QRegion::Ellipse);
  return region;
}

QRegion RegionEdge(const QRegion& region) {
  const QRegion inner = region & region.translated(1, 0) & region.translated(-1, 0) &
                        region.translated(0, 1) & region.translated(0, -1);
  return region - inner;
}

void RoundFormCorners(VbForm* Frm) {
  Frm->setAutoFillBackground(true);
  QPalette pal = Frm->palette();
  pal.setColor(QPalette::Window, kFormBackColor);
  // A box the form disables (a name filled in from a choice, say) stays readable on the pink.
  pal.setColor(QPalette::Disabled, QPalette::Text, QColor(80, 80, 80));
  Frm->setPalette(pal);

  QWidget* window = Frm->FormWindow();
  const QRegion region = RoundedRegion(window->size());
  Frm->SetPaintedFrame(RegionEdge(region), kFormFrameColor);
  Frm->SetWindowRegion(region);
  window->update();
}

QPointF CenteredPosition(const std::optional<QRect>& workArea, QSize screen, double widthTwips,
                         double heightTwips) {
  double left = 0, top = 0, right = 0, bottom = 0;
  if (workArea) {
    left = PixelsToTwips(workArea->x());
    top = PixelsToTwips(workArea->y());
    right = PixelsToTwips(workArea->x() + workArea->width());
    bottom = PixelsToTwips(workArea->y() + workArea->height());
  } else if (screen.isValid()) {
    right = PixelsToTwips(screen.width());
    bottom = PixelsToTwips(screen.height());
  }
  return QPointF((right - widthTwips + left) / 2, (bottom - heightTwips + top) / 2);
}
