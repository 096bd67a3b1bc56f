#include "data/users.h"

#include "data/vbdes.h"
#include "platform/vbruntime.h"

namespace {
namespace col = cols::SettingsNewUser;

std::optional<QString> textOf(const Value& v) {
  if (v.IsNull()) return std::nullopt;
  return v.toText();
}

// Stored text read the way the login reads it: trimmed, deciphered, trimmed again.
QString loginPlain(const std::optional<QString>& stored) {
  return stored ? Trim(DecryptText(Trim(*stored))) : QString();
}
}  // namespace

const TableRead& UsersRead() {
  static const TableRead read{.table = cols::TableName(col::kTable)};
  return read;
}

UserAccount ReadUserAccount(const Recordset& rs) {
  UserAccount a;
  a.userId = rs.Fields(col::UserID);
  a.userName = textOf(rs.Fields(col::UserName));
  a.password = textOf(rs.Fields(col::Password));
  a.userType = textOf(rs.Fields(col::UserType));
  return a;
}

void WriteUserAccount(Recordset& rs, const QString& userName, const QString& password, const QString& userType) {
  rs.SetField(col::UserName, userName);
  rs.SetField(col::Password, EncryptText(password));
  rs.SetField(col::UserType, EncryptText(userType));
}

QString PlainPassword(const UserAccount& account) { return DecryptText(account.password.value_or(QString())); }

QString PlainUserType(const UserAccount& account) { return loginPlain(account.userType); }

QString ShownUserType(const UserAccount& account) { return Trim(DecryptText(account.userType.value_or(QString()))); }

bool IsAdminAccount(const UserAccount& account) {
  return account.userType && PlainUserType(account) == QLatin1String("Admin");
}

bool AccountOpensWith(const UserAccount& account, const QString& name, const QString& password) {
  if (!account.userName || !account.password) return false;
  return name == *account.userName && password == loginPlain(account.password);
}

bool AnyAccountOpensWith(const std::shared_ptr<Connection>& con, const QString& name, const QString& password) {
  Recordset users;
  users.Open(UsersRead(), con);
  for (; !users.Eof(); users.MoveNext())
    if (AccountOpensWith(ReadUserAccount(users), name, password)) return true;
  return false;
}

StoredAccount FindStoredAccount(Recordset& table, const Value& userId) {
  table.Requery();
  StoredAccount stored;
  for (; !table.Eof(); table.MoveNext()) {
    const UserAccount account = ReadUserAccount(table);
    const bool admin = IsAdminAccount(account);
    if (!stored.found && account.userId == userId) {
      stored.found = true;
      stored.admin = admin;
      stored.name = account.userName.value_or(QString());
    } else if (admin) {
      ++stored.otherAdmins;
    }
  }
  return stored;
}

bool MoveToAccount(Recordset& rs, const QString& userName) {
  rs.MoveFirst();
  for (long i = 0, n = rs.RecordCount(); i < n; ++i) {
    if (rs.Fields(col::UserName).toText() == userName) return true;
    rs.MoveNext();
  }
  return false;
}

void ChangeAccountPassword(Recordset& rs, const QString& password) {
  rs.SetField(col::Password, EncryptText(password));
  rs.Update();
}
