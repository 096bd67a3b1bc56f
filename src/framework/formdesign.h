#pragma once
// The look every window shares: no caption bar, rounded corners with a thin frame, the light pink
// ground with the background picture stretched over it, a title-bar movie across the top with
// close and minimise movies at its right, and dragging by the body.
//
// Every child form's load calls DesignForm and, right after it, its own CenterForm().
#include <QColor>
#include <QPointF>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <QString>
#include <optional>

#include "platform/workarea.h"

class FlashMovie;
class QLabel;
class VbForm;

inline const QColor kFormBackColor{255, 240, 251};
// The frame along the rounded edge.
inline const QColor kFormFrameColor{120, 96, 140};
// The corners are ellipses this many pixels wide and high.
inline constexpr int kFormCornerSize = 36;

// Sizes and places in twips. The title movie shows Caption (its variable "Receive"), the
// movies and the picture come from the program folder ("bar1.swf", "close.swf", "min.swf",
// "backall.gif"); a missing file leaves its movie or picture empty. The background picture
// lets mouse presses through, so pressing on it drags the window.
void DesignForm(VbForm* Frm, FlashMovie* TitleMovie, FlashMovie* CloseMovie, FlashMovie* MinMovie,
                int FormHeight, int FormWidth, const QString& Caption, QLabel* Background);
// The same for the login window: its picture sits higher, and the corners, the caption and the
// dragging come last.
void DesignLoginForm(VbForm* Frm, FlashMovie* TitleMovie, FlashMovie* CloseMovie, FlashMovie* MinMovie,
                     int FormHeight, int FormWidth, const QString& Caption, QLabel* Background);

// The background colour, the window's rounded shape (from its size now) and the one-pixel frame
// along it.
void RoundFormCorners(VbForm* Frm);

// The rounded shape of a window of this size (pixels), and the one-pixel edge inside it.
QRegion RoundedRegion(QSize size);
QRegion RegionEdge(const QRegion& region);

// Where CenterForm puts a window of this size (twips): centred in the work area (pixels; its
// right and bottom edges are x + width and y + height), or, when the work area cannot be read,
// in the screen from its top left. Not clamped: a window larger than the area gets a negative
// position. For a child of the MDI area the result is a place inside that area.
QPointF CenteredPosition(const std::optional<QRect>& workArea, QSize screen, double widthTwips,
                         double heightTwips);
