#pragma once
// The operating system's version, in the shape the exit fade tests it: the NT family has platform
// identifier 2, and NT 5.x is the line whose windows fade out when the program ends.
//
// The program always reports NT 10.0, whatever the host, so it ends at once without fading; tests
// install another version to drive the fade.
#include <cstdint>
#include <functional>

inline constexpr std::uint32_t VER_PLATFORM_WIN32_WINDOWS = 1;
inline constexpr std::uint32_t VER_PLATFORM_WIN32_NT = 2;

struct OSVERSIONINFO {
  std::uint32_t dwOSVersionInfoSize = 0;  // set to 148 by the caller
  std::uint32_t dwMajorVersion = 0;
  std::uint32_t dwMinorVersion = 0;
  std::uint32_t dwBuildNumber = 0;
  std::uint32_t dwPlatformId = 0;
  char szCSDVersion[128] = {};
};

// Fills the version fields of info (its size field is left as the caller set it); false when
// the record's size is not the 148 bytes of this record.
bool GetVersionExA(OSVERSIONINFO& info);

// The version the program reports; an empty function restores the fixed NT 10.0.
struct SystemVersion {
  std::uint32_t platformId = VER_PLATFORM_WIN32_NT;
  std::uint32_t major = 10;
  std::uint32_t minor = 0;
  std::uint32_t build = 0;
};
void SetSystemVersionSource(std::function<SystemVersion()> source);
