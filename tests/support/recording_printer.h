#pragma once
// A printer for tests: keeps every text with its position and font, every EndDoc and every
// operation in order, and can be told to fail.
#include <QString>
#include <QStringList>
#include <vector>

#include "platform/printer.h"

struct PrintedItem : PrintedText {
  int job = 0;  // the document it belongs to, counted from 0 in the order they were started
};

class RecordingPrinter final : public PrinterObject {
public:
  enum class JobState { Open, Ended, Abandoned };
  struct Job {
    std::vector<PrintedItem> items;
    JobState state = JobState::Open;
  };

  // Every text printed, in order, in every document (also those thrown away after a failure).
  const std::vector<PrintedItem>& Items() const { return items_; }
  QStringList Texts() const;
  // The first item with exactly this text, or nullptr.
  const PrintedItem* Find(const QString& text) const;
  // Every document started, in order.
  const std::vector<Job>& Jobs() const { return jobs_; }
  // The items of the documents that EndDoc sent, one list per sheet.
  std::vector<std::vector<PrintedItem>> Sheets() const;
  // How often EndDoc went through (a refused EndDoc does not count).
  int EndDocCount() const { return endDocs_; }
  // Every operation as "Name=value" ("FontName=Arial", "CurrentX=3580", "Print=05/03/2024",
  // "EndDoc"), the refused ones included.
  const QStringList& Log() const { return log_; }
  int OperationCount() const { return int(log_.size()); }

  // The n-th operation from now (1 is the next one) raises PrinterError with this description;
  // FailFrom makes it and every later operation fail.
  void FailAt(int n, const QString& description = QStringLiteral("Printer error"));
  void FailFrom(int n, const QString& description = QStringLiteral("Printer error"));

protected:
  void announce(Operation op, const QString& value) override;
  void startDocument() override;
  void draw(const PrintedText& item) override;
  void endDocument() override;
  void abandonDocument() noexcept override;

private:
  std::vector<PrintedItem> items_;
  std::vector<Job> jobs_;
  QStringList log_;
  int endDocs_ = 0;
  int failAt_ = 0;  // as an index into log_ plus one; 0: never
  bool failOnwards_ = false;
  QString failure_;
};
