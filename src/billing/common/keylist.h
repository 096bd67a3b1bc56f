#pragma once
// The long one-column lists of the bill and cancellation forms (every patient's identifier, every
// bill number): the texts in one compact buffer behind a read-only list model that a combo box
// shows, with the two searches the forms make on every keystroke answered without walking
// hundreds of thousands of rows through the model.
//
//   auto ids = std::make_unique<KeyList>(true);
//   ids->Append(text, rowid); ...                          // at Load, in list order
//   KeyList* shown = ShowKeyList(cmbPatientName, std::move(ids));  // the combo box lists them
//   ids->FirstExact(Trim(text))                            // the first row holding that text
//   combo->findText(prefix, Qt::MatchStartsWith)          // answered by KeyList::match
#include <QAbstractListModel>
#include <QStringView>
#include <memory>
#include <vector>

class QComboBox;

class KeyList final : public QAbstractListModel {
public:
  // With trimmedLookups, FirstExact compares the stored texts without their leading and trailing
  // blanks (as VB's Trim leaves them).
  explicit KeyList(bool trimmedLookups, QObject* parent = nullptr);

  // Adds one row at the end; rows are only appended, before the list is shown.
  void Append(QStringView text, qint64 rowid);
  // The same from UTF-8 (as ReadColumnText hands it over).
  void AppendUtf8(const char* utf8, qsizetype size, qint64 rowid);
  int Count() const { return int(rowids_.size()); }
  QString Text(int row) const;
  QStringView View(int row) const;
  qint64 RowId(int row) const { return rowids_[std::size_t(row)]; }
  // The first row (in list order) whose text is `text`, or -1.
  int FirstExact(QStringView text) const;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  // The type-ahead search (the first row from `start` whose text starts with the value, case
  // ignored, one hit) runs over the buffer; every other search is the model's usual one.
  QModelIndexList match(const QModelIndex& start, int role, const QVariant& value, int hits = 1,
                        Qt::MatchFlags flags = Qt::MatchFlags(Qt::MatchStartsWith | Qt::MatchWrap)) const override;

private:
  QStringView key(int row) const;

  bool trimmed_;
  std::vector<char16_t> chars_;
  std::vector<quint32> starts_{0};  // row i is chars_[starts_[i], starts_[i + 1])
  std::vector<qint64> rowids_;
  // A hash of each row's look-up text: FirstExact compares texts only where the hashes agree.
  std::vector<quint32> hashes_;
};

// Makes `list` the combo box's list (the combo box owns it), with no current item and an empty
// text, no signal fired; returns it.
KeyList* ShowKeyList(QComboBox* combo, std::unique_ptr<KeyList> list);
