// The title bar's gradient and the system test behind the exit fade.
#include <QImage>
#include <QLabel>

#include "shell/formtransparent.h"
#include "shell/gradient.h"
#include "main_support.h"

namespace {

TEST(TitleBarGradient, SplitRgbTakesRedFromTheLowByte) {
  struct Case {
    std::int32_t color;
    int r, g, b;
  };
  for (const Case& c : {Case{RGB(228, 184, 184), 228, 184, 184}, Case{RGB(196, 36, 36), 196, 36, 36},
                        Case{0, 0, 0, 0}, Case{0xFFFFFF, 255, 255, 255}, Case{0x010203, 3, 2, 1}}) {
    SplitRGB(c.color);
    EXPECT_EQ(SplitRed(), c.r) << c.color;
    EXPECT_EQ(SplitGreen(), c.g) << c.color;
    EXPECT_EQ(SplitBlue(), c.b) << c.color;
  }
}

TEST(TitleBarGradient, ColumnsRunEvenlyWithHalvesToEven) {
  // Over 64 columns red falls by exactly half a step a column, so odd columns land on halves.
  QImage bar(64, 5, QImage::Format_RGB32);
  bar.fill(Qt::black);
  DrawGradient(bar, RGB(228, 184, 184), RGB(196, 36, 36));
  struct Case {
    int column;
    QColor color;
  };
  for (const Case& c : {Case{0, QColor(228, 184, 184)}, Case{1, QColor(228, 182, 182)},  // 227.5, 181.69
                        Case{3, QColor(226, 177, 177)},                                  // 226.5, 177.06
                        Case{32, QColor(212, 110, 110)}, Case{63, QColor(196, 38, 38)}}) {  // 196.5, 38.31
    EXPECT_EQ(bar.pixelColor(c.column, 0), c.color) << c.column;
    EXPECT_EQ(bar.pixelColor(c.column, 4), c.color) << c.column;
  }
}

TEST(TitleBarGradient, ABarWithoutWidthGetsNothing) {
  QImage empty(0, 30, QImage::Format_RGB32);
  DrawGradient(empty, RGB(228, 184, 184), RGB(196, 36, 36));
  EXPECT_TRUE(empty.isNull());

  QLabel bar;
  bar.resize(0, 30);
  PaintGradientBar(&bar, nullptr);
  EXPECT_TRUE(bar.pixmap().isNull());
  bar.resize(120, 30);
  PaintGradientBar(&bar, nullptr);
  ASSERT_FALSE(bar.pixmap().isNull());
  EXPECT_EQ(bar.pixmap().size(), QSize(120, 30));
}

TEST(SystemTest, VersionNames) {
  struct Case {
    std::uint32_t platform, major, minor;
    const char* name;
    bool windows2000;
  };
  for (const Case& c : {Case{1, 4, 10, "Windows 98", false}, Case{1, 4, 0, "Windows 95", false},
                        Case{2, 5, 0, "Windows 2000", true}, Case{2, 5, 1, "Windows 2000", true},
                        Case{2, 5, 2, "Windows 2000", true}, Case{2, 6, 1, "Windows NT 6.1", false},
                        Case{2, 10, 0, "Windows NT 10.0", false}, Case{2, 4, 0, "Windows NT 4.0", false}}) {
    SetSystemVersionSource([&] { return SystemVersion{c.platform, c.major, c.minor, 0}; });
    EXPECT_EQ(GetWindowsVersionName(), QString::fromLatin1(c.name));
    EXPECT_EQ(IsWindows2000(), c.windows2000) << c.name;
  }
  SetSystemVersionSource({});
  // The program reports NT 10.0 whatever it runs on.
  EXPECT_EQ(GetWindowsVersionName(), QStringLiteral("Windows NT 10.0"));
  EXPECT_FALSE(IsWindows2000());
  OSVERSIONINFO wrongSize;
  wrongSize.dwOSVersionInfoSize = 156;
  EXPECT_FALSE(GetVersionExA(wrongSize));
  EXPECT_EQ(GetVersionInfo().dwOSVersionInfoSize, 148u);
}

}  // namespace
