#include "masters/agetext.h"

#include "platform/vbruntime.h"

QString ageText(const QDate& today, const QDate& dob) {
  if (!today.isValid() || !dob.isValid() || dob > today) return {};
  int Y = today.year(), M = today.month(), D = today.day();
  const int y = dob.year(), m = dob.month(), d = dob.day();
  if (D < d) {
    D += 30;
    M -= 1;
  }
  if (M < m) {
    M += 12;
    Y -= 1;
  }
  return Str(static_cast<long long>(Y - y)) + QStringLiteral(" Years, ") + Str(static_cast<long long>(M - m)) +
         QStringLiteral(" Months, ") + Str(static_cast<long long>(D - d)) + QStringLiteral(" Days");
}
