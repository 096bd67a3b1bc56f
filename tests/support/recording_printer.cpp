#include "support/recording_printer.h"

QStringList RecordingPrinter::Texts() const {
  QStringList out;
  for (const auto& item : items_) out << item.text;
  return out;
}

const PrintedItem* RecordingPrinter::Find(const QString& text) const {
  for (const auto& item : items_)
    if (item.text == text) return &item;
  return nullptr;
}

std::vector<std::vector<PrintedItem>> RecordingPrinter::Sheets() const {
  std::vector<std::vector<PrintedItem>> out;
  for (const auto& job : jobs_)
    if (job.state == JobState::Ended) out.push_back(job.items);
  return out;
}

void RecordingPrinter::FailAt(int n, const QString& description) {
  failAt_ = int(log_.size()) + n;
  failOnwards_ = false;
  failure_ = description;
}

void RecordingPrinter::FailFrom(int n, const QString& description) {
  FailAt(n, description);
  failOnwards_ = true;
}

void RecordingPrinter::announce(Operation op, const QString& value) {
  static const char* const names[] = {"FontName", "FontSize", "FontBold", "CurrentX", "CurrentY",
                                      "Setting1", "Setting2", "Print",    "EndDoc"};
  const QString name = QString::fromLatin1(names[int(op)]);
  log_ << (op == Operation::EndDoc ? name : name + QLatin1Char('=') + value);
  const int index = int(log_.size());
  if (failAt_ > 0 && (index == failAt_ || (failOnwards_ && index > failAt_)))
    throw PrinterError(vbErrPrinter, failure_);
  if (op == Operation::EndDoc) ++endDocs_;
}

void RecordingPrinter::startDocument() { jobs_.push_back(Job{}); }

void RecordingPrinter::draw(const PrintedText& item) {
  PrintedItem recorded;
  static_cast<PrintedText&>(recorded) = item;
  recorded.job = int(jobs_.size()) - 1;
  items_.push_back(recorded);
  jobs_.back().items.push_back(recorded);
}

void RecordingPrinter::endDocument() { jobs_.back().state = JobState::Ended; }

void RecordingPrinter::abandonDocument() noexcept {
  if (!jobs_.empty()) jobs_.back().state = JobState::Abandoned;
}
