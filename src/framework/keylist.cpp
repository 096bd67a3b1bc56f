#include "framework/keylist.h"

#include <QComboBox>
#include <QListView>
#include <QSignalBlocker>
#include <QVarLengthArray>
#include <algorithm>
#include <cstring>
#include <limits>

#include "data/reports.h"
#include "framework/databaseerror.h"
#include "platform/ado.h"

namespace {

// Bill numbers and identifiers: what Reserve makes room for, per row.
constexpr qsizetype kReservedChars = 8;
// A table whose rowids run far past its rows (one inserted with a rowid of its own) must not make
// the list reserve gigabytes: past this the list grows as it is filled.
constexpr qsizetype kMostReservedRows = qsizetype(1) << 22;

char16_t unitAt(QStringView s, qsizetype i) { return s[i].unicode(); }
char16_t unitAt(QLatin1String s, qsizetype i) { return char16_t(uchar(s.data()[i])); }

QString toQString(QStringView s) { return s.toString(); }
QString toQString(QLatin1String s) { return QString(s); }

// VB's Trim: blanks only, not tabs or line breaks.
template <class View>
View trimBlanks(View s) {
  qsizetype b = 0, e = s.size();
  while (b < e && unitAt(s, b) == u' ') ++b;
  while (e > b && unitAt(s, e - 1) == u' ') --e;
  return s.sliced(b, e - b);
}

// FNV-1a over the UTF-16 units (an ASCII byte is its own unit): cheap enough to run on every row
// as the list is read.
template <class View>
quint32 hashOf(View s) {
  quint32 h = 2166136261u;
  for (qsizetype i = 0; i < s.size(); ++i) h = (h ^ unitAt(s, i)) * 16777619u;
  return h;
}

bool sameUnits(QLatin1String a, QLatin1String b) {
  return a.size() == b.size() && (a.isEmpty() || std::memcmp(a.data(), b.data(), std::size_t(a.size())) == 0);
}
bool sameUnits(QStringView a, QStringView b) { return a == b; }
template <class A, class B>
bool sameUnits(A a, B b) {
  if (a.size() != b.size()) return false;
  for (qsizetype i = 0; i < a.size(); ++i)
    if (unitAt(a, i) != unitAt(b, i)) return false;
  return true;
}

bool isAscii(QStringView s) {
  return std::all_of(s.begin(), s.end(), [](QChar c) { return c.unicode() < 0x80; });
}

// The type-ahead's comparison, as QStringView::startsWith makes it. Over ASCII text and an ASCII
// prefix ignoring case is folding A-Z alone; any other prefix is compared through a QString.
bool startsWith(QStringView text, const QString& prefix, Qt::CaseSensitivity cs, bool) {
  return text.startsWith(prefix, cs);
}
bool startsWith(QLatin1String text, const QString& prefix, Qt::CaseSensitivity cs, bool asciiPrefix) {
  if (!asciiPrefix) return QString(text).startsWith(prefix, cs);
  if (text.size() < prefix.size()) return false;
  const auto fold = [cs](char16_t c) {
    return cs == Qt::CaseInsensitive && c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c;
  };
  for (qsizetype i = 0; i < prefix.size(); ++i)
    if (fold(unitAt(text, i)) != fold(prefix[i].unicode())) return false;
  return true;
}

// findText's exact search, as QString::compare makes it: the same comparison of an ASCII text
// with an ASCII one, and any other through a QString.
bool sameText(QStringView text, const QString& wanted, Qt::CaseSensitivity cs, bool) {
  return text.compare(wanted, cs) == 0;
}
bool sameText(QLatin1String text, const QString& wanted, Qt::CaseSensitivity cs, bool asciiWanted) {
  if (!asciiWanted) return QString(text).compare(wanted, cs) == 0;
  return text.size() == wanted.size() && startsWith(text, wanted, cs, true);
}

}  // namespace

