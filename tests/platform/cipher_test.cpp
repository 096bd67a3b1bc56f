#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include "data/vbdes.h"
#include "platform/des.h"
#include "support/fixture.h"

namespace {

std::string s(const QString& text) { return text.toStdString(); }

class Cipher : public HalvionTest {
protected:
  void SetUp() override {
    HalvionTest::SetUp();
    startDir_ = QDir::currentPath();
  }
  void TearDown() override {
    SetCipherScratch({});
    QDir::setCurrent(startDir_);
    HalvionTest::TearDown();
  }

  // What a stored text must look like: upper-case hex, whole blocks, nothing else.
  static bool looksStored(const QString& text) {
    static const QRegularExpression hex(QStringLiteral("^([0-9A-F]{16})+$"));
    return hex.match(text).hasMatch();
  }

private:
  QString startDir_;
};

TEST_F(Cipher, RoundTrip) {
  const QString texts[] = {
      QString(), QStringLiteral("a"), QStringLiteral("tumbo"), QStringLiteral("Admin"),
      QStringLiteral("a b"), QStringLiteral("x"), QString(8, u'q'), QString(9, u'r'),
      QString(64, u'z'), QStringLiteral("Ärztin ñ 医"), QStringLiteral("tab\tinside"),
  };
  for (const QString& text : texts) {
    const QString stored = EncryptText(text);
    EXPECT_TRUE(looksStored(stored)) << s(stored) << " for \"" << s(text) << '"';
    EXPECT_EQ(s(DecryptText(stored)), s(text));
  }
}

TEST_F(Cipher, KnownAnswersKeepStoredPasswordsReadable) {
  // Three-key triple DES, CBC from a zero IV, PKCS#7: a database written by one build must be
  // readable by the next, so the stored form is pinned.
  EXPECT_EQ(s(EncryptText(QStringLiteral("tumbo"))), "B080020E0378550E");
  EXPECT_EQ(s(EncryptText(QStringLiteral("Admin"))), "C08C9CE5DBA68462");
  EXPECT_EQ(s(EncryptText(QString())), "18D7F033AE762D5E");
  EXPECT_EQ(s(EncryptText(QStringLiteral("Ärztin ñ 医"))), "16DD6F7A400EE9EABA279091F3CB074C");
}

TEST_F(Cipher, EdgeBlanksComeBackTrimmed) {
  const struct {
    const char* text;
    const char* back;
  } cases[] = {{" tumbo", "tumbo"}, {"tumbo  ", "tumbo"}, {"  a b  ", "a b"}, {"   ", ""}};
  for (const auto& c : cases) {
    const QString stored = EncryptText(QString::fromUtf8(c.text));
    EXPECT_TRUE(looksStored(stored)) << s(stored);
    EXPECT_EQ(s(DecryptText(stored)), c.back) << '"' << c.text << '"';
  }
}

TEST_F(Cipher, TextThatIsNotOursDeciphersToNothing) {
  // One block whose last byte is 'h': no valid padding.
  const QString noPadding = EncryptText(QStringLiteral("abcdefgh")).left(16);
  // One block ending in 0x05 after bytes that are not 0x05: padding that does not check out.
  const QString badPadding = QString::fromLatin1(Des(kCipherKey, QByteArray("abcdefg\x05"), 1, 0).left(16));
  const QString texts[] = {
      QString(), QStringLiteral("xyz"), QStringLiteral("ABC"), QStringLiteral("B080020E0378550"),
      QString(16, u'0'), QStringLiteral("G080020E0378550E"), QStringLiteral(" B080020E0378550E0"),
      noPadding, badPadding,
  };
  for (const QString& text : texts) EXPECT_EQ(s(DecryptText(text)), "") << '"' << s(text) << '"';
}

TEST_F(Cipher, LeavesTheProgramFolderCurrent) {
  const QString elsewhere = QDir::rootPath();
  const QString program = QFileInfo(folder()).canonicalFilePath();
  for (const bool encipher : {true, false}) {
    ASSERT_TRUE(QDir::setCurrent(elsewhere));
    encipher ? EncryptText(QStringLiteral("a")) : DecryptText(QStringLiteral("xyz"));
    EXPECT_EQ(s(QFileInfo(QDir::currentPath()).canonicalFilePath()), s(program)) << encipher;
  }
}

TEST_F(Cipher, AnswerPassesThroughTheScratchField) {
  QStringList seen;
  SetCipherScratch([&seen](const QString& text) {
    seen << text;
    return QStringLiteral("held:") + text;
  });
  const QString pure = CipherText(QStringLiteral(" tumbo "), true);
  EXPECT_EQ(s(EncryptText(QStringLiteral(" tumbo "))), "held:" + s(pure));
  EXPECT_EQ(s(DecryptText(pure)), "held:tumbo");
  EXPECT_EQ(seen, (QStringList{pure, QStringLiteral("tumbo")}));
}

TEST_F(Cipher, AnswerEndsAtItsFirstNul) {
  // A stored text that deciphers to bytes holding a NUL comes back cut there, as a one-line
  // field would hold it; blanks are trimmed before the cut.
  const QString stored = QString::fromLatin1(Des(kCipherKey, QByteArray(" ab\0cd ", 7), 1, 0));
  EXPECT_EQ(s(CipherText(stored, false)), "ab");
}

}  // namespace
