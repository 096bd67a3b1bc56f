#pragma once
// Balloon tips: a control's tool tip, white text on pink, wrapped at 80 pixels.
#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

class QWidget;

inline constexpr int kTipMaxWidth = 80;  // pixels of text on one line of a tip
inline QColor TipBackColor() { return QColor(253, 96, 237); }
inline QColor TipTextColor() { return QColor(255, 255, 255); }

// Gives `CtlHWnd` the tip `TipText`, shown when the pointer rests on it. The text is shown as
// written ("&" included); a later setToolTip on the control changes the text the tip shows. The
// tip belongs to the control, which belongs to its form `OwnerHWnd`, and goes with them.
void AddToolTip(QWidget* CtlHWnd, const QString& TipText, QWidget* OwnerHWnd);

// The lines a tip shows: broken at blanks so that no line is wider than `maxWidth` pixels in
// `font` (a single word wider than that keeps a line of its own). Blanks inside a line stay.
QStringList WrapTipText(const QString& text, const QFont& font, int maxWidth = kTipMaxWidth);