KeyList::KeyList(bool trimmedLookups, QObject* parent) : QAbstractListModel(parent), trimmed_(trimmedLookups) {}

template <class F>
decltype(auto) KeyList::withText(int row, F&& f) const {
  const std::size_t b = starts_[std::size_t(row)];
  const auto n = qsizetype(starts_[std::size_t(row) + 1] - b);
  if (wideTexts_) return f(QStringView(wide_.data() + b, n));
  return f(QLatin1String(narrow_.data() + b, n));
}

template <class F>
decltype(auto) KeyList::withKey(int row, F&& f) const {
  return withText(row, [&](auto text) { return f(trimmed_ ? trimBlanks(text) : text); });
}

void KeyList::Reserve(qsizetype rows) {
  rows = std::clamp<qsizetype>(rows, 0, kMostReservedRows);
  const auto n = std::size_t(rows);
  starts_.reserve(starts_.size() + n);
  tags_.reserve(tags_.size() + n);
  if (rowidsWide_)
    wideRowids_.reserve(wideRowids_.size() + n);
  else
    rowids_.reserve(rowids_.size() + n);
  if (wideTexts_)
    wide_.reserve(wide_.size() + n * kReservedChars);
  else
    narrow_.reserve(narrow_.size() + n * kReservedChars);
}

void KeyList::appendRowid(qint64 rowid) {
  if (!rowidsWide_ && (rowid < 0 || rowid > qint64(std::numeric_limits<quint32>::max()))) {
    wideRowids_.reserve(rowids_.capacity() + 1);
    wideRowids_.assign(rowids_.begin(), rowids_.end());
    std::vector<quint32>().swap(rowids_);
    rowidsWide_ = true;
  }
  if (rowidsWide_)
    wideRowids_.push_back(rowid);
  else
    rowids_.push_back(quint32(rowid));
}

void KeyList::widenTexts() {
  wide_.reserve(narrow_.capacity());
  wide_.assign(narrow_.begin(), narrow_.end());
  std::vector<char>().swap(narrow_);
  wideTexts_ = true;
}

void KeyList::appendAscii(const char* text, qsizetype size, qint64 rowid) {
  if (wideTexts_)
    wide_.insert(wide_.end(), text, text + size);
  else
    narrow_.insert(narrow_.end(), text, text + size);
  starts_.push_back(quint32(wideTexts_ ? wide_.size() : narrow_.size()));
  appendRowid(rowid);
  const QLatin1String key(text, size);
  tags_.push_back(quint8(hashOf(trimmed_ ? trimBlanks(key) : key)));
}

void KeyList::Append(QStringView text, qint64 rowid) {
  if (isAscii(text)) {
    QVarLengthArray<char, 64> bytes(text.size());
    std::transform(text.begin(), text.end(), bytes.begin(), [](QChar c) { return char(c.unicode()); });
    appendAscii(bytes.constData(), bytes.size(), rowid);
    return;
  }
  if (!wideTexts_) widenTexts();
  wide_.insert(wide_.end(), text.utf16(), text.utf16() + text.size());
  starts_.push_back(quint32(wide_.size()));
  appendRowid(rowid);
  tags_.push_back(quint8(keyHash(Count() - 1)));
}

