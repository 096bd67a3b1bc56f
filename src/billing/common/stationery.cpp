#include "billing/common/stationery.h"

#include "platform/printer.h"

void SetPrintFont(PrinterObject& printer, const QString& name, double size, bool bold) {
  printer.SetFontName(name);
  printer.SetFontBold(bold);
  printer.SetFontSize(size);
}

void PrintAt(PrinterObject& printer, double x, double y, const QString& text) {
  printer.SetCurrentX(x);
  printer.SetCurrentY(y);
  printer.Print(text);
}

void PrintRightAligned(PrinterObject& printer, double rightX, double y, const QString& text) {
  double x = rightX;
  for (qsizetype i = text.size() - 1; i >= 0; --i) {
    PrintAt(printer, x, y, text.mid(i, 1));
    x -= kAmountPitchTwips;
  }
}

QString PrinterFailureText(const QString& message, const QString& reason) {
  return reason.isEmpty() ? message : message + QStringLiteral("\r\n") + reason;
}
