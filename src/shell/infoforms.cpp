#include "shell/infoforms.h"

#include <QLabel>

#include "framework/twips.h"

void SetInfoLabel(QLabel* label, const QString& text, int pointSize, bool bold, double left, double top,
                  double width, double height, const char* color) {
  label->setText(text);
  label->setFont(QFont(QStringLiteral("Arial"), pointSize, bold ? QFont::Bold : QFont::Normal));
  label->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(QLatin1String(color)));
  MoveTwips(label, left, top, width, height);
}
