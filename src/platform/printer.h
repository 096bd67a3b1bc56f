#pragma once
// VB's Printer object: the bills and reports set a font and a position in twips, print texts,
// and end the document, which sends the sheet to the printer as one job of its own.
//
// Positions are twips from the top left corner of the printable area; a text is printed with
// the top of its line at CurrentY. Font and set-up values stay in force from job to job until
// they are set again. A failure of the printer raises PrinterError, whose Description() is
// written to be shown after the form's own message. After a failure the unfinished document is
// thrown away, so that printing again starts on a clean sheet and never on top of half a bill.
#include <QPrinterInfo>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

enum PrinterErrorNumber : int {
  vbErrPrinter = 482,          // the printer refused a job or failed while printing
  vbErrNoPrinter = 484,        // no printer to print on
};

class PrinterError : public std::runtime_error {
public:
  PrinterError(int number, const QString& description);
  int Number() const { return number_; }
  const QString& Description() const { return description_; }

private:
  int number_;
  QString description_;
};

// One text as it goes onto the sheet.
struct PrintedText {
  QString text;
  double x = 0;  // twips
  double y = 0;  // twips, the top of the line
  QString fontName;
  double fontSize = 0;  // points
  bool bold = false;
};

class PrinterObject {
public:
  virtual ~PrinterObject();

  const QString& FontName() const { return fontName_; }
  void SetFontName(const QString& name);
  double FontSize() const { return fontSize_; }
  void SetFontSize(double points);
  bool FontBold() const { return fontBold_; }
  void SetFontBold(bool bold);
  double CurrentX() const { return currentX_; }
  void SetCurrentX(double twips);
  double CurrentY() const { return currentY_; }
  void SetCurrentY(double twips);

  // The stationery's two integer set-up values (the bills set 120 and 3). Positions stay in
  // twips whatever they hold, and the printing systems here have no use for them: they are kept
  // so that a layout can set them as it always has, and change nothing on paper.
  int Setting1() const { return setting1_; }
  void SetSetting1(int value);
  int Setting2() const { return setting2_; }
  void SetSetting2(int value);

  // Prints the text at (CurrentX, CurrentY), starting a new document when none is open, and
  // ends the line: CurrentX goes back to 0 and CurrentY down by the height of a line.
  void Print(const QString& text);
  // Ends the document: the sheet goes to the printer. Without an open document does nothing
  // more. CurrentX and CurrentY go back to 0.
  void EndDoc();
  // Throws the open document away unsent. A layout whose own step failed half way through a
  // sheet calls it, so that the next print does not land on the same sheet. Never raises.
  void KillDoc() noexcept;

  bool DocumentOpen() const { return documentOpen_; }
  // The height of one printed line in the current font, in twips.
  double LineHeight() const;

protected:
  enum class Operation { FontName, FontSize, FontBold, CurrentX, CurrentY, Setting1, Setting2, Print, EndDoc };
  // Each operation is announced first, with its value as text; a device may refuse it by raising.
  virtual void announce(Operation op, const QString& value);
  virtual void startDocument() = 0;
  virtual void draw(const PrintedText& item) = 0;
  virtual void endDocument() = 0;
  // Throws the open document away after a failure; must not raise.
  virtual void abandonDocument() noexcept = 0;

private:
  template <class F>
  void guarded(F&& step);

  QString fontName_ = QStringLiteral("Arial");
  double fontSize_ = 10;
  bool fontBold_ = false;
  double currentX_ = 0;
  double currentY_ = 0;
  int setting1_ = 0;
  int setting2_ = 0;
  bool documentOpen_ = false;
};

// The production printer: each document is one job on the system's default printer (CUPS), or,
// when told so, one numbered PDF file. A document is kept until EndDoc and only then drawn and
// sent, so a document thrown away after a failure never reaches the printer.
class QtPrinter final : public PrinterObject {
public:
  QtPrinter();
  ~QtPrinter() override;

  // PDF jobs are A4 pages whose printable area starts this far in from the top and left edges,
  // as on a usual laser printer (a quarter of an inch).
  static constexpr double kPdfMarginTwips = 360;

  // From now on each document goes to `basePath`-001.pdf, -002.pdf, ... instead of the printer
  // (numbered from 1 again at every call). An empty path sends documents to the printer again.
  void SetPdfOutput(const QString& basePath);
  // The PDF files written since SetPdfOutput, in order.
  const QStringList& PdfFiles() const { return pdfFiles_; }

  // Where the system's default printer is looked up (QPrinterInfo::defaultPrinter unless
  // replaced); a null QPrinterInfo means there is none. Lets a test stand in a computer
  // without a printer.
  using DefaultPrinterLookup = std::function<QPrinterInfo()>;
  void SetDefaultPrinterLookup(DefaultPrinterLookup lookup);

protected:
  void startDocument() override;
  void draw(const PrintedText& item) override;
  void endDocument() override;
  void abandonDocument() noexcept override;

private:
  QPrinterInfo defaultPrinter() const;

  DefaultPrinterLookup lookup_;
  QString pdfBase_;
  QStringList pdfFiles_;
  std::vector<PrintedText> document_;
};

// The printer the program prints on (the QtPrinter unless a test installed its own).
PrinterObject& Printer();
// Installs a printer; returns the one it replaces. nullptr restores a fresh QtPrinter.
std::shared_ptr<PrinterObject> SetPrinter(std::shared_ptr<PrinterObject> printer);
