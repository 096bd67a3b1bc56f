#pragma once
// The window-style objects (clsStyleForm for plain windows, clsStyle for the main window): they
// take a window's caption bar away and let the user drag the window by its body.
//
// Each window owns its own style object, so every window made movable stays movable; it lives
// as long as the window does.
#include <QObject>
#include <QPoint>
#include <QPointF>
#include <QPointer>

class QWidget;

class WindowStyle : public QObject {
  Q_OBJECT
public:
  explicit WindowStyle(QObject* parent = nullptr);

  // The window styled; its mouse presses reach this object. nullptr lets go of it.
  void Client(QWidget* window);
  // Shows or removes the caption bar (the frame), then redraws the frame.
  void Titlebar(bool visible);
  // Dragging by the body: a press of the left button alone moves the window with the mouse.
  void AutoDrag(bool on) { mAutoDrag = on; }
  void pRedraw();
  void ShowSysMenu(int x, int y) {
    (void)x;
    (void)y;
  }

  // The style object of a window, made on first use.
  static WindowStyle* Of(QWidget* window);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  bool SetStyle(bool caption);  // true when the window's frame now is as asked

  QPointer<QWidget> mClient;
  bool mAutoDrag = false;
  bool dragging_ = false;
  QPointF pressGlobal_;
  QPoint startPos_;
};

using clsStyleForm = WindowStyle;
using clsStyle = WindowStyle;

// The widget that is Frm's window: its MDI sub-window, or Frm itself.
QWidget* WindowOf(QWidget* Frm);

void HideFormTitleBar(QWidget* Frm);
void MakeFormMovable(QWidget* Frm);
void HideMDIFormTitleBar(QWidget* Frm);
void MakeMDIFormMovable(QWidget* Frm);