void KeyList::AppendUtf8(const char* utf8, qsizetype size, qint64 rowid) {
  // Identifiers and bill numbers are plain ASCII: kept as they come, no QString made for them.
  const bool ascii = std::all_of(utf8, utf8 + size, [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (ascii)
    appendAscii(utf8, size, rowid);
  else
    Append(QString::fromUtf8(utf8, size), rowid);
}

void KeyList::removeLast() {
  starts_.pop_back();
  if (wideTexts_)
    wide_.resize(starts_.back());
  else
    narrow_.resize(starts_.back());
  tags_.pop_back();
  if (rowidsWide_)
    wideRowids_.pop_back();
  else
    rowids_.pop_back();
}

bool KeyList::sameKey(int a, int b) const {
  return withKey(a, [&](auto ka) { return withKey(b, [&](auto kb) { return sameUnits(ka, kb); }); });
}

quint32 KeyList::keyHash(int row) const {
  return withKey(row, [](auto key) { return hashOf(key); });
}

int KeyList::AppendUtf8Distinct(const char* utf8, qsizetype size, qint64 rowid) {
  AppendUtf8(utf8, size, rowid);
  const int row = Count() - 1;
  // The lines of one bill follow each other: the row before is the likeliest to hold the text.
  if (row > 0 && tags_[std::size_t(row)] == tags_[std::size_t(row) - 1] && sameKey(row, row - 1)) {
    removeLast();
    return row - 1;
  }
  if (indexed_ != row || slots_.size() < 2 * std::size_t(row + 1)) {
    std::size_t size = 64;
    while (size < 4 * std::size_t(row + 1)) size *= 2;
    slots_.assign(size, -1);
    for (int r = 0; r < row; ++r) {
      std::size_t at = keyHash(r) & (size - 1);
      while (slots_[at] >= 0) at = (at + 1) & (size - 1);
      slots_[at] = r;
    }
  }
  const std::size_t mask = slots_.size() - 1;
  std::size_t at = keyHash(row) & mask;
  for (; slots_[at] >= 0; at = (at + 1) & mask) {
    const int held = slots_[at];
    if (tags_[std::size_t(held)] == tags_[std::size_t(row)] && sameKey(held, row)) {
      removeLast();
      indexed_ = row;
      return held;
    }
  }
  slots_[at] = row;
  indexed_ = row + 1;
  return row;
}

QString KeyList::Text(int row) const {
  return withText(row, [](auto text) { return toQString(text); });
}

int KeyList::FirstExact(QStringView text) const { return exact(text, false); }

int KeyList::LastExact(QStringView text) const { return exact(text, true); }

int KeyList::exact(QStringView text, bool last) const {
  const auto tag = quint8(hashOf(text));
  const auto rowWhere = [this, tag, last](auto matches) {
    // The tags are scanned as bytes (memchr, memrchr); only the rows whose tag agrees are compared.
    const quint8* tags = tags_.data();
    const quint8* end = tags + tags_.size();
    if (last) {
      for (std::size_t before = tags_.size(); before > 0;) {
        const auto* at = static_cast<const quint8*>(memrchr(tags, tag, before));
        if (!at) break;
        const int row = int(at - tags);
        if (withKey(row, matches)) return row;
        before = std::size_t(row);
      }
      return -1;
    }
    for (const quint8* at = tags; at < end; ++at) {
      at = static_cast<const quint8*>(std::memchr(at, tag, std::size_t(end - at)));
      if (!at) break;
      const int row = int(at - tags);
      if (withKey(row, matches)) return row;
    }
    return -1;
  };
  if (wideTexts_) return rowWhere([&](auto key) { return sameUnits(key, text); });
  // Only ASCII texts are kept in bytes: a text with any other character is on no row.
  if (!isAscii(text)) return -1;
  QVarLengthArray<char, 64> bytes(text.size());
  std::transform(text.begin(), text.end(), bytes.begin(), [](QChar c) { return char(c.unicode()); });
  const QLatin1String wanted(bytes.constData(), bytes.size());
  return rowWhere([&](auto key) { return sameUnits(key, wanted); });
}

int KeyList::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : Count(); }

QVariant KeyList::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= Count() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
  return Text(index.row());
}

