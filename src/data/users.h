#pragma once
// The user accounts: one row each in SettingsNewUser, the user name in plain text, the password
// and the user type enciphered. This module owns the table's SQL and its columns: the account
// form, the list of users, the user card, the login, the password change and the splash read and
// write the accounts through it.
#include <QString>
#include <memory>
#include <optional>

#include "data/columns.h"
#include "platform/ado.h"

// Every account, in stored order: the read the account form, the list, the card and the login open.
const TableRead& UsersRead();
// The column the account form and the card find an account by.
inline constexpr int kUserKeyColumn = cols::SettingsNewUser::UserName;

// One account as stored. A NULL column is no text at all (nullopt), which is not the same as an
// empty one: a row without a name or a password is no account.
struct UserAccount {
  Value userId;  // the row's key, to find the same row again after a requery
  std::optional<QString> userName;
  std::optional<QString> password;  // enciphered
  std::optional<QString> userType;  // enciphered: "Admin", "Doctor" or "Employee" once deciphered
};

// The account on the current row of a recordset opened on UsersRead().
UserAccount ReadUserAccount(const Recordset& rs);
// Into the current row: the name, and the password and the type enciphered (the id is the table's).
void WriteUserAccount(Recordset& rs, const QString& userName, const QString& password, const QString& userType);

// The password as the account form shows it: deciphered, nothing for none.
QString PlainPassword(const UserAccount& account);
// The type as the login hands it to the menus: trimmed, deciphered, trimmed again; empty for none.
QString PlainUserType(const UserAccount& account);
// The type as the account form selects its option: deciphered and trimmed.
QString ShownUserType(const UserAccount& account);
bool IsAdminAccount(const UserAccount& account);

// Whether the account opens with exactly this name and this password. A row without a name or a
// password never does, not even for empty boxes.
bool AccountOpensWith(const UserAccount& account, const QString& name, const QString& password);

// Whether any account stored in the database of `con` opens with this name and password. Raises
// DbError when the accounts cannot be read.
bool AnyAccountOpensWith(const std::shared_ptr<Connection>& con, const QString& name, const QString& password);

// The row with this UserID as the table holds it now, and how many other rows are Admins.
struct StoredAccount {
  bool found = false;
  bool admin = false;
  QString name;
  int otherAdmins = 0;
};
// Requeries `table` (opened on UsersRead()) first, so rows saved or changed since it was opened count.
StoredAccount FindStoredAccount(Recordset& table, const Value& userId);

// Puts `rs` (opened on UsersRead()) on the first account named `userName`; false when there is none.
bool MoveToAccount(Recordset& rs, const QString& userName);
// Stores `password` enciphered as the current row's password. On failure raises DbError with the
// change still pending.
void ChangeAccountPassword(Recordset& rs, const QString& password);
