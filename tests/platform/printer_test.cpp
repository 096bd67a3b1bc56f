// The printer object: what a layout sets and prints reaches the device with its font and its
// twips position, every EndDoc is one job, failures come back as readable errors.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <functional>

#include "platform/printer.h"
#include "support/fixture.h"

namespace {

std::string describe(const PrintedItem& item) {
  return item.text.toStdString() + " at (" + std::to_string(item.x) + ", " + std::to_string(item.y) +
         ") " + item.fontName.toStdString() + " " + std::to_string(item.fontSize) + (item.bold ? " bold" : "") +
         " job " + std::to_string(item.job);
}

// Runs a layout's steps and says which error came back, if any.
QString run(const std::function<void()>& steps) {
  try {
    steps();
  } catch (const PrinterError& e) {
    return e.Description();
  }
  return QString();
}

}  // namespace

class PrinterObjectTest : public HalvionTest {};

TEST_F(PrinterObjectTest, KeepsEveryTextWithItsFontAndPositionAndEveryJob) {
  PrinterObject& p = Printer();
  ASSERT_EQ(&p, &printer()) << "the fixture prints on its recording device";

  p.SetSetting1(120);
  p.SetSetting2(3);
  p.SetFontName(QStringLiteral("Arial"));
  p.SetFontBold(true);
  p.SetFontSize(9);
  p.SetCurrentX(3580);
  p.SetCurrentY(700);
  p.Print(QStringLiteral("B1234"));
  p.Print(QStringLiteral("next line"));  // Print ended the line: back at the left edge, lower down
  p.EndDoc();
  // The font stays in force on the next job; only what is set again changes.
  p.SetFontBold(false);
  p.SetFontSize(18);
  p.SetCurrentX(4400);
  p.SetCurrentY(1300);
  p.Print(QStringLiteral("TALWYN HOSPITAL"));
  p.EndDoc();
  p.EndDoc();  // nothing open: no further job

  const std::vector<PrintedItem>& items = printer().Items();
  ASSERT_EQ(items.size(), 3u);
  struct Expected {
    const char* text;
    double x, y;
    double size;
    bool bold;
    int job;
  };
  const Expected expected[] = {
      {"B1234", 3580, 700, 9, true, 0},
      {"next line", 0, -1, 9, true, 0},  // y checked below
      {"TALWYN HOSPITAL", 4400, 1300, 18, false, 1},
  };
  for (size_t i = 0; i < items.size(); ++i) {
    SCOPED_TRACE(describe(items[i]));
    EXPECT_EQ(items[i].text, QString::fromLatin1(expected[i].text));
    EXPECT_EQ(items[i].x, expected[i].x);
    if (expected[i].y >= 0) {
      EXPECT_EQ(items[i].y, expected[i].y);
    }
    EXPECT_EQ(items[i].fontName, QStringLiteral("Arial"));
    EXPECT_EQ(items[i].fontSize, expected[i].size);
    EXPECT_EQ(items[i].bold, expected[i].bold);
    EXPECT_EQ(items[i].job, expected[i].job);
  }
  // A 9-point line is a little over 9 points (180 twips) high.
  EXPECT_GT(items[1].y, 700 + 180);
  EXPECT_LT(items[1].y, 700 + 300);

  EXPECT_EQ(printer().EndDocCount(), 3);
  ASSERT_EQ(printer().Sheets().size(), 2u);
  EXPECT_EQ(printer().Sheets()[0].size(), 2u);
  EXPECT_EQ(printer().Sheets()[1].size(), 1u);
  EXPECT_EQ(p.Setting1(), 120);
  EXPECT_EQ(p.Setting2(), 3);
  EXPECT_EQ(printer().Log().mid(0, 8),
            (QStringList{"Setting1=120", "Setting2=3", "FontName=Arial", "FontBold=True", "FontSize=9",
                         "CurrentX=3580", "CurrentY=700", "Print=B1234"}));
  // EndDoc leaves the position at the top left, as a fresh sheet.
  EXPECT_EQ(p.CurrentX(), 0);
  EXPECT_EQ(p.CurrentY(), 0);
}

