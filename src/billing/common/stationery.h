#pragma once
// Printing values onto pre-printed stationery: every text is placed by its position in twips,
// and amounts are set right-aligned one character at a time at a fixed pitch, so that the
// digits of every amount line up in the stationery's columns whatever the font's widths.
#include <QString>

class PrinterObject;

// The face the bills and reports are printed in.
inline constexpr const char* kPrintFontName = "Arial";

// Sets the face, the bold and the size, in that order. Every document sets all three before its
// first item: the printer keeps its font from one document to the next, so a sheet that set only
// some of them would look as whatever was printed before it left them.
void SetPrintFont(PrinterObject& printer, const QString& name, double size, bool bold);

// Twips from one character of a right-aligned amount to the next.
inline constexpr double kAmountPitchTwips = 110;

// The text with its left edge at X and the top of its line at Y.
void PrintAt(PrinterObject& printer, double x, double y, const QString& text);

// The one right-aligned print of every bill and report: the characters from the last to the
// first, the last at `rightX`, each one before it kAmountPitchTwips further left, one Print per
// character, all at Y. An empty text prints nothing.
void PrintRightAligned(PrinterObject& printer, double rightX, double y, const QString& text);

// What the desk is told when the printer fails: the message, then on a line of its own the
// printer's reason, when there is one.
QString PrinterFailureText(const QString& message, const QString& reason);
