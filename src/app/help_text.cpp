#include "app/help_text.h"

#include <array>
#include <random>

#include "app/fill_placeholders.h"
#include "settings/settings.h"

namespace vecrast {

namespace {

// The usage examples use this system's paths (folders separated by "/").
constexpr std::array<const char*, 36> kHelpLines = {
    " ",
    "Usage: %s1% -i <filename> [options]",
    " ",
    "  %s1% -i example.%s2%",
    "  %s1% -i /tmp/example.%s2%",
    "  %s1% -i /tmp/example.%s2% -o /tmp/converted",
    "  %s1% -i /tmp/example.%s2% -o /tmp/converted --jpg-quality=95",
    " ",
    "Options:",
    " ",
    "  -h, -?, --help            Display this help and exit",
    "  -i FILE, --input=FILE     Set input file",
    "  -o PATH, --output=PATH    Set output folder",
    "  -c STR, --conversion=STR  Set output extension, STR = (jpg | bmp | ...)",
    " ",
    "Advanced options:",
    " ",
    "  --width=NUM               Set output image width",
    "  --height=NUM              Set output image height",
    "  --filename-mask=STR       Define output filename format",
    "  --flip-horizontal         Flip output image horizontally",
    "  --flip-vertical           Flip output image vertically",
    "  --brightness=NUM          Set output image brightness, NUM = -100..100",
    "  --contrast=NUM            Set output image contrast, NUM = -100..100",
    "  --gamma=NUM               Set output image gamma, NUM = 0.01..9.99",
    "  --invert                  Invert output image",
    "  --greyscale               Greyscale output image",
    "  --profile=FILE            Set configuration file with required settings",
    "    ...                     Refer documentation for all available options",
    " ",
    "Other options:",
    " ",
    "  -q, --quiet               Don't print status messages to stdout",
    "  -d, --debug               Print debug information to stdout",
    "  -p, --pause               Pause at exit",
    "  -v, --version             Display version information and exit",
};

// Each example line shows an input kind drawn at random from the offered ones.
std::string RandomInputKind() {
  if (inputKinds.empty()) return {};
  static std::minstd_rand generator{std::random_device{}()};
  std::uniform_int_distribution<size_t> pick(0, inputKinds.size() - 1);
  return inputKinds[pick(generator)];
}

}  // namespace

std::vector<std::string> HelpLines(const std::string& programName) {
  std::vector<std::string> lines;
  lines.reserve(kHelpLines.size());
  for (const char* line : kHelpLines) lines.push_back(FillPlaceholders(line, programName, RandomInputKind()));
  return lines;
}

}  // namespace vecrast
