// Every committed fuzz input, replayed through the fuzz targets with the normal build: a rule a
// fuzzer once broke stays mended.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "fuzz_replay/fuzz_targets.h"

// The corpus sits beside this file in the source tree.
#define HALVION_FUZZ_CORPUS_DIR HALVION_ASSETS_DIR "/../tests/fuzz_replay/corpus"

namespace {

class CorpusReplay : public ::testing::TestWithParam<FuzzTarget> {};

TEST_P(CorpusReplay, EveryInputKeepsTheRules) {
  const QDir folder(QStringLiteral(HALVION_FUZZ_CORPUS_DIR "/") + QString::fromLatin1(GetParam().name));
  const QStringList files = folder.entryList(QDir::Files, QDir::Name);
  ASSERT_FALSE(files.isEmpty()) << "no corpus in " << folder.path().toStdString();
  for (const QString& name : files) {
    SCOPED_TRACE(name.toStdString());
    QFile file(folder.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(GetParam().run(reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())), 0);
  }
}

INSTANTIATE_TEST_SUITE_P(Targets, CorpusReplay, ::testing::ValuesIn(kFuzzTargets),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
