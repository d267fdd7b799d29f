#include "engine/naming.h"

#include <algorithm>
#include <random>

#include "base/ascii_case.h"
#include "engine/text_case.h"
#include "settings/settings.h"

namespace vecrast {

namespace {

constexpr std::string_view kDefaultMask = "%filename%.%ext%";

std::time_t SystemClock() { return std::time(nullptr); }

int32_t SystemRandom(int32_t low, int32_t high) {
  static std::mt19937 generator{std::random_device{}()};
  return std::uniform_int_distribution<int32_t>(low, high)(generator);
}

ClockSource clockSource = SystemClock;
RandomSource randomSource = SystemRandom;

std::tm LocalNowParts() {
  const std::time_t now = clockSource();
  std::tm parts{};
  localtime_r(&now, &parts);
  return parts;
}

std::string TwoDigits(int value) {
  std::string text = std::to_string(value);
  return text.size() < 2 ? "0" + text : text;
}

std::string FileNameValue(const std::tm&) { return BaseName(ConversionJob.inputPath); }
std::string FileNameUpper(const std::tm&) { return UpperCase(BaseName(ConversionJob.inputPath)); }
std::string FileNameLower(const std::tm&) { return LowerCase(BaseName(ConversionJob.inputPath)); }
std::string FileNameTitle(const std::tm&) { return TitleCase(BaseName(ConversionJob.inputPath)); }
std::string Extension(const std::tm&) { return ConversionJob.outputExtension; }
std::string ExtensionUpper(const std::tm&) { return UpperCase(ConversionJob.outputExtension); }
std::string ExtensionTitle(const std::tm&) { return TitleCase(ConversionJob.outputExtension); }
std::string Year(const std::tm& now) { return std::to_string(now.tm_year + 1900); }
std::string Month(const std::tm& now) { return TwoDigits(now.tm_mon + 1); }
std::string Day(const std::tm& now) { return TwoDigits(now.tm_mday); }
std::string Hour(const std::tm& now) { return TwoDigits(now.tm_hour); }
std::string Minute(const std::tm& now) { return TwoDigits(now.tm_min); }
std::string Second(const std::tm& now) { return TwoDigits(now.tm_sec); }
std::string Bpp(const std::tm&) { return std::to_string(ConversionJob.targetBpp); }
std::string Width(const std::tm&) { return std::to_string(ConversionJob.outputWidth); }
std::string Height(const std::tm&) { return std::to_string(ConversionJob.outputHeight); }
std::string Random(const std::tm&) { return PadToFive(ConversionJob.randomToken); }
std::string Sequence(const std::tm&) { return PadToFive(ConversionJob.sequenceNumber); }

constexpr std::array<NameToken, 18> kNameTokens{{
    {"%filename%", FileNameValue},
    {"%filename[u]%", FileNameUpper},
    {"%filename[l]%", FileNameLower},
    {"%filename[t]%", FileNameTitle},
    {"%ext%", Extension},
    {"%ext[u]%", ExtensionUpper},
    {"%ext[t]%", ExtensionTitle},
    {"%yyyy%", Year},
    {"%mm%", Month},
    {"%dd%", Day},
    {"%hh%", Hour},
    {"%ii%", Minute},
    {"%ss%", Second},
    {"%bpp%", Bpp},
    {"%width%", Width},
    {"%height%", Height},
    {"%rnd%", Random},
    {"%n%", Sequence},
}};

std::string ReplaceAll(std::string_view text, std::string_view token, const std::string& value) {
  std::string out;
  size_t from = 0;
  for (size_t at = base::FindIgnoringAsciiCase(text, token); at != std::string_view::npos;
       at = base::FindIgnoringAsciiCase(text, token, from)) {
    out.append(text.substr(from, at - from));
    out += value;
    from = at + token.size();
  }
  out.append(text.substr(from));
  return out;
}

std::string ExpandToken(std::string_view text, const NameToken& token, const std::tm& now) {
  if (base::FindIgnoringAsciiCase(text, token.token) == std::string_view::npos) return std::string(text);
  return ReplaceAll(text, token.token, token.value(now));
}

}  // namespace

void SetClockSource(ClockSource source) { clockSource = source ? source : SystemClock; }
void SetRandomSource(RandomSource source) { randomSource = source ? source : SystemRandom; }

int32_t NewRandomToken() { return randomSource(1, 99999); }

const std::array<NameToken, 18>& NameTokens() { return kNameTokens; }

std::string BaseName(std::string_view path) {
  // A backslash is an ordinary character of a file name here, not a folder separator.
  const size_t separator = path.rfind('/');
  std::string_view name = separator == std::string_view::npos ? path : path.substr(separator + 1);
  if (!name.empty() && name.front() == '"') name.remove_prefix(1);
  const size_t dot = name.find_last_of('.');
  if (dot == std::string_view::npos || name.find_first_of(" \\", dot) != std::string_view::npos) {
    return std::string(name);
  }
  return std::string(name.substr(0, dot));
}

std::string PadToFive(int64_t value) {
  const std::string digits = std::to_string(value);
  if (digits.size() >= 5) return digits.substr(0, 5);
  return std::string(5 - digits.size(), '0') + digits;
}

std::string ExpandTokens(std::string_view text, std::string_view token) {
  for (const auto& entry : kNameTokens) {
    if (entry.token == token) return ExpandToken(text, entry, LocalNowParts());
  }
  return std::string(text);
}

std::string ExpandFilenameMask() {
  std::string name = LowerCase(Settings.filenameMask);
  if (name.empty()) name = kDefaultMask;
  const std::tm now = LocalNowParts();
  for (const auto& token : kNameTokens) name = ExpandToken(name, token, now);
  return name;
}

// Presence is judged on the text as written, so a token that only appears inside an
// earlier token's value is not expanded.
std::string ExpandWatermarkText() {
  const std::string& written = Settings.text;
  if (std::count(written.begin(), written.end(), '%') < 2) return written;
  const std::tm now = LocalNowParts();
  std::string text = written;
  for (const auto& token : kNameTokens) {
    if (base::FindIgnoringAsciiCase(written, token.token) != std::string_view::npos) {
      text = ReplaceAll(text, token.token, token.value(now));
    }
  }
  return text;
}

std::string BuildOutputPath() {
  std::string path = ConversionJob.outputFolder;
  if (!path.empty() && path.back() != '/') path += '/';
  if (Settings.keepSubfolders && !ConversionJob.subfolder.empty()) {
    path += ConversionJob.subfolder;
    if (path.back() != '/') path += '/';
  }
  return path + ExpandFilenameMask();
}

}  // namespace vecrast
