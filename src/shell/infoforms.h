#pragma once
// What the two information forms share: their texts' look and their fixed lines.
#include <QString>

class QLabel;

inline constexpr const char* kProgramVersionText = "Version 1.0";
inline constexpr const char* kProgramPlatformText = "For Microsoft Windows 98/2000/XP";

// An Arial caption at a place in twips, on the form's picture.
void SetInfoLabel(QLabel* label, const QString& text, int pointSize, bool bold, double left, double top,
                  double width, double height, const char* color = "#3a2a44");
