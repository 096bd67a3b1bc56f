#include "platform/flashmovie.h"

#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>
#include <algorithm>

namespace {
constexpr qint64 kLargestDescription = 64 * 1024;

bool readColor(const QString& text, QColor& out) {
  out = QColor::fromString(text);
  return text.startsWith('#') && out.isValid();
}

bool readInt(const QString& text, int& out) {
  bool ok = false;
  out = text.toInt(&ok);
  return ok && out >= 0 && out <= 1000;
}

// "command label words" -> the command and the label.
bool readItem(const QString& rest, MovieItem& out) {
  const qsizetype space = rest.indexOf(' ');
  if (space <= 0) return false;
  out.command = rest.left(space);
  out.label = rest.mid(space + 1).trimmed();
  return !out.label.isEmpty();
}

QString cssColor(const QColor& c) { return c.name(QColor::HexRgb); }
}  // namespace

QStringList MovieDescription::Commands() const {
  QStringList out;
  if (kind == Kind::Button) out << command;
  for (const auto& g : groups)
    for (const auto& i : g.items) out << i.command;
  return out;
}

MovieDescription ParseMovieDescription(const QString& text) {
  using Kind = MovieDescription::Kind;
  MovieDescription d;
  bool layoutGiven = false;
  const QStringList lines = text.split('\n');
  for (QString line : lines) {
    line = line.trimmed();
    if (line.isEmpty() || line.startsWith('#')) continue;
    const qsizetype space = line.indexOf(' ');
    const QString key = space < 0 ? line : line.left(space);
    const QString rest = space < 0 ? QString() : line.mid(space + 1).trimmed();
    const bool menu = d.kind == Kind::Menu;
    bool ok = false;

    if (d.kind == Kind::Empty) {
      if (key != "kind") return {};
      if (rest == "titlebar") d.kind = Kind::TitleBar;
      else if (rest == "button") d.kind = Kind::Button;
      else if (rest == "banner") d.kind = Kind::Banner;
      else if (rest == "menu") d.kind = Kind::Menu;
      else return {};
      continue;
    }
    if (key == "color") {
      const QStringList c = rest.split(' ', Qt::SkipEmptyParts);
      ok = !c.isEmpty() && c.size() <= 2 && readColor(c[0], d.color) &&
           (c.size() == 1 || readColor(c[1], d.color2));
    } else if (key == "text-color") {
      ok = readColor(rest, d.textColor);
    } else if (key == "glyph-color") {
      ok = d.kind == Kind::Button && readColor(rest, d.glyphColor);
    } else if (key == "text") {
      ok = (d.kind == Kind::TitleBar || d.kind == Kind::Banner) && !rest.isEmpty();
      d.text = rest;
    } else if (key == "indent") {
      ok = d.kind == Kind::TitleBar && readInt(rest, d.indent);
    } else if (key == "font-size") {
      ok = !menu && d.kind != Kind::Button && readInt(rest, d.fontSize) && d.fontSize > 0;
    } else if (key == "glyph") {
      ok = d.kind == Kind::Button && (rest == "close" || rest == "minimize");
      d.glyph = rest;
    } else if (key == "command") {
      ok = d.kind == Kind::Button && !rest.isEmpty() && !rest.contains(' ');
      d.command = rest;
    } else if (key == "layout") {
      ok = menu && (rest == "horizontal" || rest == "vertical");
      d.vertical = rest == "vertical";
      layoutGiven = true;
    } else if (key == "group") {
      ok = menu && !rest.isEmpty();
      d.groups.push_back({rest, {}, false});
    } else if (key == "item" || key == "entry") {
      MovieItem item;
      ok = menu && readItem(rest, item);
      if (key == "entry") {
        d.groups.push_back({item.label, {item}, true});
      } else {
        ok = ok && !d.groups.empty() && !d.groups.back().entry;
        if (ok) d.groups.back().items.push_back(item);
      }
    }
    if (!ok) return {};
  }
  const bool complete =
      (d.kind == Kind::Button && !d.command.isEmpty() && !d.glyph.isEmpty()) ||
      (d.kind == Kind::Menu && layoutGiven && !d.groups.empty()) || d.kind == Kind::TitleBar ||
      d.kind == Kind::Banner;
  if (!complete) return {};
  for (const auto& g : d.groups)
    if (g.items.empty()) return {};
  if (!d.textColor.isValid()) d.textColor = Qt::white;
  if (!d.glyphColor.isValid()) d.glyphColor = Qt::white;
  if (d.fontSize == 0) d.fontSize = d.kind == Kind::Banner ? 24 : 10;
  return d;
}

