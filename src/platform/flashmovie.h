#pragma once
// The movie control: title bars, window buttons and menus are "movies", small description files
// in the program folder that this widget shows.
//
// A description is plain text, one setting a line; blank lines and lines starting with "#" are
// skipped. The first setting names the kind:
//
//   kind titlebar          a bar showing a text; presses on it reach the window beneath
//     color #rrggbb [#rrggbb]   fill, or a top-to-bottom gradient
//     text-color #rrggbb
//     text {Receive}       the text; {Name} shows the movie variable Name (see SetVariable)
//     indent 145           where the text starts, in pixels from the movie's left edge
//     font-size 10         points, bold
//   kind button            a round button raising a command when clicked
//     color, glyph-color   the disc and its sign
//     glyph close|minimize
//     command Close        the FSCommand it raises (args empty)
//   kind banner            a still text, centred (color, text-color, text, font-size)
//   kind menu              a menu raising a command per item
//     layout horizontal|vertical   a menu bar with drop-down groups, or a column of groups
//     color, text-color
//     group Out-Patient    starts a group; its items follow
//     item mnuNewPateient New Out-Patient    command, then the label
//     entry mnuexit Exit   a command of its own beside the groups, without a drop-down
//
// A description that breaks these rules counts as unreadable. A missing or unreadable file shows
// an empty movie: nothing is drawn, nothing is raised and presses reach the window beneath.
#include <QColor>
#include <QHash>
#include <QString>
#include <QWidget>
#include <vector>

struct MovieItem {
  QString command;
  QString label;
};

struct MovieGroup {
  QString label;
  std::vector<MovieItem> items;  // an entry holds its one command here
  bool entry = false;
};

struct MovieDescription {
  enum class Kind { Empty, TitleBar, Button, Banner, Menu };
  Kind kind = Kind::Empty;
  QColor color, color2, textColor, glyphColor;
  QString text;
  int indent = 0;
  int fontSize = 0;
  QString glyph;
  QString command;
  bool vertical = false;
  std::vector<MovieGroup> groups;

  // Every command the movie can raise, in the order shown.
  QStringList Commands() const;
};

// Kind::Empty when the text breaks the rules above.
MovieDescription ParseMovieDescription(const QString& text);
// Kind::Empty when the file is missing, unreadable or not a description.
MovieDescription ReadMovieDescription(const QString& path);

class QMenu;

class FlashMovie : public QWidget {
  Q_OBJECT
public:
  explicit FlashMovie(QWidget* parent = nullptr);

  // The movie file (a full path; "\" counts as "/"). Setting it reads the file again, so the
  // movie starts from its beginning.
  QString Movie() const { return movie_; }
  void SetMovie(const QString& file);

  // The player's window mode. Kept for the callers; only the windowed mode exists here.
  QString WMode() const { return wmode_; }
  void SetWMode(const QString& mode) { wmode_ = mode; }

  // Movie variables, shown where the description names them. They survive a change of movie.
  void SetVariable(const QString& name, const QString& value);
  QString GetVariable(const QString& name) const { return variables_.value(name); }

  // Our movies are still pictures: playing shows the movie from its beginning.
  void Play();

  bool IsEmpty() const { return description_.kind == MovieDescription::Kind::Empty; }
  const MovieDescription& Description() const { return description_; }

  QSize sizeHint() const override;

signals:
  // A command of the movie: a button's click or a menu item; args is always empty.
  void FSCommand(const QString& command, const QString& args);
  // A button movie was clicked. Stands in for the control taking the focus: forms that close
  // "when the close movie receives the focus" close on this, and keyboard focus never raises it.
  void GotFocus();

protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

private:
  QString shownText() const;
  void rebuild();
  void buildMenu();
  QMenu* groupMenu(const MovieGroup& group, QWidget* parent);

  QString movie_;
  QString wmode_;
  QHash<QString, QString> variables_;
  MovieDescription description_;
  QWidget* content_ = nullptr;  // the menu's widgets
  bool hovered_ = false;
  bool pressed_ = false;
};
