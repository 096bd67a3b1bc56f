#pragma once
// modFormTransparentHide: which system the program runs on, and the window opacity of the exit
// fade.
#include <QString>
#include <cstdint>

#include "platform/version.h"

class QWidget;

OSVERSIONINFO GetVersionInfo();
// "Windows 95", "Windows 98", "Windows 2000" (every NT 5.x) or "Windows NT <major>.<minor>".
QString GetWindowsVersionName();
QString GetWindowsVersionName(const OSVERSIONINFO& info);
bool IsWindows2000();

// Alpha 0 is transparent, 255 opaque.
void SetFormOpacity(QWidget* Frm, std::uint8_t Alpha);
