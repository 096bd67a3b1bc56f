// Every form the main window's menus open: opened and closed again and again with nothing of it
// left behind, and every text box and editable combo box given hostile text.
#include <QAbstractSpinBox>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <set>

#include "faults.h"
#include "framework/mainmenus.h"
#include "framework/vbform.h"
#include "globals.h"
#include "shell/dispatch.h"
#include "support/fixture.h"
#include "support/input.h"

namespace {

class MenuFormsTest : public HalvionTest {
protected:
  void SetUp() override {
    HalvionTest::SetUp();
    // Enough rows that no form closes itself at load for an empty table.
    exec("INSERT INTO SettingDrDetails (DoctorID, FirstName) VALUES ('Dr Meera', 'Meera')");
    exec("INSERT INTO SettingsOutPatient (EmployeeID, FirstName, Sex, Age) VALUES ('OP3', 'Beena', 'Female', '41')");
    exec("INSERT INTO SettingsInPatient (EmployeeID, FirstName, Sex, Age, Discharged) "
         "VALUES ('IP1', 'Ravi', 'Male', '60', 'No')");
    exec("INSERT INTO SettingsLab VALUES ('Blood Sugar', '120')");
    exec("INSERT INTO SettingsXRay VALUES ('Chest', '300', '200')");
    for (const char* bills : {"OutPatientPrintDetails", "InPatientPrintDetails", "LabPrintDetails", "XRayPrintDetails"})
      exec(QStringLiteral("INSERT INTO %1 (BillNo, Date, total, patientName, patientid, BillDelete) "
                          "VALUES (1, '2026-12-10', '100', 'Beena', 'OP3', 'Available'), "
                          "(2, '2026-12-10', '50', 'Beena', 'OP3', 'Deleted')")
               .arg(QString::fromLatin1(bills)));
    for (const char* counter : {"SettingsOutBillNo", "SettingsInBillNo", "SettingsLabBillNo", "SettingsXRayBillNo"})
      exec(QStringLiteral("UPDATE %1 SET BillNo = 2").arg(QString::fromLatin1(counter)));
    gCon = openDb();
    gUserName = QStringLiteral("tumbo");
    boxes().allowAny(vbNo);
  }
  void TearDown() override {
    ResetForms();
    ClearMainMenuHooks();
    HalvionTest::TearDown();
  }

  static std::set<VbForm*> liveForms() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    std::set<VbForm*> out;
    for (QWidget* w : QApplication::allWidgets())
      if (auto* f = dynamic_cast<VbForm*>(w)) out.insert(f);
    return out;
  }
  // Runs the menu command and returns the forms it brought up.
  static std::vector<VbForm*> openMenu(const MenuCommand& command) {
    const std::set<VbForm*> before = liveForms();
    command.open();
    QApplication::processEvents();
    std::vector<VbForm*> opened;
    for (VbForm* f : liveForms())
      if (!before.count(f)) opened.push_back(f);
    return opened;
  }
  static void closeAll(const std::vector<VbForm*>& forms) {
    for (VbForm* f : forms)
      if (liveForms().count(f)) f->Unload();
    QApplication::processEvents();
  }
  static std::vector<const MenuCommand*> formCommands() {
    std::vector<const MenuCommand*> out;
    std::set<FormOpener> seen;
    for (const MenuCommand& c : MainWindowCommands())
      if (c.open && seen.insert(c.open).second) out.push_back(&c);
    return out;
  }
};

TEST_F(MenuFormsTest, EveryMenuFormOpensAndClosesTenTimesLeavingNothing) {
  const std::size_t baseline = liveForms().size();
  ASSERT_FALSE(formCommands().empty());
  for (const MenuCommand* command : formCommands()) {
    SCOPED_TRACE(command->command);
    for (int round = 0; round < 10; ++round) {
      const std::vector<VbForm*> opened = openMenu(*command);
      ASSERT_FALSE(opened.empty()) << "round " << round << ": no form opened; said "
                                   << boxes().prompts().join(" | ").toStdString();
      closeAll(opened);
      ASSERT_EQ(liveForms().size(), baseline) << "round " << round << ": a closed form is still alive";
    }
  }
}

// The texts a person may type or paste into any box.
QStringList hostileTexts() {
  return {
      QStringLiteral("O'Brien \"Junior\""),
      QStringLiteral("'; DROP TABLE SettingsLab; --"),
      QStringLiteral("100%"),
      QStringLiteral("_a_%_"),
      QString(10000, u'W'),
      QString::fromUtf8("\xe0\xa4\xb0\xe0\xa4\xbe\xe0\xa4\xae"),         // Devanagari
      QString::fromUtf8("\xd8\xb9\xd9\x84\xd9\x8a"),                     // Arabic
      QString::fromUtf8("\xd7\xa9\xd7\x9c\xd7\x95\xd7\x9d"),             // Hebrew
      QString::fromUtf8("\xf0\x9f\x98\x80\xf0\x9f\x8f\xa5"),             // emoji
      QStringLiteral("tab\there\r\nnew line\x01\x1b\x7f") + QChar(u'\0') + QStringLiteral("nul"),
  };
}

// Every text box of the forms, and the text part of every editable combo box; not the date
// pickers' own boxes.
std::vector<QLineEdit*> textBoxesOf(const std::vector<VbForm*>& forms) {
  std::vector<QLineEdit*> out;
  for (VbForm* f : forms)
    for (QLineEdit* box : f->findChildren<QLineEdit*>())
      if (box->isVisible() && box->isEnabled() && !box->isReadOnly() &&
          !qobject_cast<QAbstractSpinBox*>(box->parentWidget()))
        out.push_back(box);
  return out;
}

TEST_F(MenuFormsTest, HostileTextInEveryBoxIsShownAsTakenAndWritesNothing) {
  const QString before = DatabaseDump(dbPath());
  int boxesTried = 0;
  for (const MenuCommand* command : formCommands()) {
    SCOPED_TRACE(command->command);
    const std::vector<VbForm*> opened = openMenu(*command);
    for (QLineEdit* box : textBoxesOf(opened)) {
      ++boxesTried;
      auto* combo = qobject_cast<QComboBox*>(box->parentWidget());
      SCOPED_TRACE(((combo ? combo : static_cast<QWidget*>(box))->objectName()).toStdString());
      for (const QString& text : hostileTexts()) {
        SCOPED_TRACE(text.left(40).toStdString());
        if (!box->isVisible() || !box->isEnabled()) break;  // an earlier text moved the form on
        TypeOver(box, QString());
        const QString emptied = box->text();
        QApplication::clipboard()->setText(text);
        Paste(box);
        const QString shown = box->text();
        // Taken whole (up to the box's length), refused whole, or completed to a list item.
        const bool whole = shown == text.left(box->maxLength());
        const bool refused = shown == emptied;
        const bool listed = combo && combo->findText(shown, Qt::MatchFixedString) >= 0;
        const bool masked = !box->inputMask().isEmpty() || box->validator();
        EXPECT_TRUE(whole || refused || listed || masked) << "shown: " << shown.left(60).toStdString();
        // A character at a time, as typed, for the short texts.
        if (text.size() < 100) {
          TypeOver(box, QString());
          TypeCharacters(*box, text);
        }
      }
    }
    closeAll(opened);
  }
  EXPECT_GT(boxesTried, 0);
  EXPECT_EQ(DatabaseDump(dbPath()), before);
}

}  // namespace