TEST_F(PrinterObjectTest, FailsAtTheNthOperationAndThrowsTheUnfinishedSheetAway) {
  // A bill of one job: set-up, two texts, EndDoc; then a second bill. The device fails at
  // operation n of the first bill (counted from its first set-up step).
  const auto bill = [](const QString& number) {
    PrinterObject& p = Printer();
    p.SetFontName(QStringLiteral("Arial"));  // 1
    p.SetFontSize(9);                        // 2
    p.SetCurrentX(0);                        // 3
    p.SetCurrentY(555);                      // 4
    p.Print(QStringLiteral("Name  :  ABC ( OP12 )"));  // 5
    p.SetCurrentX(3580);                     // 6
    p.SetCurrentY(700);                      // 7
    p.Print(number);                         // 8
    p.EndDoc();                              // 9
  };
  struct Case {
    int failAt;
    int itemsKept;    // texts that reached the sheet before the failure
    int jobsStarted;  // for the failing bill
  };
  const Case cases[] = {{1, 0, 0}, {5, 0, 0}, {6, 1, 1}, {8, 1, 1}, {9, 2, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE("failing at operation " + std::to_string(c.failAt));
    auto device = std::make_shared<RecordingPrinter>();
    SetPrinter(device);
    device->FailAt(c.failAt, QStringLiteral("The printer is out of paper."));

    EXPECT_EQ(run([&] { bill(QStringLiteral("1")); }), QStringLiteral("The printer is out of paper."));
    EXPECT_EQ(device->Items().size(), size_t(c.itemsKept));
    EXPECT_EQ(device->Jobs().size(), size_t(c.jobsStarted));
    EXPECT_EQ(device->EndDocCount(), 0);
    EXPECT_TRUE(device->Sheets().empty()) << "nothing of the failed bill was sent";
    EXPECT_FALSE(Printer().DocumentOpen());

    // Printing again works and starts on a sheet of its own.
    EXPECT_EQ(run([&] { bill(QStringLiteral("2")); }), QString());
    ASSERT_EQ(device->Sheets().size(), 1u);
    EXPECT_EQ(device->Sheets()[0].size(), 2u);
    EXPECT_EQ(device->Sheets()[0][1].text, QStringLiteral("2"));
  }
  SetPrinter(nullptr);
}

TEST_F(PrinterObjectTest, SheetsEndedBeforeAFailureStayPrinted) {
  printer().FailFrom(4, QStringLiteral("Printer error"));
  const QString error = run([] {
    PrinterObject& p = Printer();
    p.Print(QStringLiteral("sheet 1"));  // 1
    p.EndDoc();                          // 2
    p.Print(QStringLiteral("sheet 2"));  // 3
    p.EndDoc();                          // 4: refused
  });
  EXPECT_EQ(error, QStringLiteral("Printer error"));
  ASSERT_EQ(printer().Sheets().size(), 1u);
  EXPECT_EQ(printer().Sheets()[0][0].text, QStringLiteral("sheet 1"));
  ASSERT_EQ(printer().Jobs().size(), 2u);
  EXPECT_EQ(printer().Jobs()[1].state, RecordingPrinter::JobState::Abandoned);
  EXPECT_EQ(printer().EndDocCount(), 1);
  // FailFrom keeps failing.
  EXPECT_EQ(run([] { Printer().SetFontBold(false); }), QStringLiteral("Printer error"));
}

TEST_F(PrinterObjectTest, KillDocDropsTheOpenSheet) {
  // A layout whose own step fails half way drops the sheet, so the next bill starts clean.
  Printer().Print(QStringLiteral("half a bill"));
  Printer().KillDoc();
  Printer().Print(QStringLiteral("whole bill"));
  Printer().EndDoc();
  ASSERT_EQ(printer().Sheets().size(), 1u);
  ASSERT_EQ(printer().Sheets()[0].size(), 1u);
  EXPECT_EQ(printer().Sheets()[0][0].text, QStringLiteral("whole bill"));
}

TEST_F(PrinterObjectTest, WithoutADefaultPrinterEveryPrintFailsReadably) {
  QtPrinter p;
  p.SetDefaultPrinterLookup([] { return QPrinterInfo(); });
  p.SetFontName(QStringLiteral("Arial"));  // setting up needs no printer yet
  p.SetFontSize(9);
  p.SetCurrentX(3580);
  p.SetCurrentY(700);
  for (int attempt = 1; attempt <= 2; ++attempt) {
    SCOPED_TRACE("attempt " + std::to_string(attempt));
    try {
      p.Print(QStringLiteral("B1234"));
      ADD_FAILURE() << "printing without a printer succeeded";
    } catch (const PrinterError& e) {
      EXPECT_EQ(e.Number(), vbErrNoPrinter);
      EXPECT_EQ(e.Description(), QStringLiteral("No default printer is set up on this computer."));
    }
    EXPECT_FALSE(p.DocumentOpen());
    EXPECT_NO_THROW(p.EndDoc());
  }
}

class QtPrinterPdf : public HalvionTest {
protected:
  static QString tool(const char* name) {
    const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
    if (path.isEmpty()) ADD_FAILURE() << name << " is missing (poppler-utils)";
    return path;
  }
  static QString output(const QString& program, const QStringList& args) {
    QProcess proc;
    proc.start(program, args);
    EXPECT_TRUE(proc.waitForFinished(30000)) << program.toStdString();
    EXPECT_EQ(proc.exitCode(), 0) << proc.readAllStandardError().toStdString();
    return QString::fromUtf8(proc.readAllStandardOutput());
  }
};

TEST_F(QtPrinterPdf, EachJobIsAFileAndTextsLandAtTheirTwipsPositions) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QtPrinter p;
  p.SetPdfOutput(dir.filePath(QStringLiteral("job")));
  p.SetFontName(QStringLiteral("Arial"));
  p.SetFontSize(9);
  p.SetCurrentX(3580);
  p.SetCurrentY(700);
  p.Print(QStringLiteral("B1234"));
  p.SetCurrentX(0);
  p.SetCurrentY(1800);
  p.Print(QStringLiteral("01"));
  p.EndDoc();
  p.SetFontSize(18);
  p.SetCurrentX(4400);
  p.SetCurrentY(1300);
  p.Print(QStringLiteral("TALWYN"));
  p.EndDoc();

  ASSERT_EQ(p.PdfFiles(), (QStringList{dir.filePath(QStringLiteral("job-001.pdf")),
                                       dir.filePath(QStringLiteral("job-002.pdf"))}));
  const QString pdftotext = tool("pdftotext");
  if (pdftotext.isEmpty()) return;

  struct Word {
    int file;
    const char* text;
    double xTwips, yTwips;
  };
  const Word words[] = {{0, "B1234", 3580, 700}, {0, "01", 0, 1800}, {1, "TALWYN", 4400, 1300}};
  for (const Word& w : words) {
    SCOPED_TRACE(w.text);
    const QString xml = output(pdftotext, {QStringLiteral("-bbox"), p.PdfFiles()[w.file], QStringLiteral("-")});
    const QRegularExpression re(QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>%1</word>")
                                    .arg(QString::fromLatin1(w.text)));
    const QRegularExpressionMatch m = re.match(xml);
    ASSERT_TRUE(m.hasMatch()) << xml.toStdString();
    // pdftotext reports points from the page's top left; the printable area starts at the margin.
    const double mm = 72 / 25.4;
    EXPECT_NEAR(m.captured(1).toDouble(), (w.xTwips + QtPrinter::kPdfMarginTwips) / 20, mm);
    EXPECT_NEAR(m.captured(2).toDouble(), (w.yTwips + QtPrinter::kPdfMarginTwips) / 20, mm);
  }
  EXPECT_EQ(output(pdftotext, {p.PdfFiles()[1], QStringLiteral("-")}).trimmed(), QStringLiteral("TALWYN"))
      << "the second job holds only its own text";

  // Arial comes out as its metric twin.
  const QString pdffonts = tool("pdffonts");
  if (!pdffonts.isEmpty()) {
    EXPECT_TRUE(output(pdffonts, {p.PdfFiles()[0]}).contains(QStringLiteral("LiberationSans")));
  }
}

TEST_F(QtPrinterPdf, AJobThatCannotBeWrittenIsAnError) {
  QtPrinter p;
  p.SetPdfOutput(QDir(folder()).filePath(QStringLiteral("no such folder/job")));
  p.Print(QStringLiteral("B1234"));
  try {
    p.EndDoc();
    ADD_FAILURE() << "EndDoc succeeded";
  } catch (const PrinterError& e) {
    EXPECT_EQ(e.Number(), vbErrPrinter);
    EXPECT_TRUE(e.Description().contains(QStringLiteral("could not be written"))) << e.Description().toStdString();
  }
  EXPECT_FALSE(p.DocumentOpen());
  EXPECT_TRUE(p.PdfFiles().isEmpty());
}
