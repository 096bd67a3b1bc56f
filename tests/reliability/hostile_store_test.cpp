// Hostile text that a box takes is stored exactly and shown back exactly, and writes nothing
// else: a user account whose password is each such text.
#include <QApplication>
#include <QClipboard>

#include "faults.h"
#include "shell/users_support.h"

namespace {

class HostileStoreTest : public UsersTest {};

TEST_F(HostileStoreTest, APasswordOfAnyTextIsStoredAndShownBackExactly) {
  exec("INSERT INTO SettingsLab VALUES ('Blood Sugar', '120')");
  addUser(QStringLiteral("tumbo"));
  open();
  const QStringList texts = {
      QStringLiteral("O'Brien \"Junior\""),
      QStringLiteral("'; DROP TABLE SettingsLab; --"),
      QStringLiteral("100%_"),
      QString(10000, u'W'),
      QString::fromUtf8("\xe0\xa4\xb0\xe0\xa4\xbe\xe0\xa4\xae \xd8\xb9\xd9\x84\xd9\x8a \xf0\x9f\x98\x80"),
      QStringLiteral("tab\tcr\r\x01\x1b\x7fend"),
  };
  QString name = QStringLiteral("kip");
  for (const QString& text : texts) {
    SCOPED_TRACE(text.left(40).toStdString());
    clickNew();
    type(form->txtUserName, name);
    for (QLineEdit* box : {&form->txtPassword, &form->txtConfirmPassword}) {
      box->setFocus();
      QApplication::clipboard()->setText(text);
      QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);  // CTRL+V may be a hot key
    }
    const QString taken = form->txtPassword.text();
    EXPECT_FALSE(taken.isEmpty());
    QTest::mouseClick(&form->Option1[0], Qt::LeftButton);
    boxes().expect(QStringLiteral("Record Saved Successfully"));
    clickSave();
    ASSERT_EQ(mode(), "browse");
    EXPECT_EQ(DecryptText(scalar(QStringLiteral("SELECT Password FROM SettingsNewUser WHERE UserName = '%1'").arg(name))),
              taken);
    EXPECT_EQ(form->txtPassword.text(), taken);
    name += u'k';
  }
  EXPECT_EQ(rowCount(), 1 + int(texts.size()));
  EXPECT_EQ(scalar("SELECT group_concat(Description || '=' || Amount) FROM SettingsLab"), "Blood Sugar=120");
}

}  // namespace
