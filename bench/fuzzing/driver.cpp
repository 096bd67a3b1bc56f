// libFuzzer's entry for one fuzz target, chosen when the fuzzer is built (HALVION_FUZZ_TARGET is
// the index into kFuzzTargets). The targets need a Qt application for the program folder and
// the text codecs; the offscreen platform keeps it off any display.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz_replay/fuzz_targets.h"
#include "platform/system.h"

namespace {

std::string absolute(const char* path) {
  std::string out = QFileInfo(QString::fromLocal8Bit(path)).absoluteFilePath().toLocal8Bit().toStdString();
  // A prefix such as "crashes/keys/" keeps its slash: libFuzzer glues the file name to it.
  const std::size_t n = std::strlen(path);
  if (n > 0 && path[n - 1] == '/' && (out.empty() || out.back() != '/')) out += '/';
  return out;
}

// Every cipher call makes the program folder the current directory, as the program must, so
// libFuzzer would read its corpus and write new inputs and crashes relative to the wrong folder
// from the first input on. The corpus folders and the path-valued flags are turned into absolute
// paths before libFuzzer reads the command line.
void makePathsAbsolute(int* argc, char*** argv) {
  static const char* const pathFlags[] = {"-artifact_prefix=", "-exact_artifact_path=", "-dict=",
                                          "-features_dir=", "-stop_file=", "-mutation_graph_file="};
  static std::vector<std::string> texts;
  static std::vector<char*> args;
  texts.reserve(std::size_t(*argc));
  for (int i = 0; i < *argc; ++i) {
    const char* arg = (*argv)[i];
    std::string text = arg;
    if (i > 0 && arg[0] != '-') {
      text = absolute(arg);
    } else {
      for (const char* flag : pathFlags) {
        const std::size_t n = std::strlen(flag);
        if (std::strncmp(arg, flag, n) == 0 && arg[n] != '\0') text = flag + absolute(arg + n);
      }
    }
    texts.push_back(std::move(text));
  }
  for (std::string& t : texts) args.push_back(t.data());
  args.push_back(nullptr);
  *argv = args.data();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  makePathsAbsolute(argc, argv);
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  // Qt gets only the program name: libFuzzer's flags are none of its business.
  static int qtArgc = 1;
  static char* qtArgv[] = {(*argv)[0], nullptr};
  static QApplication app(qtArgc, qtArgv);
  SetAppPath(QDir::tempPath());
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return kFuzzTargets[HALVION_FUZZ_TARGET].run(data, size);
}
