// Browsing, finding, deleting and listing patients through both record forms.
#include "patients_support.h"

namespace {

TEST_P(RecordFormTest, LoadShowsTheFirstIdentifierInTextOrderAndNavigationStopsAtTheEnds) {
  add("2", "Two");
  add("10", "Ten");
  add("1", "One");
  open();
  EXPECT_EQ(menus, QStringList{"hide"});
  EXPECT_EQ(gActiveForm, form);
  EXPECT_EQ(idList(), (QStringList{id("1"), id("10"), id("2")}));
  EXPECT_EQ(shown(), id("1") + "|One|Male|5551234|30|1 Hill Rd|Eastgate");
  EXPECT_EQ(form->DTPicker1.date(), QDate(2026, 12, 10));
  EXPECT_EQ(form->DTPicker1.displayFormat(), "dd/MM/yyyy");

  const struct {
    ImageButton PatientRecordForm::*button;
    const char* lit;
    const char* name;
  } steps[] = {
      {&PatientRecordForm::Picture2, "previous1.gif", "One"},  // already first: stays
      {&PatientRecordForm::Picture3, "next1.gif", "Ten"},
      {&PatientRecordForm::Picture4, "last1.gif", "Two"},
      {&PatientRecordForm::Picture3, "next1.gif", "Two"},  // already last: stays
      {&PatientRecordForm::Picture1, "first1.gif", "One"},
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(s.lit);
    Click(form->*s.button);
    EXPECT_EQ(form->txtFirstName.text(), s.name);
    EXPECT_EQ((form->*s.button).pictureFile(), s.lit);
    EXPECT_EQ(form->Label3.text(), (form->*s.button).objectName());
  }
  EXPECT_TRUE(boxes().shown().empty());
  Click(form->ShockwaveFlash2);
  QCoreApplication::processEvents();
  EXPECT_EQ(LoadedForm<frmAddOutPatient>(), nullptr);
  EXPECT_EQ(LoadedForm<frmAddInPatient>(), nullptr);
  EXPECT_EQ(menus, (QStringList{"hide", "show"}));
}

TEST_P(RecordFormTest, EmptyTableRefusesNavigationModifyAndDelete) {
  open();
  EXPECT_EQ(shown(), "||||||");
  for (ImageButton* b : {&form->Picture1, &form->Picture2, &form->Picture3, &form->Picture4}) {
    boxes().expect("No Record Found", "Warning", vbCritical);
    Click(*b);
  }
  boxes().expect("Please select any Record", "Warning", vbCritical);
  Click(form->Picture7);
  TypeOver(form->cmbPatientID, "X");
  boxes().expect("No Record Found you cannt Edit", "Warning", vbCritical);
  Click(form->Picture6);
  boxes().expect("No Record Found", "Warning", vbCritical);  // nothing is asked first
  Click(form->Picture7);
  EXPECT_EQ(mode(), "browse");
}

TEST_P(RecordFormTest, TypedIdentifierShowsItsPatientAndAnUnknownOneLeavesNothingToChange) {
  add("1", "One");
  add("2", "Two");
  open();
  TypeOver(form->cmbPatientID, id("2"));
  EXPECT_EQ(form->txtFirstName.text(), "Two");
  // Typing completes from the list, case ignored.
  TypeOver(form->cmbPatientID, GetParam().prefix.toLower() + "1");
  EXPECT_EQ(form->cmbPatientID.currentText(), id("1"));
  EXPECT_EQ(form->txtFirstName.text(), "One");

  // No such patient: the boxes keep the last one, but no row is current any more, so nothing
  // may be modified or deleted in its name.
  TypeOver(form->cmbPatientID, "ZZ");
  EXPECT_EQ(form->txtFirstName.text(), "One");
  boxes().expect("Please select any Record", "Warning", vbCritical);
  Click(form->Picture6);
  EXPECT_EQ(mode(), "browse");
  boxes().expect("Please select any Record", "Warning", vbCritical);  // nothing is asked first
  Click(form->Picture7);
  EXPECT_EQ(rows(table()), 2);

  // While a new patient is typed the box shows no other patient.
  Click(form->Picture5);
  TypeOver(form->cmbPatientID, id("2"));
  EXPECT_EQ(form->txtFirstName.text(), "");
  Click(form->Picture10);
}

TEST_P(RecordFormTest, DeleteAsksThenShowsTheNextPatientOrEmptiesTheBoxes) {
  add("1", "One");
  add("2", "Two");
  add("3", "Three");
  open();
  Click(form->Picture3);  // on 2
  boxes().expect("Are you sure you want to delete this record?", "Confirm Delete", vbYesNo + vbQuestion, vbNo);
  Click(form->Picture7);
  EXPECT_EQ(rows(table()), 3);

  boxes().expect("Are you sure you want to delete this record?", vbYes);
  Click(form->Picture7);
  EXPECT_EQ(ids(table()), id("1") + "," + id("3"));
  EXPECT_EQ(form->txtFirstName.text(), "Three");
  EXPECT_EQ(form->cmbPatientID.currentText(), id("3"));
  EXPECT_EQ(idList(), (QStringList{id("1"), id("3")}));

  boxes().expect("Are you sure you want to delete this record?", vbYes);
  Click(form->Picture7);  // the last row: the new last one shows
  EXPECT_EQ(form->txtFirstName.text(), "One");
  EXPECT_EQ(idList(), QStringList{id("1")});

  boxes().expect("Are you sure you want to delete this record?", vbYes);
  Click(form->Picture7);
  EXPECT_EQ(rows(table()), 0);
  EXPECT_EQ(shown(), "||||||");
  EXPECT_EQ(idList(), QStringList{id("1")});  // the list keeps its items
}

TEST_P(RecordFormTest, HotKeysActOnlyWhileTheirButtonIsShownAndViewAllOpensTheFormsOwnList) {
  add("1", "One");
  open();
  ctrl('S');  // Save is hidden in browse mode
  EXPECT_EQ(mode(), "browse");
  ctrl('A');
  EXPECT_EQ(mode(), "edit");
  ctrl('A');  // New is hidden now: nothing happens
  EXPECT_EQ(rows(table()), 1);
  ctrl('C');
  EXPECT_EQ(mode(), "browse");

  ctrl('F');
  ctrl('V');
  EXPECT_TRUE(GetParam().listOpen());
  EXPECT_FALSE(GetParam().otherListOpen());
  EXPECT_FALSE(form->FormWindow()->isEnabled());
  boxes().expect("View Employee Details already in use.\r\nPlease complete prvious request.", "", vbOKOnly);
  ctrl('V');  // the caller's keys stay live under its list
  ListForm* list = LoadedForm<frmViewOutPatientDetails>();
  if (!list) list = LoadedForm<frmViewInPatientDetails>();
  ASSERT_TRUE(list);
  EXPECT_EQ(list->CallerForm(), form);
  Click(list->ShockwaveFlash2);
  QCoreApplication::processEvents();
  EXPECT_FALSE(GetParam().listOpen());
  EXPECT_TRUE(form->FormWindow()->isEnabled());
  EXPECT_EQ(form->txtFirstName.text(), "One");
  EXPECT_EQ(mode(), "browse");
}

TEST_P(RecordFormTest, BirthDateAfterTodayIsRefusedAndSetBackToToday) {
  open();
  form->DTPicker1.setDate(QDate(2026, 12, 10));
  EXPECT_TRUE(boxes().shown().empty());
  boxes().expect("Sorry ! Sir,you have not born yet. ", "", vbOKOnly);
  form->DTPicker1.setDate(QDate(2026, 12, 11));
  EXPECT_EQ(form->DTPicker1.date(), QDate(2026, 12, 10));
}

}  // namespace
