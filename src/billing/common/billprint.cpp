#include "billing/common/billprint.h"

#include <QLabel>
#include <QPointer>

#include "billing/common/billchrome.h"
#include "globals.h"
#include "platform/log.h"
#include "platform/msgbox.h"
#include "platform/printer.h"

namespace {

// One attempt at the print under a number held for it, and what the clerk is told of it: the
// attempt gives the number back as it returns, and only then is anything said.
struct Attempt {
  enum class Result { NumberChanged, No, NotStored, Stored };
  Result result;
  std::function<void()> say;
};

Attempt no(std::function<void()> say) { return {Attempt::Result::No, std::move(say)}; }

std::function<void()> databaseWords(const DbError& e) {
  return [text = e.Description()] { MsgBox(text, vbCritical); };
}

// The refusal the form asks for, if any, with the database as it is now.
std::optional<Attempt> refused(const NewBillPrint& bill) {
  if (!bill.refusal) return std::nullopt;
  std::optional<QString> message;
  try {
    message = bill.refusal();
  } catch (const DbError& e) {
    return no(databaseWords(e));
  }
  if (!message) return std::nullopt;
  return no([text = *message] { MsgBox(text, vbCritical, QStringLiteral("Warning")); });
}

Attempt attempt(const NewBillPrint& bill, QLabel& number) {
  // A bill that may not be printed as it was added is refused before the number is held.
  if (std::optional<Attempt> refusal = refused(bill)) return *refusal;

  std::optional<HeldBillNumber> held;
  try {
    held.emplace(gCon, bill.kind);
  } catch (const BillNumbersUsedUp& e) {
    number.clear();
    return no([last = e.Last()] {
      MsgBox(QStringLiteral("This bill cannot be printed: no bill number is left after ") + QString::number(last) +
                 QStringLiteral("."),
             vbCritical, QStringLiteral("Print Info"));
    });
  } catch (const DbError& e) {
    return no(databaseWords(e));
  }
  const QString next = held->Text();
  const bool changed = !number.text().isEmpty() && next != number.text();
  number.setText(next);
  if (changed) {
    return {Attempt::Result::NumberChanged, [next] {
              MsgBox(QStringLiteral("This bill gets the number ") + next +
                         QStringLiteral(": the number shown was already used."),
                     vbInformation, QStringLiteral("Print Info"));
            }};
  }
  // Once more under the hold: nobody can change it between this look and the save.
  if (std::optional<Attempt> refusal = refused(bill)) return *refusal;

  try {
    bill.printSheet();
  } catch (const PrinterError& e) {
    return no([words = bill.printerWords ? e.Description() : QString()] { ShowPrinterNotReady(words); });
  } catch (const std::exception&) {
    // Not the printer's own error, so nothing wrote it to the log yet.
    LogSwallowed(lcForms, "the print of a bill's sheet", std::current_exception());
    return no([] { ShowPrinterNotReady(); });
  }

  // The paper is out: a failure from here on is the database's, and the bill stays unsaved for
  // the next print to store (a failed save stores nothing).
  const auto notStored = [](const QString& description, bool numberTaken) {
    return Attempt{Attempt::Result::NotStored, [description, numberTaken] {
                     MsgBox(QStringLiteral("The bill was printed but not saved: ") + description +
                                (numberTaken
                                     ? QStringLiteral("\r\nPrint it again to save it under the next number.")
                                     : QStringLiteral("\r\nPrint it again to save it under the same number.")),
                            vbCritical, QStringLiteral("Print Info"));
                   }};
  };
  try {
    const BillToStore stored = bill.toStore();
    SaveBill(*held, stored.rows, stored.advance);
  } catch (const BillNumberTaken& e) {
    return notStored(e.Description(), true);
  } catch (const DbError& e) {
    return notStored(e.Description(), false);
  } catch (const std::exception& e) {
    LogSwallowed(lcForms, "the save of a printed bill", std::current_exception());
    return notStored(QString::fromLocal8Bit(e.what()), false);
  }
  return {Attempt::Result::Stored, [] {
            MsgBox(QStringLiteral("Bill Printed and Saved Successfully"), vbInformation, QStringLiteral("Print Info"));
          }};
}

}  // namespace

NewBillPrinted PrintAndStoreNewBill(const NewBillPrint& bill) {
  // Each box runs the program's events until it is answered: should they close the form, the
  // print ends with its box.
  const QPointer<QLabel> number(bill.number);
  for (;;) {
    if (!number) return NewBillPrinted::No;
    const Attempt done = attempt(bill, *number);
    done.say();
    switch (done.result) {
      case Attempt::Result::NumberChanged: continue;  // held again, under the number now shown
      case Attempt::Result::No: return NewBillPrinted::No;
      case Attempt::Result::NotStored: return NewBillPrinted::NotStored;
      case Attempt::Result::Stored: return NewBillPrinted::Stored;
    }
  }
}