QModelIndexList KeyList::match(const QModelIndex& start, int role, const QVariant& value, int hits,
                               Qt::MatchFlags flags) const {
  const bool ownIndex = (role == Qt::DisplayRole || role == Qt::EditRole) && start.model() == this &&
                        start.column() == 0 && !start.parent().isValid();
  const Qt::MatchFlags type = flags & Qt::MatchTypeMask;
  if (!ownIndex || (type != Qt::MatchStartsWith && type != Qt::MatchFixedString))
    return QAbstractListModel::match(start, role, value, hits, flags);
  const Qt::CaseSensitivity cs = flags & Qt::MatchCaseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
  const bool exactText = type == Qt::MatchFixedString;
  // A combo box's findText(text, MatchFixedString | MatchCaseSensitive): the first row holding
  // exactly that text, found through the hashes. FirstExact compares untrimmed texts only in a
  // list that is not trimmed.
  if (exactText && !trimmed_ && hits == 1 && start.row() == 0 && cs == Qt::CaseSensitive) {
    const int row = FirstExact(value.toString());
    return row < 0 ? QModelIndexList() : QModelIndexList{index(row, 0)};
  }
  const QString wanted = value.toString();
  const bool asciiWanted = isAscii(wanted);
  const auto matches = [&](auto text) {
    return exactText ? sameText(text, wanted, cs, asciiWanted) : startsWith(text, wanted, cs, asciiWanted);
  };
  const bool wrap = flags & Qt::MatchWrap;
  QModelIndexList result;
  const int from = start.row();
  const int to = Count();
  for (int pass = 0; pass < (wrap ? 2 : 1); ++pass) {
    const int b = pass == 0 ? from : 0;
    const int e = pass == 0 ? to : from;
    for (int row = b; row < e && (hits == -1 || result.size() < hits); ++row)
      if (withText(row, matches)) result.append(index(row, 0));
  }
  return result;
}

KeyList* ShowKeyList(QComboBox* combo, std::unique_ptr<KeyList> list) {
  KeyList* shown = list.release();
  shown->setParent(combo);
  const QSignalBlocker blocker(combo);
  combo->setModel(shown);  // deletes the list it showed before, which it owned
  // One line of text each: the list need not measure every row to lay itself out.
  if (auto* view = qobject_cast<QListView*>(combo->view())) view->setUniformItemSizes(true);
  combo->setCurrentIndex(-1);
  combo->setEditText(QString());
  return shown;
}

qsizetype RowsAtMost(const std::shared_ptr<Connection>& con, const TableRead& read) {
  const Value top = LargestRowIdOf(con, read);
  return top.kind() == Value::Kind::Integer ? qsizetype(std::clamp<qint64>(top.intValue(), 0, kMostReservedRows)) : 0;
}

std::unique_ptr<KeyList> ReadKeyList(const std::shared_ptr<Connection>& con, const TableRead& read, int ordinal,
                                     bool trimmedLookups) {
  auto list = std::make_unique<KeyList>(trimmedLookups);
  try {
    list->Reserve(RowsAtMost(con, read));
  } catch (const DbError&) {
    // The room made is only a guess. A table that cannot be read is reported by the read itself,
    // in the words opening the recordset would have used.
  }
  ReadColumnText(con, read, ordinal,
                 [&list](const char* text, int size, qint64 rowid) { list->AppendUtf8(text, size, rowid); });
  return list;
}

std::unique_ptr<KeyList> ReadKeyListInTableOrder(const std::shared_ptr<Connection>& con, const TableRead& read,
                                                 int ordinal, bool trimmedLookups) {
  auto list = std::make_unique<KeyList>(trimmedLookups);
  try {
    list->Reserve(RowsAtMost(con, read));
  } catch (const DbError&) {
  }
  bool inTableOrder = true;
  ReadColumnText(con, read, ordinal, [&](const char* text, int size, qint64 rowid) {
    if (!inTableOrder) return;
    if (list->Count() > 0 && rowid < list->RowId(list->Count() - 1)) {
      inTableOrder = false;
      return;
    }
    list->AppendUtf8(text, size, rowid);
  });
  if (inTableOrder) return list;
  list.reset();  // its room is given back before the second read takes its own
  TableRead byRowid = read;
  byRowid.orderBy.clear();
  byRowid.thenBy.clear();
  return ReadKeyList(con, byRowid, ordinal, trimmedLookups);
}
