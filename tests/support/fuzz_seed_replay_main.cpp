// The main of a fuzz target's seed replay in the ordinary host build: every file
// of the folders (or the files) named on the command line goes once through the
// target's LLVMFuzzerTestOneInput, in name order (a folder that does not exist
// is skipped; no seed at all fails). The sanitizers report any
// fault; a seed that the target rejects by aborting fails the run.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  std::vector<fs::path> inputs;
  for (int i = 1; i < argc; ++i) {
    const fs::path arg(argv[i]);
    if (fs::is_directory(arg)) {
      for (const auto& entry : fs::recursive_directory_iterator(arg))
        if (entry.is_regular_file()) inputs.push_back(entry.path());
    } else if (fs::is_regular_file(arg)) {
      inputs.push_back(arg);
    } else {
      // A target without generated seeds has no folder of them.
      std::printf("no seed folder %s: skipped\n", argv[i]);
    }
  }
  std::sort(inputs.begin(), inputs.end());
  if (inputs.empty()) {
    std::fprintf(stderr, "no seeds to replay\n");
    return 2;
  }
  for (const auto& path : inputs) {
    std::ifstream file(path, std::ios::binary);
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::printf("%s (%zu bytes)\n", path.string().c_str(), bytes.size());
    std::fflush(stdout);
    // libFuzzer never passes a null pointer, even for an empty input.
    static const uint8_t empty = 0;
    LLVMFuzzerTestOneInput(bytes.empty() ? &empty : bytes.data(), bytes.size());
  }
  std::printf("%zu seeds replayed\n", inputs.size());
  return 0;
}
