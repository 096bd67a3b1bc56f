#include "shell/programlogo.h"

#include <QPainter>
#include <QPainterPath>

QPixmap ProgramLogo(int size) {
  QPixmap pm(size, size);
  pm.fill(Qt::transparent);
  if (size <= 0) return pm;
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF box(1, 1, size - 2, size - 2);
  QLinearGradient fill(box.topLeft(), box.bottomRight());
  fill.setColorAt(0, QColor(228, 120, 130));
  fill.setColorAt(1, QColor(176, 36, 48));
  p.setPen(QPen(QColor(120, 96, 140), 1.5));
  p.setBrush(fill);
  p.drawRoundedRect(box, size / 5.0, size / 5.0);
  const double arm = size * 0.22, reach = size * 0.62;
  const QPointF c = box.center();
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawRoundedRect(QRectF(c.x() - arm / 2, c.y() - reach / 2, arm, reach), arm / 5, arm / 5);
  p.drawRoundedRect(QRectF(c.x() - reach / 2, c.y() - arm / 2, reach, arm), arm / 5, arm / 5);
  return pm;
}
