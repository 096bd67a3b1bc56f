// The accounts as their module reads and writes them: the one reading of an account that the
// login, the splash, the account form and the password change all share.
#include "data/users.h"
#include "data/vbdes.h"
#include "support/fixture.h"

namespace {

class UsersTest : public HalvionTest {
protected:
  static QString cipher(const char* text) { return CipherText(QLatin1String(text), true); }
  void storeOnly(const QString& values) {
    exec(QStringLiteral("DELETE FROM SettingsNewUser"));
    if (!values.isEmpty()) exec(QStringLiteral("INSERT INTO SettingsNewUser(UserName, Password, UserType) VALUES ") + values);
  }
};

TEST_F(UsersTest, AnAccountOpensOnlyWithItsOwnNameAndPassword) {
  const struct {
    const char* name;
    QString rows;  // (UserName, Password, UserType) values
    const char* user;
    const char* password;
    bool opens;
  } cases[] = {
      {"name and password", QStringLiteral("('kip', '%1', NULL)").arg(cipher("pw")), "kip", "pw", true},
      {"the name is not trimmed", QStringLiteral("('kip', '%1', NULL)").arg(cipher("pw")), "kip ", "pw", false},
      {"the name is matched case by case", QStringLiteral("('kip', '%1', NULL)").arg(cipher("pw")), "Kip", "pw", false},
      {"a wrong password", QStringLiteral("('kip', '%1', NULL)").arg(cipher("pw")), "kip", "px", false},
      {"blanks around the stored cipher", QStringLiteral("('kip', ' %1  ', NULL)").arg(cipher("pw")), "kip", "pw", true},
      {"no password stored, empty boxes", QStringLiteral("('kip', NULL, NULL)"), "kip", "", false},
      {"no name stored, empty boxes", QStringLiteral("(NULL, '%1', NULL)").arg(cipher("")), "", "", false},
      {"a later row has it", QStringLiteral("('kip', '%1', NULL), ('kip', '%2', NULL)").arg(cipher("a"), cipher("b")),
       "kip", "b", true},
      {"no accounts", QString(), "kip", "pw", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    storeOnly(c.rows);
    EXPECT_EQ(AnyAccountOpensWith(openDb(), QLatin1String(c.user), QLatin1String(c.password)), c.opens);
  }
}

TEST_F(UsersTest, AStoredAccountIsJudgedByTheTableAsItIsNow) {
  storeOnly(QStringLiteral("('root', '%1', '%2'), ('kip', '%1', '%3')").arg(cipher("pw"), cipher("Admin"), cipher("Doctor")));
  Recordset table;
  table.Open(UsersRead(), openDb(), adOpenDynamic, adLockOptimistic);
  const UserAccount root = ReadUserAccount(table);
  EXPECT_EQ(root.userName, QStringLiteral("root"));
  EXPECT_TRUE(IsAdminAccount(root));
  EXPECT_EQ(PlainUserType(root), QStringLiteral("Admin"));

  StoredAccount stored = FindStoredAccount(table, root.userId);
  EXPECT_TRUE(stored.found);
  EXPECT_TRUE(stored.admin);
  EXPECT_EQ(stored.name, QStringLiteral("root"));
  EXPECT_EQ(stored.otherAdmins, 0);

  // Another program makes kip an Admin and adds one more after the table was opened.
  exec(QStringLiteral("UPDATE SettingsNewUser SET UserType = ' %1 ' WHERE UserName = 'kip'").arg(cipher("Admin")));
  exec(QStringLiteral("INSERT INTO SettingsNewUser(UserName, Password, UserType) VALUES ('ann', NULL, '%1')")
           .arg(cipher("Admin")));
  stored = FindStoredAccount(table, root.userId);
  EXPECT_EQ(stored.otherAdmins, 2);

  exec(QStringLiteral("DELETE FROM SettingsNewUser WHERE UserName = 'root'"));
  EXPECT_FALSE(FindStoredAccount(table, root.userId).found);
}

TEST_F(UsersTest, APasswordChangeRewritesOnlyThatAccount) {
  storeOnly(QStringLiteral("('ann', '%1', NULL), ('kip', '%1', NULL)").arg(cipher("old")));
  Recordset rs;
  rs.Open(UsersRead(), openDb(), adOpenDynamic, adLockOptimistic);
  EXPECT_FALSE(MoveToAccount(rs, QStringLiteral("nobody")));
  ASSERT_TRUE(MoveToAccount(rs, QStringLiteral("kip")));
  ChangeAccountPassword(rs, QStringLiteral("new"));
  EXPECT_EQ(scalar(QStringLiteral("SELECT Password FROM SettingsNewUser WHERE UserName = 'kip'")), cipher("new"));
  EXPECT_EQ(scalar(QStringLiteral("SELECT Password FROM SettingsNewUser WHERE UserName = 'ann'")), cipher("old"));
  EXPECT_TRUE(AnyAccountOpensWith(openDb(), QStringLiteral("kip"), QStringLiteral("new")));
}

}  // namespace
