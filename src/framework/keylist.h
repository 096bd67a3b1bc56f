#pragma once
// The long one-column lists of the patient, bill and cancellation forms (every patient's
// identifier, every bill number): the texts in one compact buffer behind a read-only list model
// that a combo box shows, with the searches the forms make on every keystroke answered without
// walking hundreds of thousands of rows through the model.
//
//   auto ids = std::make_unique<KeyList>(true);
//   ids->Reserve(rows); ids->Append(text, rowid); ...      // at Load, in list order
//   KeyList* shown = ShowKeyList(cmbPatientName, std::move(ids));  // the combo box lists them
//   ids->FirstExact(Trim(text))                            // the first row holding that text
//   ids->LastExact(Trim(text))                             // the last one
//   combo->findText(prefix, Qt::MatchStartsWith)          // answered by KeyList::match
//   combo->findText(text, Qt::MatchFixedString)           // and this, case ignored or not, untrimmed
//
// A million bill numbers are read each time a cancellation form opens, and every fresh page of
// memory costs a fault on its first write. So a row takes only its text's bytes (one a character
// while every text is ASCII), one byte of its hash, and four each of offset and rowid (eight for
// every rowid once one passes 32 bits), and Reserve sizes the arrays once so that nothing is
// copied as the list fills.
#include <QAbstractListModel>
#include <QStringView>
#include <memory>
#include <vector>

class QComboBox;
class Connection;
struct TableRead;
class Recordset;

class KeyList final : public QAbstractListModel {
public:
  // With trimmedLookups, FirstExact compares the stored texts without their leading and trailing
  // blanks (as VB's Trim leaves them).
  explicit KeyList(bool trimmedLookups, QObject* parent = nullptr);

  // Room for `rows` rows of identifier-sized texts, so that filling the list copies nothing.
  void Reserve(qsizetype rows);
  // Adds one row at the end; rows are only appended, before the list is shown.
  void Append(QStringView text, qint64 rowid);
  // The same from UTF-8 (as ReadColumnText hands it over).
  void AppendUtf8(const char* utf8, qsizetype size, qint64 rowid);
  // The same unless a row already holds that text (as FirstExact compares it): then nothing is
  // added. Returns the row holding the text. For lists of distinct texts, filled by this alone.
  int AppendUtf8Distinct(const char* utf8, qsizetype size, qint64 rowid);
  int Count() const { return int(starts_.size() - 1); }
  QString Text(int row) const;
  qint64 RowId(int row) const {
    return rowidsWide_ ? wideRowids_[std::size_t(row)] : qint64(rowids_[std::size_t(row)]);
  }
  // The first row (in list order) whose text is `text`, or -1.
  int FirstExact(QStringView text) const;
  // The same from the end: the last such row.
  int LastExact(QStringView text) const;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  // The type-ahead's searches run over the buffer, with the model's answers: the rows from
  // `start` whose text starts with the value (MatchStartsWith) or is the value (MatchFixedString,
  // compared as QString::compare does, the stored blanks counting), case ignored unless
  // MatchCaseSensitive; findText's case-sensitive exact search in a list that is not trimmed goes
  // through the hashes. Every other search is the model's usual one.
  QModelIndexList match(const QModelIndex& start, int role, const QVariant& value, int hits = 1,
                        Qt::MatchFlags flags = Qt::MatchFlags(Qt::MatchStartsWith | Qt::MatchWrap)) const override;

private:
  // Calls f with the row's text as a QLatin1String (ASCII kept in bytes) or a QStringView.
  template <class F>
  decltype(auto) withText(int row, F&& f) const;
  template <class F>
  decltype(auto) withKey(int row, F&& f) const;
  void appendAscii(const char* text, qsizetype size, qint64 rowid);
  void appendRowid(qint64 rowid);
  void widenTexts();
  void removeLast();
  bool sameKey(int a, int b) const;
  quint32 keyHash(int row) const;
  int exact(QStringView text, bool last) const;

  bool trimmed_;
  // The texts, one after another: bytes while every text is ASCII, UTF-16 from the first that is not.
  std::vector<char> narrow_;
  std::vector<char16_t> wide_;
  bool wideTexts_ = false;
  std::vector<quint32> starts_{0};  // row i is the texts' [starts_[i], starts_[i + 1])
  // The rowids: in rowids_ while each fits in 32 bits, else all of them in wideRowids_.
  std::vector<quint32> rowids_;
  std::vector<qint64> wideRowids_;
  bool rowidsWide_ = false;
  // The low byte of a hash of each row's look-up text: FirstExact compares texts only where it agrees.
  std::vector<quint8> tags_;
  // AppendUtf8Distinct's hash table of rows (-1 free), over the first indexed_ rows.
  std::vector<qint32> slots_;
  int indexed_ = 0;
};

// Makes `list` the combo box's list (the combo box owns it, and drops the list it showed before),
// with no current item and an empty text, no signal fired; returns it.
KeyList* ShowKeyList(QComboBox* combo, std::unique_ptr<KeyList> list);

// The text of column `ordinal` of the rows of `read`, in its order, each with its rowid
// (ReadColumnText), in a new list made room for once. Raises DbError as ReadColumnText does.
std::unique_ptr<KeyList> ReadKeyList(const std::shared_ptr<Connection>& con, const TableRead& read, int ordinal,
                                     bool trimmedLookups);
// The same for a list shown in the table's order that an index holding the column serves faster in
// its own order, `read` (its sort columns the index's): where the rows come in rowid order that
// way too, that is the list; a row out of turn, and the list is read again in the order rows were
// added (`read` without its sort columns).
std::unique_ptr<KeyList> ReadKeyListInTableOrder(const std::shared_ptr<Connection>& con, const TableRead& read,
                                                 int ordinal, bool trimmedLookups);
// How many rows a list read from the table of `read` should make room for: its largest rowid (read
// from the end of the table's tree), at least its row count while rowids are positive, and never
// more than a few million.
qsizetype RowsAtMost(const std::shared_ptr<Connection>& con, const TableRead& read);

// The row the first row of `list` holding `text` (FirstExact) stands for, read alone by its rowid
// from `table` as it now stands, writable; none where no row of the list holds the text or the
// row is no longer there. A read that fails (a file another program holds, say) shows the
// "Database Error" message (ShowDatabaseError) and gives none as well.
std::unique_ptr<Recordset> ReadListedRow(const std::shared_ptr<Connection>& con, const QString& table,
                                         const KeyList& list, QStringView text);
