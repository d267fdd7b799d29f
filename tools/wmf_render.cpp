// Renders one placeable metafile through the player into an 8-bit RGB PNG.
//   wmf_render [--time] [--quiet] [--dump] INPUT.wmf [OUTPUT.png]
// --dump prints each record and the drawing calls it makes (canvas pixels) to standard
// output, then renders as usual. Without OUTPUT the picture is rendered and discarded. Exit status 0 on success; 1 when
// the file is refused or cannot be read or written, with the reason on standard error
// (unless --quiet); 2 on a usage error.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "fidelity/corpus_index.h"
#include "fidelity/png_file.h"
#include "fidelity/record_dump.h"
#include "fidelity/rgb_image.h"
#include "metafile/metafile.h"

namespace {

using namespace vecrast::fidelity;

struct Options {
  std::string input;
  std::string output;
  bool time = false;
  bool quiet = false;
  bool dump = false;
};

constexpr char kUsage[] = "usage: wmf_render [--time] [--quiet] [--dump] INPUT.wmf [OUTPUT.png]\n";

bool ParseOptions(int argc, char** argv, Options& options) {
  std::vector<std::string> positional;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--time") {
      options.time = true;
    } else if (arg == "--dump") {
      options.dump = true;
    } else if (arg == "--quiet" || arg == "-q") {
      options.quiet = true;
    } else if (arg.size() > 1 && arg[0] == '-') {
      return false;
    } else {
      positional.push_back(arg);
    }
  }
  if (positional.empty() || positional.size() > 2) return false;
  options.input = positional[0];
  if (positional.size() == 2) options.output = positional[1];
  return true;
}

int Fail(const Options& options, const std::string& reason) {
  if (!options.quiet) std::fprintf(stderr, "wmf_render: %s: %s\n", options.input.c_str(), reason.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, options)) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  std::vector<uint8_t> bytes;
  std::string reason;
  if (!ReadFileBytes(options.input, bytes, reason)) return Fail(options, reason);

  if (options.dump && !DumpMetafile(bytes, stdout, reason)) return Fail(options, reason);

  metafile::Picture picture;
  const auto start = std::chrono::steady_clock::now();
  const bool rendered = metafile::RenderPlaceableMetafile(bytes.data(), bytes.size(), picture, reason);
  const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  if (options.time) std::printf("%.3f ms\n", ms);
  if (!rendered) return Fail(options, reason.empty() ? "refused without a reason" : reason);

  const RgbImage image = FromPicture(picture);
  if (image.width == 0) return Fail(options, "the player returned an inconsistent picture");
  if (!options.output.empty() && !WritePng(options.output, image, reason)) return Fail(options, reason);
  return 0;
}
