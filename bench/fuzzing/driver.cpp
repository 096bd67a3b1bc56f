// libFuzzer's entry for one fuzz target, chosen when the fuzzer is built (HALVION_FUZZ_TARGET is
// the index into kFuzzTargets). The targets need a Qt application for the program folder and
// the text codecs; the offscreen platform keeps it off any display.
#include <QApplication>
#include <QDir>
#include <cstdlib>

#include "fuzz_replay/fuzz_targets.h"
#include "platform/system.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static QApplication app(*argc, *argv);
  SetAppPath(QDir::tempPath());
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return kFuzzTargets[HALVION_FUZZ_TARGET].run(data, size);
}
