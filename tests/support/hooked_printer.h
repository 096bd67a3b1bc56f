#pragma once
// What the bill-number tests share: the printer that lets another program act while a sheet goes
// out, and the message a form gives when the number it showed was taken meanwhile.
#include <QString>
#include <QStringList>
#include <functional>
#include <utility>

#include "platform/printer.h"
#include "support/recording_printer.h"

inline QString UsedNumberMessage(const QString& number) {
  return "This bill gets the number " + number + ": the number shown was already used.";
}

// The bill number's place on every bill's sheet, in twips.
inline bool IsBillNumberPlace(double x, double y) { return x == 3580 && y == 700; }

// The bill number on the last sheet printed ("" with none).
inline QString PrintedBillNumber(const RecordingPrinter& printer) {
  const auto sheets = printer.Sheets();
  if (sheets.empty()) return {};
  for (const PrintedItem& item : sheets.back())
    if (IsBillNumberPlace(item.x, item.y)) return item.text;
  return {};
}

// A printer that runs `atEndDoc` once, as the sheet goes out: what another program does while
// the paper is printing, before the bill is saved.
class PrinterWithAHook final : public PrinterObject {
public:
  std::function<void()> atEndDoc;
  QStringList numbers;  // the bill number of every sheet sent

protected:
  void startDocument() override {}
  void draw(const PrintedText& item) override {
    if (IsBillNumberPlace(item.x, item.y)) numbers << item.text;
  }
  void endDocument() override {
    if (auto hook = std::exchange(atEndDoc, nullptr)) hook();
  }
  void abandonDocument() noexcept override {}
};