MovieDescription ReadMovieDescription(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly) || f.size() > kLargestDescription) return {};
  const QByteArray bytes = f.readAll();
  if (bytes.contains('\0')) return {};
  return ParseMovieDescription(QString::fromUtf8(bytes));
}

FlashMovie::FlashMovie(QWidget* parent) : QWidget(parent) {
  // A movie placed without a size of its own is a window button's size (450 twips square).
  resize(30, 30);
  setFocusPolicy(Qt::NoFocus);
}

QSize FlashMovie::sizeHint() const { return QSize(30, 30); }

void FlashMovie::SetMovie(const QString& file) {
  movie_ = file;
  QString path = file;
  path.replace('\\', '/');
  description_ = ReadMovieDescription(path);
  rebuild();
}

void FlashMovie::SetVariable(const QString& name, const QString& value) {
  variables_.insert(name, value);
  update();
}

void FlashMovie::Play() {
  hovered_ = pressed_ = false;
  update();
}

QString FlashMovie::shownText() const {
  QString out = description_.text;
  for (auto it = variables_.cbegin(); it != variables_.cend(); ++it)
    out.replace('{' + it.key() + '}', it.value());
  // A variable nobody set shows nothing.
  static const QRegularExpression unset(QStringLiteral("\\{[^{}]*\\}"));
  out.remove(unset);
  return out;
}

void FlashMovie::rebuild() {
  delete content_;
  content_ = nullptr;
  hovered_ = pressed_ = false;
  const bool clickable = description_.kind == MovieDescription::Kind::Button;
  setFocusPolicy(clickable ? Qt::ClickFocus : Qt::NoFocus);
  setCursor(clickable ? Qt::PointingHandCursor : Qt::ArrowCursor);
  if (description_.kind == MovieDescription::Kind::Menu) buildMenu();
  update();
}

QMenu* FlashMovie::groupMenu(const MovieGroup& group, QWidget* parent) {
  auto* menu = new QMenu(group.label, parent);
  for (const auto& item : group.items) {
    QAction* a = menu->addAction(item.label);
    a->setData(item.command);
    connect(a, &QAction::triggered, this, [this, command = item.command] { emit FSCommand(command, QString()); });
  }
  return menu;
}

void FlashMovie::buildMenu() {
  const MovieDescription& d = description_;
  const QColor bar = d.color.isValid() ? d.color : QColor(74, 106, 138);
  const QColor light = bar.lighter(135);
  content_ = new QWidget(this);
  content_->setGeometry(rect());
  auto* layout = new QVBoxLayout(content_);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(d.vertical ? 4 : 0);
  const QString menuCss =
      QStringLiteral("QMenu { background: #ffffff; border: 1px solid %1; padding: 4px 0; }"
                     "QMenu::item { padding: 5px 22px 5px 16px; color: #2b2b2b; }"
                     "QMenu::item:selected { background: %2; color: #ffffff; }")
          .arg(cssColor(bar), cssColor(light));

  if (!d.vertical) {
    auto* menuBar = new QMenuBar(content_);
    menuBar->setNativeMenuBar(false);
    menuBar->setStyleSheet(
        QStringLiteral("QMenuBar { background: %1; color: %2; font-weight: bold; padding: 2px 6px; }"
                       "QMenuBar::item { background: transparent; padding: 6px 12px; border-radius: 4px; }"
                       "QMenuBar::item:selected { background: %3; }")
            .arg(cssColor(bar), cssColor(d.textColor), cssColor(light)) +
        menuCss);
    for (const auto& g : d.groups) {
      if (g.entry) {
        QAction* a = menuBar->addAction(g.label);
        a->setData(g.items.front().command);
        connect(a, &QAction::triggered, this,
                [this, command = g.items.front().command] { emit FSCommand(command, QString()); });
      } else {
        menuBar->addMenu(groupMenu(g, menuBar));
      }
    }
    layout->addWidget(menuBar);
  } else {
    content_->setStyleSheet(
        QStringLiteral("QPushButton { background: %1; color: %2; font-weight: bold; border: none;"
                       " border-radius: 6px; padding: 7px 14px; text-align: left; }"
                       "QPushButton:hover, QPushButton:pressed { background: %3; }")
            .arg(cssColor(bar), cssColor(d.textColor), cssColor(light)) +
        menuCss);
    for (const auto& g : d.groups) {
      auto* button = new QPushButton(g.entry ? g.label : g.label + QStringLiteral("  \u203A"), content_);
      button->setFocusPolicy(Qt::NoFocus);
      button->setCursor(Qt::PointingHandCursor);
      if (g.entry) {
        connect(button, &QPushButton::clicked, this,
                [this, command = g.items.front().command] { emit FSCommand(command, QString()); });
      } else {
        QMenu* menu = groupMenu(g, button);
        connect(button, &QPushButton::clicked, menu,
                [button, menu] { menu->popup(button->mapToGlobal(QPoint(button->width() + 2, 0))); });
      }
      layout->addWidget(button);
    }
  }
  layout->addStretch(1);
  content_->show();
}

