#pragma once
// The password cipher: the stored text of a user's password and type, and back.
#include <QString>
#include <functional>

// The fixed key of the cipher (24 characters).
inline constexpr const char* kCipherKey = "plum orchard keys 8 zz!!";

// The cipher itself, without the login window: makes the program folder the current directory,
// runs the library function, trims blanks at both ends and cuts the answer at its first NUL.
QString CipherText(const QString& text, bool encipher);

// What the forms call. Each passes the answer through the login window's scratch field when the
// login has installed it (SetCipherScratch), and returns what that field holds.
QString EncryptText(const QString& text);
QString DecryptText(const QString& text);

// The login window installs a function that puts a text into its hidden field and reads it back.
void SetCipherScratch(std::function<QString(const QString&)> scratch);
