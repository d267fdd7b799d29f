// Output naming: the eighteen name tokens, the expansion of the file-name mask and of the
// watermark text, and the output path of the file being converted.
#pragma once

#include <array>
#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>

namespace vecrast {

// The clock (seconds since 1970, turned into local time for the tokens) and the random
// source of "%rnd%". Tests install fixed ones; null restores the real ones.
using ClockSource = std::time_t (*)();
using RandomSource = int32_t (*)(int32_t low, int32_t high);  // uniform in [low, high]
void SetClockSource(ClockSource source);
void SetRandomSource(RandomSource source);

// A new value for ConversionJob.randomToken: uniformly 1 to 99999.
int32_t NewRandomToken();

// A token and how its value is made from ConversionJob and the local time `now`.
struct NameToken {
  std::string_view token;
  std::string (*value)(const std::tm& now);
};

// The eighteen tokens in the order they are expanded.
const std::array<NameToken, 18>& NameTokens();

// The file part of a path (after the last "/", a leading double quote skipped) with its last
// extension removed; an extension is the text after the last dot when no blank or backslash
// follows that dot. "plan.rev.wmf" gives "plan.rev"; "plan.rev 2" stays whole; "a\x.wmf"
// gives "a\x" (a backslash is an ordinary character of a file name).
std::string BaseName(std::string_view path);

// A number in decimal, left-padded with "0" to five characters, or cut to its first five.
std::string PadToFive(int64_t value);

// Replaces every occurrence of one token in the text (found ignoring letter case) by its
// current value; the rest of the text is unchanged. An unknown token changes nothing.
std::string ExpandTokens(std::string_view text, std::string_view token);

// The output file name from the "Filename Mask" setting: the mask lower-cased (an empty one
// is "%filename%.%ext%"), then every token replaced in table order.
std::string ExpandFilenameMask();

// The watermark "Text" setting with its tokens expanded; literal text keeps its case, and
// a text with fewer than two "%" is used unchanged.
std::string ExpandWatermarkText();

// outputFolder, then subfolder when "Keep Subfolders" is on (each made to end in "/"), then
// the expanded file name. Creates no folder and checks no file.
std::string BuildOutputPath();

}  // namespace vecrast
