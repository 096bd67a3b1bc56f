#pragma once
// A person's age from the birth date, as the staff forms show it.
#include <QDate>
#include <QString>

// The age on `today` of someone born on `dob`, as " 46 Years,  1 Months,  15 Days": each number
// with the blank that stands for its sign. A month always counts 30 days. Empty when either date
// is not a date or the birth date lies after today: no age can be told then.
QString ageText(const QDate& today, const QDate& dob);
