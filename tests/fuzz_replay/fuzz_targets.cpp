#include "fuzz_replay/fuzz_targets.h"

#include <QByteArray>
#include <QDir>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <limits>
#include <memory>
#include <string>
#include <utility>
#include <vector>
#include <sqlite3.h>

#include "data/schema.h"
#include "data/vbdes.h"
#include "framework/keyfilters.h"
#include "platform/ado.h"
#include "platform/des.h"
#include "platform/vbruntime.h"

namespace {

[[noreturn]] void broken(const char* rule, const QString& detail = QString()) {
  std::fprintf(stderr, "fuzz rule broken: %s %s\n", rule, detail.toUtf8().constData());
  std::fflush(stderr);
  std::abort();
}
#define FUZZ_CHECK(cond, detail) \
  do {                           \
    if (!(cond)) broken(#cond, detail); \
  } while (0)

// Reads the input a byte at a time; past the end every read is 0.
struct Bytes {
  const std::uint8_t* p;
  std::size_t n;
  std::size_t at = 0;
  bool more() const { return at < n; }
  std::uint8_t byte() { return at < n ? p[at++] : 0; }
  // A character: plain ASCII for most bytes, otherwise one of the texts that break naive code
  // (Devanagari, Arabic, a letter whose case changes its length, the halves of an emoji, NUL).
  QChar ch() {
    const std::uint8_t b = byte();
    if (b < 0x80) return QChar(char16_t(b));
    static const char16_t odd[] = {0x0928, 0x092E, 0x0938, 0x094D, 0x0645, 0x0631, 0x062D, 0x00DF, 0x0130, 0x0131,
                                   0xD83D, 0xDE00, 0x0000, 0x00A0, 0x200B, 0xFFFD, 0x00E9, 0x0045, 0x017F, 0x212A};
    return QChar(odd[b % (sizeof odd / sizeof odd[0])]);
  }
  QString text(std::size_t maxLength) {
    const std::size_t length = byte() % (maxLength + 1);
    QString s;
    for (std::size_t i = 0; i < length && more(); ++i) s += ch();
    return s;
  }
  QByteArray rest() {
    const QByteArray r(reinterpret_cast<const char*>(p + at), qsizetype(n - at));
    at = n;
    return r;
  }
};

void checkState(const TextBoxState& s, const char* after) {
  const QString where = QString::fromLatin1(after) + QStringLiteral(" text=\"%1\" sel=%2+%3")
                                                          .arg(s.text)
                                                          .arg(s.selStart)
                                                          .arg(s.selLength);
  FUZZ_CHECK(s.selStart >= 0 && s.selStart <= s.text.size(), where);
  FUZZ_CHECK(s.selLength >= 0 && s.selStart + s.selLength <= s.text.size(), where);
  FUZZ_CHECK(s.listIndex >= -1 && s.listIndex < s.items.size(), where);
  if (s.listIndex >= 0) FUZZ_CHECK(s.text == s.items[s.listIndex], where);
}

// What a box does with a key its handler let through: the character replaces the selection,
// backspace removes it or the character before the caret.
void typeInto(TextBoxState& s, int key) {
  if (key == 0 || key == 13) return;
  if (key == 8) {
    if (s.selLength > 0) {
      s.text.remove(s.selStart, s.selLength);
    } else if (s.selStart > 0) {
      s.text.remove(s.selStart - 1, 1);
      --s.selStart;
    }
  } else if (key >= 32) {
    s.text.remove(s.selStart, s.selLength);
    s.text.insert(s.selStart, QChar(char16_t(key)));
    ++s.selStart;
  } else {
    return;
  }
  s.selLength = 0;
  s.listIndex = -1;
}

}  // namespace

int FuzzKeyFilters(const std::uint8_t* data, std::size_t size) {
  Bytes in{data, size};
  const std::uint8_t flags = in.byte();
  const bool freeText = flags & 1;
  const bool decimal = flags & 2;
  TextBoxState s;
  s.popupOpen = flags & 4;
  const int items = in.byte() % 8;
  for (int i = 0; i < items; ++i) s.items << in.text(12);
  s.text = in.text(16);
  s.selStart = int(in.byte() % (s.text.size() + 1));
  s.selLength = int(in.byte() % (s.text.size() - s.selStart + 1));
  checkState(s, "start");

  for (int steps = 0; in.more() && steps < 64; ++steps) {
    const std::uint8_t op = in.byte();
    // Mostly the keys a person types; now and then any UTF-16 code a key event can carry.
    int key = in.byte();
    if (op & 0x80) key = key << 8 | in.byte();
    const QString before = s.text;
    switch (op % 3) {
      case 0: {
        const int result = AutoCompleteKeyPress(s, key, freeText);
        checkState(s, "completion");
        FUZZ_CHECK(result == 0 || result == 13 || result == key, QString::number(result));
        if (key >= 32 && !freeText)
          FUZZ_CHECK(s.text.isEmpty() || s.items.contains(s.text), s.text);
        if (key == 13) FUZZ_CHECK(result == 13 && s.text == before, s.text);
        typeInto(s, result);
        break;
      }
      case 1: {
        int k = key;
        const int result = NameOnlyKeyPress(s, k);
        checkState(s, "name");
        FUZZ_CHECK(result == k && s.text == before, QString::number(result));
        const bool letter = (key >= 'A' && key <= 'Z') || (key >= 'a' && key <= 'z');
        FUZZ_CHECK(k == ((letter || key == 8) ? key : 0), QString::number(k));
        typeInto(s, k);
        break;
      }
      case 2: {
        int k = key;
        const bool hadPoint = s.text.contains(QLatin1Char('.'));
        const int result = NumberOnlyKeyPress(s, k, decimal);
        checkState(s, "number");
        FUZZ_CHECK(result == k && s.text == before, QString::number(result));
        const bool kept = (key >= '0' && key <= '9') || key == 8 || (key == '.' && decimal && !hadPoint);
        FUZZ_CHECK(k == (kept ? key : 0), QString::number(k));
        typeInto(s, k);
        break;
      }
    }
    checkState(s, "typed");
  }
  return 0;
}

int FuzzCipher(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  const QString text = QString::fromUtf8(bytes);

  // Any text deciphers to a text a one-line field holds: no NUL, no blank at either end.
  const QString plain = DecryptText(text);
  FUZZ_CHECK(!plain.contains(QChar(u'\0')) && plain == Trim(plain), plain);
  const QByteArray raw = Des(QByteArray(kCipherKey), bytes, 0, 0);
  FUZZ_CHECK(raw.isEmpty() || bytes.size() % 16 == 0, QString::number(bytes.size()));

  // Enciphering gives printable upper-case hex in whole blocks, and deciphering gives back the
  // text as the field would have held it.
  const QString cipher = EncryptText(text);
  static const QRegularExpression hex(QStringLiteral("^([0-9A-F]{16})+$"));
  FUZZ_CHECK(hex.match(cipher).hasMatch(), cipher);
  QString expected = Trim(text);
  const qsizetype nul = expected.indexOf(QChar(u'\0'));
  if (nul >= 0) expected.truncate(nul);
  FUZZ_CHECK(DecryptText(cipher) == expected, cipher);
  return 0;
}

namespace {

// "0.00" of a text's leading number, worked out on its digits: the third decimal alone decides
// the rounding, half away from zero.
QString referenceFormat2(const QString& text) {
  qsizetype i = 0;
  while (i < text.size() && text[i] == u' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
  QString whole, fraction;
  while (i < text.size() && text[i] >= u'0' && text[i] <= u'9') whole += text[i++];
  if (i < text.size() && text[i] == u'.') {
    ++i;
    while (i < text.size() && text[i] >= u'0' && text[i] <= u'9') fraction += text[i++];
  }
  fraction = (fraction + QStringLiteral("000")).left(3);
  QString digits = (whole.isEmpty() ? QStringLiteral("0") : whole) + fraction.left(2);
  if (fraction[2] >= u'5') {
    int k = int(digits.size()) - 1;
    for (; k >= 0 && digits[k] == u'9'; --k) digits[k] = u'0';
    if (k < 0)
      digits.prepend(u'1');
    else
      digits[k] = QChar(char16_t(digits[k].unicode() + 1));
  }
  while (digits.size() > 3 && digits[0] == u'0') digits.remove(0, 1);
  const QString out = digits.left(digits.size() - 2) + u'.' + digits.right(2);
  return (negative && out != QStringLiteral("0.00") ? QStringLiteral("-") : QString()) + out;
}

}  // namespace

int FuzzNumbers(const std::uint8_t* data, std::size_t size) {
  Bytes in{data, size};
  QString text;
  while (in.more() && text.size() < 400) text += in.ch();

  const double v = Val(text);
  FUZZ_CHECK(!std::isnan(v), text);
  const Money m = Money::Parse(text);
  const QString two = m.Format2();
  static const QRegularExpression shape(QStringLiteral("^-?(0|[1-9][0-9]*)\\.[0-9]{2}$"));
  FUZZ_CHECK(shape.match(two).hasMatch(), two);
  FUZZ_CHECK(Money::Parse(two).Format2() == two, two);
  FUZZ_CHECK(m.Round2() == Money::Parse(two), two);
  // Inside the bound where money saturates (10^14), the rounding is the decimal one.
  const Money bound = Money::FromInt(100000000000000);
  if (-bound < m && m < bound) {
    FUZZ_CHECK(two == referenceFormat2(text), text + QStringLiteral(" -> ") + two);
  } else {
    FUZZ_CHECK(m == bound || m == -bound, text);  // saturated, never wrapped round
  }

  // Val and Money read the same number, but for the decimals past the fourth that money cuts.
  if (std::abs(v) < 1e14) {
    const double viaMoney = m.ToDouble();
    FUZZ_CHECK(std::abs(viaMoney - v) <= 1e-4 + std::abs(v) * 1e-15, text);
  }
  // A number's short text reads back as the number (fifteen significant digits).
  if (std::isfinite(v) && std::abs(v) < 1e300) {
    const double back = Val(NumberText(v));
    FUZZ_CHECK(std::abs(back - v) <= std::abs(v) * 1e-14, NumberText(v));
  }
  return 0;
}

namespace {

struct FuzzDatabase {
  QTemporaryDir dir;
  std::shared_ptr<Connection> con = std::make_shared<Connection>();
  FuzzDatabase() {
    const QString path = QDir(dir.path()).filePath(QStringLiteral("fuzz.mdb"));
    CreateDatabase(path);
    con->Open(path);
    sqlite3_exec(con->handle(), "INSERT INTO SettingsLab VALUES ('Blood Sugar', '120'), ('Urine', '80')",
                 nullptr, nullptr, nullptr);
    // Bound what one text may ask of the database, so that a runaway query ends the case
    // instead of the fuzzer.
    sqlite3_limit(con->handle(), SQLITE_LIMIT_LENGTH, 1 << 20);
    sqlite3_progress_handler(
        con->handle(), 1000, [](void* steps) { return ++*static_cast<int*>(steps) > 2000 ? 1 : 0; },
        &steps);
  }
  QString schema() const {
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(con->handle(), "SELECT group_concat(sql, ';') FROM sqlite_master", -1, &st, nullptr);
    QString out;
    if (sqlite3_step(st) == SQLITE_ROW) out = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
    sqlite3_finalize(st);
    return out;
  }
  int steps = 0;
};

FuzzDatabase& fuzzDatabase() {
  static FuzzDatabase db;
  return db;
}

}  // namespace

int FuzzRecordset(const std::uint8_t* data, std::size_t size) {
  FuzzDatabase& db = fuzzDatabase();
  db.steps = 0;
  Bytes in{data, size};
  const std::uint8_t mode = in.byte();
  const QString text = QString::fromUtf8(in.rest());
  const std::shared_ptr<Connection>& con = db.con;
  static const QString schemaBefore = db.schema();
  const long long changesBefore = sqlite3_total_changes64(con->handle());

  if (mode % 2 == 0) {
    // Any text opened as a recordset opens or raises the layer's error; it never writes. A free
    // text is only ever read: opened writable it is refused before it is run. The same text as
    // the condition of a read of one table, sorted by one column or two, reads or raises as well.
    const int lock = (mode & 2) ? adLockOptimistic : adLockReadOnly;
    Recordset rs;
    try {
      if (mode & 4) {
        const TableRead read{.table = QStringLiteral("SettingsLab"),
                             .condition = text,
                             .orderBy = QStringLiteral("Description"),
                             .thenBy = (mode & 8) ? QStringLiteral("Amount") : QString()};
        rs.Open(read, con, adOpenStatic, adLockReadOnly);
      } else {
        rs.Open(text, con, adOpenStatic, lock);
        FUZZ_CHECK(lock == adLockReadOnly, text);
      }
      for (int row = 0; row < 50 && !rs.Eof(); ++row) {
        for (int f = 0; f < rs.FieldCount(); ++f) (void)rs.Fields(f).toText();
        rs.MoveNext();
      }
      rs.Close();
    } catch (const DbError& e) {
      FUZZ_CHECK(rs.State() == adStateClosed || e.Number() != adErrProvider, e.Description());
      FUZZ_CHECK((mode & 4) || lock == adLockReadOnly || e.Number() == adErrInvalidArgument, e.Description());
    }
    FUZZ_CHECK(!con->InTransaction(), text);
  } else {
    // Any text is stored exactly and read back exactly; a rolled-back add leaves nothing.
    Recordset rs;
    rs.Open(TableRead{.table = QStringLiteral("SettingsLab")}, con, adOpenKeyset, adLockOptimistic);
    const long count = rs.RecordCount();
    if (mode & 2) {
      con->BeginTrans();
      rs.AddNew();
      rs.SetField(0, Value(text));
      rs.Update();
      con->RollbackTrans();
      FUZZ_CHECK(rs.RecordCount() == count, text);
      rs.Requery();
      FUZZ_CHECK(rs.RecordCount() == count, text);
    } else {
      rs.AddNew();
      rs.SetField(0, Value(text));
      rs.Update();
      Recordset check;
      check.Open(TableRead{.table = QStringLiteral("SettingsLab")}, con, adOpenKeyset, adLockOptimistic);
      FUZZ_CHECK(check.RecordCount() == count + 1, text);
      check.MoveLast();
      FUZZ_CHECK(check.Fields(0) == Value(text), check.Fields(0).toText());
      check.Delete();
      check.Requery();
      FUZZ_CHECK(check.RecordCount() == count, text);
    }
    return 0;
  }
  FUZZ_CHECK(sqlite3_total_changes64(con->handle()) == changesBefore, text);
  FUZZ_CHECK(db.schema() == schemaBefore, text);
  return 0;
}
