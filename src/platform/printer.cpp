#include "platform/printer.h"

#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>
#include <cmath>

#include "platform/log.h"

PrinterError::PrinterError(int number, const QString& description)
    : std::runtime_error(description.toStdString()), number_(number), description_(description) {
  qCWarning(lcPlatform).noquote() << "printer error" << number << "-" << description;
}

PrinterObject::~PrinterObject() = default;

void PrinterObject::announce(Operation, const QString&) {}

template <class F>
void PrinterObject::guarded(F&& step) {
  try {
    step();
  } catch (...) {
    KillDoc();
    throw;
  }
}

void PrinterObject::KillDoc() noexcept {
  if (documentOpen_) {
    documentOpen_ = false;
    abandonDocument();
  }
}

void PrinterObject::SetFontName(const QString& name) {
  guarded([&] {
    announce(Operation::FontName, name);
    fontName_ = name;
  });
}

void PrinterObject::SetFontSize(double points) {
  guarded([&] {
    announce(Operation::FontSize, QString::number(points));
    fontSize_ = points;
  });
}

void PrinterObject::SetFontBold(bool bold) {
  guarded([&] {
    announce(Operation::FontBold, bold ? QStringLiteral("True") : QStringLiteral("False"));
    fontBold_ = bold;
  });
}

void PrinterObject::SetCurrentX(double twips) {
  guarded([&] {
    announce(Operation::CurrentX, QString::number(twips));
    currentX_ = twips;
  });
}

void PrinterObject::SetCurrentY(double twips) {
  guarded([&] {
    announce(Operation::CurrentY, QString::number(twips));
    currentY_ = twips;
  });
}

void PrinterObject::SetSetting1(int value) {
  guarded([&] {
    announce(Operation::Setting1, QString::number(value));
    setting1_ = value;
  });
}

void PrinterObject::SetSetting2(int value) {
  guarded([&] {
    announce(Operation::Setting2, QString::number(value));
    setting2_ = value;
  });
}

void PrinterObject::Print(const QString& text) {
  guarded([&] {
    announce(Operation::Print, text);
    if (!documentOpen_) {
      startDocument();
      documentOpen_ = true;
    }
    draw(PrintedText{text, currentX_, currentY_, fontName_, fontSize_, fontBold_});
    currentX_ = 0;
    currentY_ += LineHeight();
  });
}

void PrinterObject::EndDoc() {
  guarded([&] {
    announce(Operation::EndDoc, QString());
    if (documentOpen_) {
      endDocument();
      documentOpen_ = false;
    }
    currentX_ = 0;
    currentY_ = 0;
  });
}

double PrinterObject::LineHeight() const {
  // A pixel size in twips makes the metrics independent of any device's resolution.
  QFont font(fontName_);
  font.setPixelSize(std::max(1, int(std::lround(fontSize_ * 20))));
  font.setBold(fontBold_);
  return QFontMetricsF(font).height();
}

// --- QtPrinter ---

namespace {

QString noPrinterText() {
  return QStringLiteral("No default printer is set up on this computer.");
}

}  // namespace

QtPrinter::QtPrinter() = default;
QtPrinter::~QtPrinter() = default;

void QtPrinter::SetPdfOutput(const QString& basePath) {
  pdfBase_ = basePath;
  pdfFiles_.clear();
}

void QtPrinter::SetDefaultPrinterLookup(DefaultPrinterLookup lookup) { lookup_ = std::move(lookup); }

QPrinterInfo QtPrinter::defaultPrinter() const {
  return lookup_ ? lookup_() : QPrinterInfo::defaultPrinter();
}

void QtPrinter::startDocument() {
  document_.clear();
  if (pdfBase_.isEmpty() && defaultPrinter().isNull()) throw PrinterError(vbErrNoPrinter, noPrinterText());
}

void QtPrinter::draw(const PrintedText& item) { document_.push_back(item); }

void QtPrinter::endDocument() {
  std::unique_ptr<QPrinter> printer;
  QString file;
  if (pdfBase_.isEmpty()) {
    const QPrinterInfo info = defaultPrinter();
    if (info.isNull()) throw PrinterError(vbErrNoPrinter, noPrinterText());
    printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    if (!printer->isValid())
      throw PrinterError(vbErrNoPrinter,
                         QStringLiteral("The printer \"%1\" cannot be used.").arg(info.printerName()));
  } else {
    file = QStringLiteral("%1-%2.pdf").arg(pdfBase_).arg(pdfFiles_.size() + 1, 3, 10, QLatin1Char('0'));
    printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(file);
    const double margin = kPdfMarginTwips / 20;  // points
    printer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                       QMarginsF(margin, margin, margin, margin), QPageLayout::Point));
  }
  printer->setFullPage(false);  // the painter's origin is the printable area's corner
  printer->setDocName(QStringLiteral("Halvion"));

  QPainter painter;
  if (!painter.begin(printer.get())) {
    throw PrinterError(vbErrPrinter, file.isEmpty()
                                         ? QStringLiteral("The printer did not accept the print job.")
                                         : QStringLiteral("The file \"%1\" could not be written.").arg(file));
  }
  const double scale = printer->resolution() / 1440.0;
  for (const PrintedText& item : document_) {
    QFont font(item.fontName);
    font.setPointSizeF(std::max(item.fontSize, 1.0));
    font.setBold(item.bold);
    painter.setFont(font);
    const QFontMetricsF metrics(painter.font(), printer.get());
    painter.drawText(QPointF(item.x * scale, item.y * scale + metrics.ascent()), item.text);
  }
  const bool sent = painter.end();
  document_.clear();
  if (!sent) {
    if (!file.isEmpty()) QFile::remove(file);
    throw PrinterError(vbErrPrinter, QStringLiteral("The printer did not accept the print job."));
  }
  if (!file.isEmpty()) pdfFiles_ << file;
}

void QtPrinter::abandonDocument() noexcept { document_.clear(); }

// --- the current printer ---

namespace {

std::shared_ptr<PrinterObject>& current() {
  static std::shared_ptr<PrinterObject> printer = std::make_shared<QtPrinter>();
  return printer;
}

}  // namespace

PrinterObject& Printer() { return *current(); }

std::shared_ptr<PrinterObject> SetPrinter(std::shared_ptr<PrinterObject> printer) {
  if (!printer) printer = std::make_shared<QtPrinter>();
  std::swap(current(), printer);
  return printer;
}
