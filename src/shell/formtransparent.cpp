#include "shell/formtransparent.h"

#include <QWidget>

OSVERSIONINFO GetVersionInfo() {
  OSVERSIONINFO info;
  info.dwOSVersionInfoSize = 148;
  GetVersionExA(info);
  return info;
}

QString GetWindowsVersionName(const OSVERSIONINFO& info) {
  if (info.dwPlatformId != VER_PLATFORM_WIN32_NT)
    return info.dwMinorVersion != 0 ? QStringLiteral("Windows 98") : QStringLiteral("Windows 95");
  if (info.dwMajorVersion == 5) return QStringLiteral("Windows 2000");
  return QStringLiteral("Windows NT %1.%2").arg(info.dwMajorVersion).arg(info.dwMinorVersion);
}

QString GetWindowsVersionName() { return GetWindowsVersionName(GetVersionInfo()); }

bool IsWindows2000() { return GetWindowsVersionName() == QLatin1String("Windows 2000"); }

void SetFormOpacity(QWidget* Frm, std::uint8_t Alpha) {
  if (Frm) Frm->window()->setWindowOpacity(Alpha / 255.0);
}
