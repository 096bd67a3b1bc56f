#include "framework/imagebutton.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include "platform/system.h"

QImage LoadPicture(const QString& fileName) {
  QString name = fileName;
  if (name.startsWith(QLatin1Char('\\'))) name.remove(0, 1);
  if (name.isEmpty()) return {};
  QImageReader reader(QDir(AppPath()).filePath(name));
  return reader.read();  // null when the file is missing or not a picture
}

ImageButton::ImageButton(QWidget* parent, const QString& name) : QWidget(parent) {
  setObjectName(name);
  // A click moves the focus here, as it did to a picture box, so the box left behind sees its
  // focus go before the click runs.
  setFocusPolicy(Qt::ClickFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImageButton::setPicture(const QString& fileName) {
  picture_ = LoadPicture(fileName);
  pictureFile_ = QFileInfo(QString(fileName).replace(QLatin1Char('\\'), QLatin1Char('/'))).fileName();
  update();
}

void ImageButton::setPicture(const QImage& image) {
  picture_ = image;
  pictureFile_.clear();
  update();
}

void ImageButton::Cls() { setPicture(QImage()); }

void ImageButton::setBackColor(const QColor& color) {
  backColor_ = color;
  update();
}

QImage ImageButton::Image() const {
  QImage image(size(), QImage::Format_RGB32);
  image.fill(backColor_);
  if (!picture_.isNull() && !image.isNull()) {
    QPainter p(&image);
    p.drawImage(0, 0, picture_);
  }
  return image;
}

void ImageButton::setHoverImage(const QString& imageName, QLabel* holder) {
  hoverName_ = imageName;
  holder_ = holder;
}

void ImageButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), backColor_);
  if (!picture_.isNull()) p.drawImage(0, 0, picture_);
}

void ImageButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) pressed_ = true;
  event->accept();
}

void ImageButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const bool wasPressed = pressed_;
  pressed_ = false;
  const QPoint at = event->position().toPoint();
  const bool over = rect().contains(at) && (mask().isEmpty() || mask().contains(at));
  if (wasPressed && over) emit Click();
}

void ImageButton::enterEvent(QEnterEvent* event) {
  if (!hoverName_.isEmpty()) HoverButtonImage(this, holder_, true, hoverName_);
  QWidget::enterEvent(event);
}

void ImageButton::leaveEvent(QEvent* event) {
  if (!hoverName_.isEmpty()) HoverButtonImage(this, holder_, false, hoverName_);
  QWidget::leaveEvent(event);
}

void HoverButtonImage(ImageButton* Button, const QLabel* Holder, bool Inside, const QString& ImageName) {
  if (!Button) return;
  const bool keepLit =
      Holder && !Button->objectName().isEmpty() && Holder->text() == Button->objectName();
  Button->setPicture(ImageName + (Inside || keepLit ? QStringLiteral("1.gif") : QStringLiteral(".gif")));
}
