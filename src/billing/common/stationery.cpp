#include "billing/common/stationery.h"

#include "platform/printer.h"

void PrintAt(PrinterObject& printer, double x, double y, const QString& text) {
  printer.SetCurrentX(x);
  printer.SetCurrentY(y);
  printer.Print(text);
}

void PrintRightAligned(PrinterObject& printer, double rightX, double y, const QString& text) {
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n; ++i)
    PrintAt(printer, rightX - kAmountPitchTwips * double(n - 1 - i), y, text.mid(i, 1));
}
