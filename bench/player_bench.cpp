// Times the metafile player over the real-world corpus: every wmf/ file rendered once in a
// fresh process (the whole corpus, cold: font set-up included), then each file rendered
// again several times for its median. Prints the median, 95th percentile and worst file.
//   player_bench [--corpus DIR] [--repeat N]
// Exit status 0; 2 when the corpus cannot be read.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "fidelity/corpus_index.h"
#include "metafile/metafile.h"

namespace {

using namespace vecrast::fidelity;
using Clock = std::chrono::steady_clock;

struct Timed {
  std::string name;
  std::vector<uint8_t> bytes;
  bool rendered = false;
  double medianMs = 0;
};

double RenderMs(const std::vector<uint8_t>& bytes, bool& rendered) {
  metafile::Picture picture;
  std::string reason;
  const auto start = Clock::now();
  rendered = metafile::RenderPlaceableMetafile(bytes.data(), bytes.size(), picture, reason);
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Percentile(std::vector<double> values, double p) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const size_t index = std::min(values.size() - 1, size_t(p * double(values.size() - 1) + 0.5));
  return values[index];
}

}  // namespace

int main(int argc, char** argv) {
  std::string corpus = DefaultCorpusDir();
  int repeat = 5;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string arg = argv[i];
    if (arg == "--corpus") corpus = argv[i + 1];
    else if (arg == "--repeat") repeat = std::max(1, std::atoi(argv[i + 1]));
  }
  std::vector<CorpusFile> files;
  std::string reason;
  if (!LoadCorpus(corpus, files, reason)) {
    std::fprintf(stderr, "player_bench: %s\n", reason.c_str());
    return 2;
  }
  std::vector<Timed> timed;
  for (const CorpusFile& file : files) {
    Timed t;
    t.name = file.name;
    if (ReadFileBytes(file.path, t.bytes, reason)) timed.push_back(std::move(t));
  }

  const auto coldStart = Clock::now();
  for (Timed& t : timed) RenderMs(t.bytes, t.rendered);
  const double coldMs = std::chrono::duration<double, std::milli>(Clock::now() - coldStart).count();

  std::vector<double> medians;
  size_t rendered = 0;
  double warmTotal = 0;
  const Timed* worst = nullptr;
  for (Timed& t : timed) {
    std::vector<double> runs;
    bool ok = false;
    for (int r = 0; r < repeat; ++r) runs.push_back(RenderMs(t.bytes, ok));
    t.medianMs = Percentile(runs, 0.5);
    medians.push_back(t.medianMs);
    warmTotal += t.medianMs;
    rendered += t.rendered ? 1 : 0;
    if (!worst || t.medianMs > worst->medianMs) worst = &t;
  }
  std::printf("player over %zu corpus metafiles (%zu rendered, %zu refused), median of %d runs per file:\n",
              timed.size(), rendered, timed.size() - rendered, repeat);
  std::printf("  per file: median %.3f ms, 95th percentile %.3f ms, worst %.3f ms (%s)\n", Percentile(medians, 0.5),
              Percentile(medians, 0.95), worst ? worst->medianMs : 0.0, worst ? worst->name.c_str() : "-");
  std::printf("  whole corpus in one process: %.0f ms cold (first pass, font set-up included), %.0f ms warm (sum of medians)\n",
              coldMs, warmTotal);
  return 0;
}
