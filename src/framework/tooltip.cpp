#include "framework/tooltip.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

namespace {

const QString kTipStyle = QStringLiteral(
    "QToolTip { background-color: rgb(253, 96, 237); color: rgb(255, 255, 255);"
    " border: 1px solid rgb(150, 30, 135); padding: 2px; }");
const QString kFilterName = QStringLiteral("balloonTip");

// The text as the tip label shows it: our own line breaks, blanks kept, nothing read as markup.
QString TipMarkup(const QString& text) {
  QStringList lines = WrapTipText(text, QToolTip::font());
  for (QString& line : lines) line = line.toHtmlEscaped();
  return QStringLiteral("<div style=\"white-space:pre\">") + lines.join(QStringLiteral("<br>")) +
         QStringLiteral("</div>");
}

// Shows the control's tool tip wrapped, in place of Qt's unwrapped plain tip.
class BalloonTip final : public QObject {
public:
  explicit BalloonTip(QWidget* control) : QObject(control) {
    setObjectName(kFilterName);
    control->installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::ToolTip) return false;
    auto* control = static_cast<QWidget*>(watched);
    const QString text = control->toolTip();
    if (text.isEmpty()) {
      QToolTip::hideText();
    } else {
      QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), TipMarkup(text), control);
    }
    return true;
  }
};

}  // namespace

void AddToolTip(QWidget* CtlHWnd, const QString& TipText, QWidget* /*OwnerHWnd*/) {
  if (!CtlHWnd) return;
  CtlHWnd->setToolTip(TipText);
  // The tip label takes its look from the style sheet of the control it is shown for.
  if (!CtlHWnd->styleSheet().contains(kTipStyle))
    CtlHWnd->setStyleSheet(CtlHWnd->styleSheet() + kTipStyle);
  if (!CtlHWnd->findChild<BalloonTip*>(kFilterName, Qt::FindDirectChildrenOnly)) new BalloonTip(CtlHWnd);
}

QStringList WrapTipText(const QString& text, const QFont& font, int maxWidth) {
  const QFontMetrics fm(font);
  const QChar blank(QLatin1Char(' '));
  QStringList lines;
  QString line;
  const qsizetype n = text.size();
  qsizetype i = 0;
  while (i < n) {
    qsizetype j = i;
    while (j < n && text[j] == blank) ++j;
    qsizetype k = j;
    while (k < n && text[k] != blank) ++k;
    const QString blanks = text.mid(i, j - i);
    const QString word = text.mid(j, k - j);
    if (word.isEmpty()) {  // trailing blanks stay with the last line
      line += blanks;
      break;
    }
    const QString longer = line + blanks + word;
    if (line.isEmpty() || fm.horizontalAdvance(longer) <= maxWidth) {
      line = longer;
    } else {
      lines << line;  // the blanks at the break are dropped
      line = word;
    }
    i = k;
  }
  lines << line;
  return lines;
}
