#pragma once
// Our stand-in for the outside DES library's one function.
//
// Three-key triple DES (EDE) with the 24-byte key, CBC with a zero IV and PKCS#7 padding.
// Mode 1 enciphers the text's bytes and answers upper-case hex, so the answer is printable, has
// no NUL and no blank at either end. Mode 0 deciphers such hex; text that is not ours (not hex,
// a wrong length, bad padding, a wrong key) answers an empty text and never fails.
#include <QByteArray>

QByteArray Des(const QByteArray& key, const QByteArray& text, int mode, int reserved);
