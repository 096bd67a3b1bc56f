#include "scale_db.h"

#include <sqlite3.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "data/schema.h"
#include "data/vbdes.h"
#include "platform/ado.h"

namespace {

[[noreturn]] void fail(sqlite3* db, const std::string& what) {
  throw DbError(adErrProvider, QString::fromStdString(what) + QStringLiteral(": ") +
                                   QString::fromUtf8(db ? sqlite3_errmsg(db) : "no database"));
}

// One prepared INSERT of a table's every column; cells are bound in column order as text, integer
// or NULL, then the row is written.
class Inserter {
public:
  Inserter(sqlite3* db, const char* table, int columns) : db_(db) {
    std::string sql = std::string("INSERT INTO \"") + table + "\" VALUES (";
    for (int i = 0; i < columns; ++i) sql += i ? ",?" : "?";
    sql += ")";
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st_, nullptr) != SQLITE_OK) fail(db, sql);
  }
  ~Inserter() { sqlite3_finalize(st_); }
  Inserter(const Inserter&) = delete;
  Inserter& operator=(const Inserter&) = delete;

  Inserter& text(const std::string& v) {
    sqlite3_bind_text(st_, ++at_, v.data(), int(v.size()), SQLITE_TRANSIENT);
    return *this;
  }
  Inserter& integer(std::int64_t v) {
    sqlite3_bind_int64(st_, ++at_, v);
    return *this;
  }
  Inserter& null() {
    sqlite3_bind_null(st_, ++at_);
    return *this;
  }
  void row() {
    if (sqlite3_step(st_) != SQLITE_DONE) fail(db_, "insert");
    sqlite3_reset(st_);
    sqlite3_clear_bindings(st_);
    at_ = 0;
  }

private:
  sqlite3* db_;
  sqlite3_stmt* st_ = nullptr;
  int at_ = 0;
};

// Our own draws from the engine, so the file is the same on every standard library.
class Draw {
public:
  explicit Draw(std::uint64_t seed) : rng_(seed) {}
  long below(long n) { return long(rng_() % std::uint64_t(std::max(1L, n))); }
  bool percent(int p) { return below(100) < p; }

  std::string name() {
    static const char* const kParts[] = {"an", "ba", "ce", "da", "el", "fa", "gi", "ha", "in", "ja", "ka", "la",
                                         "ma", "na", "ni", "om", "pa", "ra", "ri", "sa", "sh", "ta", "th", "u",
                                         "va", "vi", "ya", "za", "mo", "ru", "le", "ko"};
    constexpr long n = long(sizeof kParts / sizeof kParts[0]);
    std::string s;
    const long parts = 2 + below(2);
    for (long i = 0; i < parts; ++i) s += kParts[below(n)];
    s[0] = char(s[0] - 'a' + 'A');
    return s;
  }
  std::string digits(int count) {
    std::string s;
    for (int i = 0; i < count; ++i) s += char('0' + below(10));
    return s;
  }

private:
  std::mt19937_64 rng_;
};

std::string iso(const QDate& d) { return d.toString(Qt::ISODate).toStdString(); }
std::string num(long v) { return std::to_string(v); }

// The day of the i-th of n rows spread evenly over the ten years, oldest first; the last row
// falls on the last day.
QDate dayOf(long i, long n, const QDate& first, long days) {
  n = std::max(1L, n);
  return first.addDays(days - 1 - long((double(n - 1 - i) * double(days)) / double(n)));
}

void exec(sqlite3* db, const char* sql) {
  if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK) fail(db, sql);
}

void setCounter(sqlite3* db, const char* table, long last) {
  const std::string sql = std::string("UPDATE \"") + table + "\" SET BillNo = " + num(last);
  exec(db, sql.c_str());
}

void patients(sqlite3* db, Draw& draw, const char* table, const char* prefix, long count, bool inPatient,
              const QDate& lastDay) {
  Inserter ins(db, table, inPatient ? 19 : 11);
  static const char* const kPlaces[] = {"Kottayam", "Pala", "Vaikom", "Ettumanoor", "Changanacherry", "Kumily"};
  for (long i = 1; i <= count; ++i) {
    const long age = 1 + draw.below(90);
    ins.text(prefix + num(i)).text(draw.name()).text(draw.name()).text(draw.percent(50) ? "Male" : "Female");
    ins.text("9" + draw.digits(9)).text(draw.percent(40) ? "0481" + draw.digits(6) : "");
    ins.text(iso(lastDay.addYears(-int(age)).addDays(-draw.below(365)))).text(num(age)).text("");
    ins.text(num(1 + draw.below(400)) + " " + draw.name() + " Road").text(kPlaces[draw.below(6)]);
    if (inPatient) {
      const bool discharged = draw.percent(90);
      ins.text("Patient").text("").text("Rest and review").text("Fever").text("Stable");
      if (discharged)
        ins.text(iso(lastDay.addDays(-draw.below(3650)))).text("Yes");
      else
        ins.null().text("No");
      ins.integer(draw.below(20) * 500);
    }
    ins.row();
  }
}

