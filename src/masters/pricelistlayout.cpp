#include "masters/pricelistlayout.h"

#include <QFont>
#include <QLabel>

#include "framework/twips.h"

void LayOutPriceRow(QLabel* label, const QString& caption, QWidget* box, int top) {
  label->setText(caption);
  label->setFont(QFont(QStringLiteral("Arial"), 10, QFont::Bold));
  label->setStyleSheet(QStringLiteral("color: #8e3b52; background: transparent;"));
  MoveTwips(label, 2160, top, 2280, 300);
  label->setBuddy(box);
  box->setFont(QFont(QStringLiteral("Arial"), 9, QFont::Bold));
  MoveTwips(box, 4560, top - 30, 3360, 330);
}
