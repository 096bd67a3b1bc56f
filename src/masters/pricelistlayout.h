#pragma once
// The look the two price-list forms share: caption and box rows at the same places, the record
// bar below them (placed by each form).
#include <QString>

class QLabel;
class QWidget;

// A caption at 2160 and its box at 4560, both at `top` (twips).
void LayOutPriceRow(QLabel* label, const QString& caption, QWidget* box, int top);