// Rows of a test bill table: one per line, the bill's values repeated on each.
void testBills(sqlite3* db, Draw& draw, const char* table, long bills, int maxLines,
               const std::vector<std::pair<std::string, long>>& tests, long outPatients, const QDate& first,
               long days) {
  Inserter ins(db, table, 10);
  for (long b = 1; b <= bills; ++b) {
    const int lines = 1 + int(draw.below(maxLines));
    std::vector<const std::pair<std::string, long>*> chosen;
    long gross = 0;
    for (int l = 0; l < lines; ++l) {
      chosen.push_back(&tests[std::size_t(draw.below(long(tests.size())))]);
      gross += chosen.back()->second;
    }
    const bool discount = draw.percent(10);
    const std::string net = discount ? num(gross - gross / 10) : num(gross);
    const long patient = 1 + draw.below(outPatients);
    const std::string date = iso(dayOf(b - 1, bills, first, days));
    const char* status = draw.percent(3) ? "Deleted" : "Available";
    for (const auto* t : chosen) {
      ins.integer(b).text(date).text(t->first).text(num(t->second)).text(discount ? "10" : "").text(num(gross));
      ins.text(net).text("Patient " + num(patient)).text("OP" + num(patient)).text(status).row();
    }
  }
}

}  // namespace

ScaleCounts ScaledCounts(double factor) {
  const ScaleCounts full;
  auto scale = [factor](long n, long least) { return std::max(least, long(std::llround(double(n) * factor))); };
  ScaleCounts c;
  c.outPatients = scale(full.outPatients, 3);
  c.inPatients = scale(full.inPatients, 3);
  c.outBills = scale(full.outBills, 20);
  c.inBills = scale(full.inBills, 5);
  c.labBills = scale(full.labBills, 5);
  c.xrayBills = scale(full.xrayBills, 5);
  c.doctors = scale(full.doctors, 3);
  c.labTests = scale(full.labTests, 3);
  c.xrayTests = scale(full.xrayTests, 3);
  c.consultantFees = scale(full.consultantFees, 5);
  return c;
}

QDate ScaleLastDay() { return QDate(2026, 12, 10); }

