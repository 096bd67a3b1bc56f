#include "billing/common/keylist.h"

#include <QComboBox>
#include <QListView>
#include <QSignalBlocker>

namespace {

// VB's Trim: blanks only, not tabs or line breaks.
QStringView trimBlanks(QStringView s) {
  qsizetype b = 0, e = s.size();
  while (b < e && s[b] == u' ') ++b;
  while (e > b && s[e - 1] == u' ') --e;
  return s.sliced(b, e - b);
}

// FNV-1a over the UTF-16 units: cheap enough to run on every row as the list is read.
quint32 hashOf(QStringView s) {
  quint32 h = 2166136261u;
  for (const QChar c : s) {
    h = (h ^ c.unicode()) * 16777619u;
  }
  return h;
}

}  // namespace

KeyList::KeyList(bool trimmedLookups, QObject* parent) : QAbstractListModel(parent), trimmed_(trimmedLookups) {}

void KeyList::Append(QStringView text, qint64 rowid) {
  chars_.insert(chars_.end(), text.utf16(), text.utf16() + text.size());
  starts_.push_back(quint32(chars_.size()));
  rowids_.push_back(rowid);
  hashes_.push_back(hashOf(key(Count() - 1)));
}

void KeyList::AppendUtf8(const char* utf8, qsizetype size, qint64 rowid) {
  // Identifiers and bill numbers are plain ASCII: widened in place, no QString made for them.
  bool ascii = true;
  for (qsizetype i = 0; i < size && ascii; ++i) ascii = static_cast<unsigned char>(utf8[i]) < 0x80;
  if (!ascii) {
    Append(QString::fromUtf8(utf8, size), rowid);
    return;
  }
  chars_.insert(chars_.end(), utf8, utf8 + size);
  starts_.push_back(quint32(chars_.size()));
  rowids_.push_back(rowid);
  hashes_.push_back(hashOf(key(Count() - 1)));
}

QStringView KeyList::View(int row) const {
  const std::size_t b = starts_[std::size_t(row)], e = starts_[std::size_t(row) + 1];
  return QStringView(chars_.data() + b, qsizetype(e - b));
}

QString KeyList::Text(int row) const { return View(row).toString(); }

QStringView KeyList::key(int row) const { return trimmed_ ? trimBlanks(View(row)) : View(row); }

int KeyList::FirstExact(QStringView text) const {
  const quint32 h = hashOf(text);
  const std::size_t n = hashes_.size();
  for (std::size_t row = 0; row < n; ++row)
    if (hashes_[row] == h && key(int(row)) == text) return int(row);
  return -1;
}

int KeyList::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : Count(); }

QVariant KeyList::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= Count() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
  return Text(index.row());
}

QModelIndexList KeyList::match(const QModelIndex& start, int role, const QVariant& value, int hits,
                               Qt::MatchFlags flags) const {
  const bool startsWith = (flags & Qt::MatchTypeMask) == Qt::MatchStartsWith;
  if (!startsWith || (role != Qt::DisplayRole && role != Qt::EditRole) || start.model() != this ||
      start.column() != 0 || start.parent().isValid())
    return QAbstractListModel::match(start, role, value, hits, flags);
  const QString prefix = value.toString();
  const Qt::CaseSensitivity cs = flags & Qt::MatchCaseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
  const bool wrap = flags & Qt::MatchWrap;
  QModelIndexList result;
  const int from = start.row();
  const int to = Count();
  for (int pass = 0; pass < (wrap ? 2 : 1); ++pass) {
    const int b = pass == 0 ? from : 0;
    const int e = pass == 0 ? to : from;
    for (int row = b; row < e && (hits == -1 || result.size() < hits); ++row)
      if (View(row).startsWith(prefix, cs)) result.append(index(row, 0));
  }
  return result;
}

KeyList* ShowKeyList(QComboBox* combo, std::unique_ptr<KeyList> list) {
  KeyList* shown = list.release();
  shown->setParent(combo);
  const QSignalBlocker blocker(combo);
  combo->setModel(shown);
  // One line of text each: the list need not measure every row to lay itself out.
  if (auto* view = qobject_cast<QListView*>(combo->view())) view->setUniformItemSizes(true);
  combo->setCurrentIndex(-1);
  combo->setEditText(QString());
  return shown;
}