void FlashMovie::paintEvent(QPaintEvent*) {
  using Kind = MovieDescription::Kind;
  const MovieDescription& d = description_;
  if (d.kind == Kind::Empty || d.kind == Kind::Menu) return;
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  QFont font = this->font();
  font.setBold(true);
  font.setPointSize(d.fontSize);

  if (d.kind == Kind::TitleBar) {
    if (d.color.isValid()) {
      QLinearGradient g(0, 0, 0, height());
      g.setColorAt(0, d.color);
      g.setColorAt(1, d.color2.isValid() ? d.color2 : d.color);
      p.fillRect(rect(), g);
    }
    p.setFont(font);
    p.setPen(d.textColor);
    p.drawText(QRect(d.indent, 0, width() - d.indent, height()), Qt::AlignLeft | Qt::AlignVCenter,
               shownText());
  } else if (d.kind == Kind::Banner) {
    if (d.color.isValid()) p.fillRect(rect(), d.color);
    p.setFont(font);
    p.setPen(d.textColor);
    p.drawText(rect(), Qt::AlignCenter, shownText());
  } else {  // a round button
    const int diameter = std::max(8, std::min(width(), height()) - 10);
    const QRectF disc(QPointF((width() - diameter) / 2.0, (height() - diameter) / 2.0), QSizeF(diameter, diameter));
    QColor fill = d.color.isValid() ? d.color : QColor(120, 120, 120);
    if (pressed_) fill = fill.darker(120);
    else if (hovered_) fill = fill.lighter(115);
    p.setPen(QPen(fill.darker(130), 1));
    p.setBrush(fill);
    p.drawEllipse(disc);
    p.setPen(QPen(d.glyphColor, 2, Qt::SolidLine, Qt::RoundCap));
    const double r = diameter * 0.22;
    const QPointF c = disc.center();
    if (d.glyph == QLatin1String("close")) {
      p.drawLine(c + QPointF(-r, -r), c + QPointF(r, r));
      p.drawLine(c + QPointF(-r, r), c + QPointF(r, -r));
    } else {
      p.drawLine(c + QPointF(-r, 0), c + QPointF(r, 0));
    }
  }
}

void FlashMovie::mousePressEvent(QMouseEvent* event) {
  if (description_.kind != MovieDescription::Kind::Button || event->button() != Qt::LeftButton) {
    // Only a button takes presses; elsewhere they reach the window (which drags by its body).
    event->ignore();
    return;
  }
  pressed_ = true;
  update();
  event->accept();
}

void FlashMovie::mouseReleaseEvent(QMouseEvent* event) {
  if (!pressed_ || event->button() != Qt::LeftButton) {
    event->ignore();
    return;
  }
  pressed_ = false;
  update();
  event->accept();
  if (!rect().contains(event->position().toPoint())) return;
  // A handler may close the window that holds this movie.
  QPointer<FlashMovie> self(this);
  const QString command = description_.command;
  emit GotFocus();
  if (self) emit FSCommand(command, QString());
}

void FlashMovie::enterEvent(QEnterEvent* event) {
  hovered_ = true;
  update();
  QWidget::enterEvent(event);
}

void FlashMovie::leaveEvent(QEvent* event) {
  hovered_ = false;
  update();
  QWidget::leaveEvent(event);
}

void FlashMovie::resizeEvent(QResizeEvent* event) {
  if (content_) content_->setGeometry(rect());
  QWidget::resizeEvent(event);
}
