#pragma once
// The program's buttons: a picture from the program folder in a box of its own size, clicked
// with the mouse, usually cut to the outline of its picture (TrimPictureBox) and lit while the
// pointer is over it (HoverButtonImage).
//
//   ImageButton Picture1{this, QStringLiteral("Picture1")};  // a member of the form
//   MoveTwips(&Picture1, 2400, 5040, 885, 825);
//   Picture1.setPicture("first.gif");
//   TrimPictureBox(&Picture1);
//   AddToolTip(&Picture1, "Move First ( CTRL +  F ) ", this);
//   Picture1.setHoverImage("first", &Label3);
//   connect(&Picture1, &ImageButton::Click, this, &frmAddNewUser::Picture1_Click);
#include <QColor>
#include <QImage>
#include <QPointer>
#include <QString>
#include <QWidget>

class QLabel;

// A picture file read as the buttons read theirs: `fileName` inside the program folder
// ("first.gif", also written "\first.gif") or a full path. A missing or unreadable file gives
// a null image; nobody is told.
QImage LoadPicture(const QString& fileName);

class ImageButton : public QWidget {
  Q_OBJECT
public:
  // `name` is the control's name ("Picture1"); the hover rule compares it with the holder's text.
  explicit ImageButton(QWidget* parent = nullptr, const QString& name = {});

  // The picture, drawn unscaled at the top left over the back colour and cut off at the box's
  // edges. A file that cannot be read leaves the button blank, still clickable.
  void setPicture(const QString& fileName);
  void setPicture(const QImage& image);
  void Cls();  // blank, as after a picture that could not be read
  const QImage& picture() const { return picture_; }
  // The file name (without its folder) of the picture last set from a file; "" otherwise.
  QString pictureFile() const { return pictureFile_; }

  void setBackColor(const QColor& color);

  // What the box shows, at its own size: the back colour with the picture over it.
  QImage Image() const;

  // Lights the button while the pointer is inside it: HoverButtonImage on entering and on
  // leaving, with this base name ("first") and the form's holder label (`Label3`).
  void setHoverImage(const QString& imageName, QLabel* holder);

signals:
  // A left-button press released over the button.
  void Click();

protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

private:
  QImage picture_;
  QString pictureFile_;
  QColor backColor_ = Qt::white;
  QString hoverName_;
  QPointer<QLabel> holder_;
  bool pressed_ = false;
};

// Shows the button's hover picture ("<ImageName>1.gif") while the pointer is inside it, and its
// own picture ("<ImageName>.gif") once the pointer has left, except that the button whose name
// `Holder` shows (the navigation button clicked last) stays lit.
//
// Inside means the button's own rectangle, told by its enter and leave events. The mouse is
// never captured, so a click always reaches the button under the pointer; the form's scratch
// picture box plays no part.
void HoverButtonImage(ImageButton* Button, const QLabel* Holder, bool Inside, const QString& ImageName);