void WriteScaleDatabase(const QString& path, const ScaleCounts& c, std::uint64_t seed) {
  CreateDatabase(path);
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
    sqlite3_close(db);
    throw DbError(adErrProvider, QStringLiteral("Cannot open ") + path);
  }
  try {
    // The file is made in one go and thrown away if anything fails, so nothing needs the disk
    // to be in step before the end.
    exec(db, "PRAGMA synchronous=OFF; BEGIN;");
    Draw draw(seed);
    const QDate last = ScaleLastDay();
    const QDate first = last.addYears(-10).addDays(1);
    const long days = first.daysTo(last) + 1;

    {  // a few more logins, their passwords and types enciphered as the program stores them
      Inserter ins(db, "SettingsNewUser", 4);
      for (int u = 1; u <= 20; ++u) {
        const QString name = QStringLiteral("user%1").arg(u);
        ins.null().text(name.toStdString());
        ins.text(CipherText(name, true).toStdString());
        ins.text(CipherText(u % 5 ? QStringLiteral("User") : QStringLiteral("Admin"), true).toStdString()).row();
      }
    }
    std::vector<std::string> doctors;
    {
      Inserter ins(db, "SettingDrDetails", 17);
      for (long i = 1; i <= c.doctors; ++i) {
        doctors.push_back("Dr " + draw.name() + " " + num(i));
        ins.text(doctors.back()).text(draw.name()).text(draw.name()).text(draw.percent(50) ? "Male" : "Female");
        ins.text("9" + draw.digits(9)).text("").text(iso(last.addYears(-30 - int(draw.below(30))))).text("45");
        ins.text("").text("Hospital Road").text("").text(draw.percent(30) ? "Consultant" : "Resident");
        ins.text("MBBS").text("General Medicine").text("09:00").text("17:00").text("Mon Tue Wed Thu Fri").row();
      }
    }
    std::vector<std::pair<std::string, long>> labTests, xrayTests;
    {
      Inserter lab(db, "SettingsLab", 2);
      for (long i = 1; i <= c.labTests; ++i) {
        labTests.emplace_back("Lab test " + num(i), 50 + draw.below(40) * 25);
        lab.text(labTests.back().first).text(num(labTests.back().second)).row();
      }
      Inserter xray(db, "SettingsXRay", 3);
      for (long i = 1; i <= c.xrayTests; ++i) {
        const long adult = 200 + draw.below(30) * 50;
        xrayTests.emplace_back("X-Ray view " + num(i), adult);
        xray.text(xrayTests.back().first).text(num(adult)).text(num(adult / 2)).row();
      }
    }
    patients(db, draw, "SettingsOutPatient", "OP", c.outPatients, false, last);
    patients(db, draw, "SettingsInPatient", "IP", c.inPatients, true, last);

    {  // out-patient bills: numbered in date order, as the counter gives them
      Inserter ins(db, "OutPatientPrintDetails", 13);
      for (long b = 1; b <= c.outBills; ++b) {
        const long drFees = 100 + draw.below(5) * 50;
        const long dressing = draw.percent(20) ? 50 + draw.below(4) * 25 : 0;
        const long ecg = draw.percent(8) ? 200 : 0;
        const long scan = draw.percent(5) ? 400 + draw.below(3) * 100 : 0;
        const long patient = 1 + draw.below(c.outPatients);
        auto fee = [](long v) { return v ? std::to_string(v) : std::string(); };
        ins.integer(b).text(iso(dayOf(b - 1, c.outBills, first, days))).text(fee(drFees)).text(fee(dressing));
        ins.text("").text("").text(fee(ecg)).text(fee(scan)).text("");
        ins.text(num(drFees + dressing + ecg + scan)).text("Patient " + num(patient)).text("OP" + num(patient));
        ins.text(draw.percent(3) ? "Deleted" : "Available").row();
      }
      setCounter(db, "SettingsOutBillNo", c.outBills);
    }
    {
      Inserter ins(db, "InPatientPrintDetails", 17);
      for (long b = 1; b <= c.inBills; ++b) {
        const long bed = 500 * (1 + draw.below(10)), prof = 1000 + draw.below(10) * 100, nursing = 300 * (1 + draw.below(5));
        const long ot = draw.percent(20) ? 5000 : 0, anaesthetic = ot ? 2000 : 0, advance = draw.below(5) * 1000;
        const long total = bed + prof + nursing + ot + anaesthetic;
        const long patient = 1 + draw.below(c.inPatients);
        auto fee = [](long v) { return v ? std::to_string(v) : std::string(); };
        ins.integer(b).text(iso(dayOf(b - 1, c.inBills, first, days))).text(fee(bed)).text(fee(prof)).text(fee(nursing));
        ins.text(fee(ot)).text(fee(anaesthetic)).text("").text("").text("").text("").text("").text(num(total));
        ins.text("Patient " + num(patient)).text("IP" + num(patient)).text(draw.percent(3) ? "Deleted" : "Available");
        ins.text(num(advance)).row();
      }
      setCounter(db, "SettingsInBillNo", c.inBills);
    }
    testBills(db, draw, "LabPrintDetails", c.labBills, 5, labTests, c.outPatients, first, days);
    setCounter(db, "SettingsLabBillNo", c.labBills);
    testBills(db, draw, "XRayPrintDetails", c.xrayBills, 3, xrayTests, c.outPatients, first, days);
    setCounter(db, "SettingsXRayBillNo", c.xrayBills);
    {
      Inserter ins(db, "SettingsConsultant", 4);
      for (long i = 0; i < c.consultantFees; ++i) {
        ins.text(iso(dayOf(i, c.consultantFees, first, days))).text(doctors[std::size_t(draw.below(long(doctors.size())))]);
        ins.text(num(200 + draw.below(6) * 50)).text("OP" + num(1 + draw.below(c.outPatients))).row();
      }
    }
    exec(db, "COMMIT;");
    if (sqlite3_close(db) != SQLITE_OK) throw DbError(adErrProvider, QStringLiteral("Cannot close ") + path);
  } catch (...) {
    sqlite3_close(db);
    std::remove(path.toUtf8().constData());
    throw;
  }
}
