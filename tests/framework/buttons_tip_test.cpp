// The balloon tip of a button: its text, its colours and its 80-pixel lines.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QLabel>
#include <QMap>
#include <QTest>
#include <QToolTip>

#include "framework/imagebutton.h"
#include "framework/tooltip.h"
#include "support/fixture.h"

namespace {

QLabel* shownTip() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->inherits("QTipLabel") && w->isVisible()) return qobject_cast<QLabel*>(w);
  return nullptr;
}

using TipTest = HalvionTest;

TEST_F(TipTest, PinkTipWithWhiteTextWrapsAt80Pixels) {
  QWidget form;
  form.resize(300, 120);
  auto* Picture7 = new ImageButton(&form, "Picture7");
  Picture7->setGeometry(20, 20, 67, 31);
  Picture7->setPicture("delete.gif");
  const QString tip = "Delete the Current Record ( CTRL +  D ) ";
  AddToolTip(Picture7, tip, &form);
  AddToolTip(Picture7, tip, &form);  // a second call must not stack a second tip
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

  EXPECT_EQ(Picture7->toolTip(), tip);
  const QStringList lines = WrapTipText(tip, QToolTip::font());
  ASSERT_GT(lines.size(), 1);
  const QFontMetrics fm(QToolTip::font());
  for (const QString& line : lines)
    EXPECT_LE(fm.horizontalAdvance(line.trimmed()), kTipMaxWidth) << line.toStdString();
  EXPECT_EQ(lines.join(' ').simplified(), tip.simplified());
  EXPECT_TRUE(lines.join('|').contains("+  D")) << "blanks inside a line are kept";

  QHelpEvent event(QEvent::ToolTip, QPoint(10, 10), Picture7->mapToGlobal(QPoint(10, 10)));
  QCoreApplication::sendEvent(Picture7, &event);
  QLabel* label = shownTip();
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->text().count("<br>"), lines.size() - 1);
  EXPECT_LE(label->width(), kTipMaxWidth + 20);
  EXPECT_GE(label->height(), lines.size() * fm.lineSpacing());

  const QImage shot = label->grab().toImage();
  QMap<QRgb, int> counts;
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x) ++counts[shot.pixel(x, y) | 0xFF000000];
  QRgb ground = 0;
  for (auto it = counts.cbegin(); it != counts.cend(); ++it)
    if (!ground || it.value() > counts.value(ground)) ground = it.key();
  EXPECT_EQ(QColor(ground), TipBackColor());
  EXPECT_GT(counts.value(TipTextColor().rgb()), 0) << "white letters";
  QToolTip::hideText();
}

}  // namespace
