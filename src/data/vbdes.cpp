#include "data/vbdes.h"

#include <QDir>

#include "platform/des.h"
#include "platform/system.h"
#include "platform/vbruntime.h"

namespace {
std::function<QString(const QString&)>& scratch() {
  static std::function<QString(const QString&)> s;
  return s;
}
}  // namespace

QString CipherText(const QString& text, bool encipher) {
  QDir::setCurrent(AppPath());
  const QByteArray answer = Des(QByteArray(kCipherKey), text.toUtf8(), encipher ? 1 : 0, 0);
  // Trimmed first, then cut at the first NUL, as a one-line text field would hold it.
  QString result = Trim(QString::fromUtf8(answer));
  const qsizetype nul = result.indexOf(QChar(u'\0'));
  if (nul >= 0) result.truncate(nul);
  return result;
}

QString EncryptText(const QString& text) {
  const QString result = CipherText(text, true);
  return scratch() ? scratch()(result) : result;
}

QString DecryptText(const QString& text) {
  const QString result = CipherText(text, false);
  return scratch() ? scratch()(result) : result;
}

void SetCipherScratch(std::function<QString(const QString&)> s) { scratch() = std::move(s); }
