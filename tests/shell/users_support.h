#pragma once
// The user account form over a table the test fills, worked as the user works it: typing into
// the boxes, clicking the image buttons and the options, pressing the CTRL keys.
#include <QRadioButton>
#include <QTest>

#include "data/vbdes.h"
#include "framework/mainmenus.h"
#include "framework/recordhotkeys.h"
#include "globals.h"
#include "shell/frmAddNewUser.h"
#include "support/fixture.h"
#include "support/record_bar.h"
#include "support/input.h"

class UsersTest : public HalvionTest {
protected:
  void SetUp() override {
    HalvionTest::SetUp();
    gCon = openDb();
    exec(QStringLiteral("DELETE FROM SettingsNewUser"));  // every test names its own accounts
  }
  void TearDown() override {
    ClearMainMenuHooks();
    HalvionTest::TearDown();
  }

  // A stored account: name as given, password and type enciphered as the form stores them.
  void addUser(const QString& name, const QString& password = QStringLiteral("pw"),
               const QString& type = QStringLiteral("Admin")) {
    exec(QStringLiteral("INSERT INTO SettingsNewUser(UserName, Password, UserType) VALUES ('%1', '%2', '%3')")
             .arg(name, CipherText(password, true), CipherText(type, true)));
  }

  frmAddNewUser* open() {
    form = ShowForm<frmAddNewUser>();
    if (form) {
      form->FormWindow()->activateWindow();
      (void)QTest::qWaitForWindowActive(form->FormWindow());
    }
    return form;
  }

  // The bar's buttons, by what they do.
  void clickNew() { Click(form->Picture5); }
  void clickModify() { Click(form->Picture6); }
  void clickDelete() { Click(form->Picture7); }
  void clickSave() { Click(form->Picture9); }
  void clickCancel() { Click(form->Picture10); }

  // CTRL+key pressed while the keyboard is in the user name box.
  void ctrl(char key) { PressKey(form->txtUserName, Qt::Key(key), Qt::ControlModifier); }

  // Name, both passwords and the option (-1: none), as typed and clicked.
  void fill(const QString& name, const QString& password, const QString& confirm, int option) {
    TypeOver(form->txtUserName, name);
    TypeOver(form->txtPassword, password);
    TypeOver(form->txtConfirmPassword, confirm);
    if (option >= 0) ChooseOption(form->Option1[std::size_t(option)]);
  }

  std::string mode() const { return RecordBarMode(form); }

  int checkedOption() const {
    for (int i = 0; i < 3; ++i)
      if (form->Option1[std::size_t(i)].isChecked()) return i;
    return -1;
  }
  std::string shownName() const { return form->txtUserName.text().toStdString(); }
  std::string focused() const {
    QWidget* f = form->focusWidget();
    return f == &form->txtUserName          ? "txtUserName"
           : f == &form->txtPassword        ? "txtPassword"
           : f == &form->txtConfirmPassword ? "txtConfirmPassword"
                                            : "other";
  }

  int rowCount() const { return scalar(QStringLiteral("SELECT COUNT(*) FROM SettingsNewUser")).toInt(); }
  QString names() const {
    return scalar(QStringLiteral("SELECT group_concat(UserName, ',') FROM (SELECT UserName FROM SettingsNewUser "
                                 "ORDER BY rowid)"));
  }

  frmAddNewUser* form = nullptr;
};
