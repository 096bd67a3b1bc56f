#pragma once
// Bill numbers, for the four kinds of bill. A number is one more than the larger of the kind's
// counter row and the highest number stored for it: a counter that is missing, NULL, text or
// behind the stored bills (a file restored from an older back-up, edited by hand) then never hands
// out a used number again, and the counter is only ever written upwards.
#include <QString>
#include <chrono>
#include <memory>

#include "platform/ado.h"

// A save refused because its number was given to another bill since it was read: printing again
// takes the next number, not the same one.
class BillNumberTaken : public DbError {
public:
  explicit BillNumberTaken(const QString& billNo);
};

// The numbers of a kind are used up: the last one given is the largest the database can hold, so
// no next one can be made. Nothing may be printed then.
class BillNumbersUsedUp : public DbError {
public:
  explicit BillNumbersUsedUp(qint64 last);
  qint64 Last() const { return last_; }

private:
  qint64 last_;
};

enum class BillKind { OutPatient, InPatient, Laboratory, XRay };

struct BillTables {
  const char* bills;    // the bill table (a laboratory or x-ray bill is one row per test)
  const char* counter;  // the one-row counter of the last number issued
};
const BillTables& TablesOf(BillKind kind);

// The number the next bill of the kind gets, as the database holds it now. Raises DbError when
// the tables cannot be read, BillNumbersUsedUp when there is no next number.
qint64 NextBillNumber(const std::shared_ptr<Connection>& con, BillKind kind);
// The same as text, "" when the numbers are used up (the form shows none, and Print refuses).
QString NextBillNumberText(const std::shared_ptr<Connection>& con, BillKind kind);

// How long the save of a printed bill waits, with the wait cursor, for others to finish reading
// the file before it gives up and the clerk is told the bill is not saved.
inline constexpr std::chrono::seconds kPrintedBillReadersWait{60};

// The next number of a kind, held for one bill from before its sheet goes to the printer until it
// is stored: the connection's write transaction, opened here, keeps every other writer of the
// file waiting (up to the busy timeout) so that nobody can store a bill under the number the
// paper carries. Given back, stored nothing, when it goes without Commit (a failed print). Never
// to be kept while a message box waits for the clerk.
class HeldBillNumber {
public:
  // Raises DbError when the write lock cannot be had or the number read, BillNumbersUsedUp when
  // there is none; nothing is held then.
  HeldBillNumber(const std::shared_ptr<Connection>& con, BillKind kind);
  HeldBillNumber(HeldBillNumber&&) noexcept;
  HeldBillNumber& operator=(HeldBillNumber&&) noexcept;
  ~HeldBillNumber();

  BillKind Kind() const { return kind_; }
  qint64 Number() const { return number_; }
  QString Text() const { return QString::number(number_); }
  const std::shared_ptr<Connection>& ActiveConnection() const { return con_; }
  // Commits what was written under the hold (the bill and its counter, by SaveBill). The sheet is
  // out by then, so the commit waits up to kPrintedBillReadersWait for the programs reading the
  // file (a back-up script, a report tool, the sqlite3 shell) rather than give the number up.
  void Commit();

private:
  std::shared_ptr<Connection> con_;
  BillKind kind_;
  qint64 number_ = 0;
  std::unique_ptr<Transaction> transaction_;
};
