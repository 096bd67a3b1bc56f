#pragma once
// The fixture every test uses: a fresh program folder (the pictures and movie descriptions and a
// new database), scripted message boxes, a recording printer, a fixed "today" and the
// process-end seam.
#include <gtest/gtest.h>

#include <QDate>
#include <QString>
#include <QTemporaryDir>
#include <deque>
#include <memory>
#include <vector>

#include "platform/ado.h"
#include "platform/msgbox.h"
#include "support/qt_print.h"
#include "support/recording_printer.h"

struct ShownBox {
  QString prompt;
  int style = 0;
  QString title;  // as passed: empty for a message without a title of its own
  int answer = 0;
};

// Message boxes as a script: each expected box is answered in turn; a box nobody expected fails
// the test (and is answered OK, or No where it asks Yes/No). Every box shown is recorded.
class ScriptedMessageBoxes final : public MessageBoxService {
public:
  // The next box must show this prompt (and, when given, this title and style).
  void expect(const QString& prompt, int answer = vbOK);
  void expect(const QString& prompt, const QString& title, int style, int answer = vbOK);
  // Answer every box that is not expected with `answer`, without failing (for set-up steps).
  void allowAny(int answer = vbOK);
  void strict();  // back to failing on unexpected boxes

  const std::vector<ShownBox>& shown() const { return shown_; }
  QStringList prompts() const;
  void clearShown() { shown_.clear(); }
  int pending() const { return int(expected_.size()); }

  int show(const QString& prompt, int style, const QString& title) override;

private:
  struct Expected {
    QString prompt;
    bool checkTitleAndStyle = false;
    QString title;
    int style = 0;
    int answer = vbOK;
  };
  std::deque<Expected> expected_;
  std::vector<ShownBox> shown_;
  bool permissive_ = false;
  int permissiveAnswer_ = vbOK;
};

class HalvionTest : public ::testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;

  static QDate defaultToday() { return QDate(2026, 12, 10); }

  QString folder() const;   // the program folder
  QString dbPath() const;   // its database file
  ScriptedMessageBoxes& boxes() { return *boxes_; }
  // The printer the program prints on during this test (a fresh one for every test).
  RecordingPrinter& printer() { return *printer_; }
  int endCount() const { return *ends_; }  // how often the program "ended"
  void setToday(const QDate& date);
  // What the forms ask of the main window's menus, recorded into `into` as "hide" and "show" (as
  // the main window would hide and show them); the hooks go at TearDown.
  void RecordMainMenus(QStringList& into);

  // A connection of its own on the fixture's database, for setting up and checking rows.
  std::shared_ptr<Connection> openDb() const;
  // Runs SQL straight on the database file (test set-up only); fails the test on an error.
  void exec(const QString& sql) const;
  // The first column of the first row of a query, as text ("" when there is no row).
  QString scalar(const QString& sql) const;

private:
  std::unique_ptr<QTemporaryDir> dir_;
  std::shared_ptr<ScriptedMessageBoxes> boxes_;
  std::shared_ptr<RecordingPrinter> printer_;
  std::shared_ptr<int> ends_;
};
