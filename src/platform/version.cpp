#include "platform/version.h"

namespace {
std::function<SystemVersion()>& source() {
  static std::function<SystemVersion()> s;
  return s;
}
}  // namespace

bool GetVersionExA(OSVERSIONINFO& info) {
  if (info.dwOSVersionInfoSize != 148) return false;
  const SystemVersion v = source() ? source()() : SystemVersion{};
  info.dwMajorVersion = v.major;
  info.dwMinorVersion = v.minor;
  info.dwBuildNumber = v.build;
  info.dwPlatformId = v.platformId;
  info.szCSDVersion[0] = '\0';
  return true;
}

void SetSystemVersionSource(std::function<SystemVersion()> s) { source() = std::move(s); }
