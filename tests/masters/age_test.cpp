// The age the doctor form shows for a birth date: the text, the month of 30 days, leap days,
// a birth date of today and one that lies ahead.
#include <QDateEdit>
#include <QLineEdit>

#include "masters/agetext.h"
#include "masters/frmAddDoctorDetail.h"
#include "masters_support.h"

namespace {

QDate d(int day, int month, int year) { return QDate(year, month, day); }

TEST(AgeText, CountsYearsMonthsAndDaysWithThirtyDayMonths) {
  const struct {
    QDate dob, today;
    const char* expected;
  } cases[] = {
      {d(20, 1, 1980), d(5, 3, 2026), " 46 Years,  1 Months,  15 Days"},
      {d(31, 12, 1990), d(1, 3, 2026), " 35 Years,  2 Months,  0 Days"},
      {d(31, 1, 2025), d(1, 3, 2026), " 1 Years,  1 Months,  0 Days"},
      {d(15, 12, 2000), d(10, 1, 2026), " 25 Years,  0 Months,  25 Days"},
      {d(10, 12, 2026), d(10, 12, 2026), " 0 Years,  0 Months,  0 Days"},
      {d(11, 12, 2025), d(10, 12, 2026), " 0 Years,  11 Months,  29 Days"},  // birthday tomorrow
      {d(10, 12, 1980), d(10, 12, 2026), " 46 Years,  0 Months,  0 Days"},   // birthday today
      {d(29, 2, 2024), d(28, 2, 2026), " 1 Years,  11 Months,  29 Days"},    // leap day, before it
      {d(29, 2, 2024), d(1, 3, 2026), " 2 Years,  0 Months,  2 Days"},
      {d(29, 2, 2024), d(29, 2, 2028), " 4 Years,  0 Months,  0 Days"},
      {d(1, 3, 2024), d(29, 2, 2028), " 3 Years,  11 Months,  28 Days"},
      {d(11, 12, 2026), d(10, 12, 2026), ""},  // not born yet: no age
      {QDate(), d(10, 12, 2026), ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ageText(c.today, c.dob), QString::fromLatin1(c.expected))
        << c.dob.toString(Qt::ISODate).toStdString() << " on " << c.today.toString(Qt::ISODate).toStdString();
}

class DoctorAgeTest : public MastersTest {};

TEST_F(DoctorAgeTest, ChangingTheBirthDateShowsTheAgeAndADateAheadIsRefused) {
  setToday(d(5, 3, 2026));
  auto* form = open<frmAddDoctorDetail>();
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->DTPicker1.date(), d(5, 3, 2026));
  EXPECT_EQ(form->txtAge.text(), "");  // the load sets the date; no age until the user picks one

  // The user steps the day back with the arrow key, then forward past today.
  form->DTPicker1.setFocus();
  form->DTPicker1.setCurrentSection(QDateTimeEdit::DaySection);
  PressKey(form->DTPicker1, Qt::Key_Down);
  EXPECT_EQ(form->DTPicker1.date(), d(4, 3, 2026));
  EXPECT_EQ(form->txtAge.text(), " 0 Years,  0 Months,  1 Days");
  PressKey(form->DTPicker1, Qt::Key_Up);
  EXPECT_EQ(form->txtAge.text(), " 0 Years,  0 Months,  0 Days");

  boxes().expect(QStringLiteral("Sorry ! Sir,you have not born yet. "), QString(), vbOKOnly);
  PressKey(form->DTPicker1, Qt::Key_Up);
  EXPECT_EQ(form->DTPicker1.date(), d(5, 3, 2026));
  EXPECT_EQ(form->txtAge.text(), " 0 Years,  0 Months,  0 Days");

  form->DTPicker1.setDate(d(20, 1, 1980));
  EXPECT_EQ(form->txtAge.text(), " 46 Years,  1 Months,  15 Days");
  EXPECT_EQ(boxes().pending(), 0);
}

}  // namespace
