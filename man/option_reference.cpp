#include "option_reference.h"

#include <sstream>

#include "app/option_table.h"
#include "base/ascii_case.h"
#include "engine/formats.h"
#include "engine/keywords.h"
#include "engine/naming.h"
#include "option_descriptions.h"
#include "settings/ini_file.h"
#include "settings/settings.h"
#include "settings/settings_table.h"

namespace vecrast::manual {

namespace {

constexpr std::string_view kExampleInput = "drawing.wmf";

// The format an option of group "Output" or "Input" belongs to: "--PNG-BPP" gives "png".
std::string FormatOf(const OptionRow& row) {
  const std::string_view name = row.longName.substr(2);
  return base::LowerAscii(name.substr(0, name.find('-')));
}

std::vector<std::string> KeywordsOf(const OptionRow& row) {
  std::vector<std::string> words;
  if (row.keywordKind == keywords::Compression) {
    for (const std::string_view word : CompressionKeywords(FormatOf(row))) words.push_back(base::LowerAscii(word));
  } else {
    for (const KeywordPair& pair : KeywordTable(row.keywordKind)) words.push_back(base::LowerAscii(pair.keyword));
  }
  return words;
}

bool TakesValue(const OptionRow& row) {
  return row.kind != OptionValueKind::Flag && row.kind != OptionValueKind::Switch;
}

std::string ValueName(const OptionRow& row, const OptionDescription* description) {
  if (!TakesValue(row)) return {};
  if (description && !description->valueName.empty()) return std::string(description->valueName);
  switch (row.kind) {
    case OptionValueKind::Integer: return "NUMBER";
    case OptionValueKind::Real: return "REAL";
    case OptionValueKind::Keyword: return "KEYWORD";
    default: return "TEXT";
  }
}

std::string DefaultOf(const OptionRow& row, const SettingDescriptor& setting) {
  // A date's default is the clock when the settings are set up, not the day the manual was made.
  if (setting.type == SettingType::Date) return "the time the run starts";
  const int64_t number = GetSettingInteger(setting);
  switch (row.kind) {
    case OptionValueKind::Keyword: {
      const std::string word = ValueToKeyword(row.keywordKind, static_cast<int32_t>(number), FormatOf(row));
      return word.empty() ? std::to_string(number) : word;
    }
    case OptionValueKind::Real: return FormatIniReal(GetSettingReal(setting));
    case OptionValueKind::Text: {
      const std::string text = GetSettingText(setting);
      return text.empty() ? "empty" : "\"" + text + "\"";
    }
    case OptionValueKind::Flag: return number == row.flagValue ? "on" : "off";
    default: return std::to_string(number);
  }
}

bool IsDepthOption(const OptionRow& row) { return row.longName.ends_with("-BPP"); }

std::string DepthText(const OptionRow& row) {
  const std::string format = FormatOf(row);
  const std::vector<int> allowed = AllowedBppList(format);
  std::string depths;
  for (const int depth : allowed) depths += (depths.empty() ? "" : ", ") + std::to_string(depth);
  const std::string choice = allowed.size() == 1 ? ", or " + depths : ", or one of " + depths;
  return "Colour depth of " + base::UpperAscii(format) + " output in bits per pixel: 0 for automatic" +
         (allowed.empty() ? std::string(".") : choice + "; any other depth is refused.");
}

bool IsOfferedOutput(const std::string& format) {
  for (const std::string& offered : outputExtensions) {
    if (offered == format) return true;
  }
  return false;
}

// Everything said of an option's value: what it is, its keywords, what else it sets, its default.
std::string ValueFacts(const OptionRow& row) {
  std::ostringstream facts;
  switch (row.kind) {
    case OptionValueKind::Integer:
      facts << "A whole number: decimal, $hexadecimal or %binary. ";
      break;
    case OptionValueKind::Real:
      facts << "A decimal number with \".\" as the point, or +Infinity, -Infinity, NaN. ";
      break;
    case OptionValueKind::Keyword: {
      facts << "One of: ";
      const std::vector<std::string> words = KeywordsOf(row);
      for (std::size_t i = 0; i < words.size(); ++i) facts << (i ? ", " : "") << words[i];
      facts << " (any letter case; another word counts as the first). ";
      break;
    }
    case OptionValueKind::Flag:
      facts << "Takes no value. ";
      break;
    default:
      break;
  }
  if (!row.alsoKey.empty()) {
    const SettingDescriptor* also = FindSetting(row.group, row.alsoKey);
    if (also && also->type == SettingType::Flag) facts << "Turns on \"" << row.alsoKey << "\". ";
  }
  if (const SettingDescriptor* setting = FindSetting(row.group, row.key)) {
    facts << "Default: " << DefaultOf(row, *setting) << ".";
  }
  std::string text = facts.str();
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

// What the option does; "" when the descriptions lack it.
std::string Description(const OptionRow& row, const OptionDescription* description) {
  std::string text;
  if (IsDepthOption(row)) {
    text = DepthText(row);
  } else if (description) {
    text = std::string(description->text);
  } else {
    return {};
  }
  if (row.group == "Input") text += " Accepted and stored; this program reads placeable metafiles only.";
  if (row.group == "Output" && !IsOfferedOutput(FormatOf(row))) {
    text += " Checked and used only when " + FormatOf(row) + " is the output; this program writes jpg.";
  }
  return text;
}

// The option as an example writes it, when the descriptions give none: a flag alone, a
// keyword other than the default (or the only one), a depth the format allows.
std::string GeneratedExampleArguments(const OptionRow& row) {
  const std::string name = base::LowerAscii(row.longName);
  if (!TakesValue(row)) return name;
  if (IsDepthOption(row)) {
    const std::vector<int> allowed = AllowedBppList(FormatOf(row));
    return name + "=" + (allowed.empty() ? std::string("0") : std::to_string(allowed.front()));
  }
  if (row.kind == OptionValueKind::Keyword) {
    const SettingDescriptor* setting = FindSetting(row.group, row.key);
    const std::string fallback = setting ? DefaultOf(row, *setting) : std::string();
    const std::vector<std::string> words = KeywordsOf(row);
    for (const std::string& word : words) {
      if (word != fallback) return name + "=" + word;
    }
    if (!words.empty()) return name + "=" + words.front();  // the only keyword there is
  }
  return {};
}

// A whole command line: "-i FILE" first unless the example is about the input itself.
std::string ExampleCommand(const OptionRow& row, const OptionDescription* description) {
  std::string arguments = description && !description->example.empty() ? std::string(description->example)
                                                                       : GeneratedExampleArguments(row);
  if (arguments.empty()) return {};
  if (row.target == OptionTarget::InputArgument) return "vecrast " + arguments;
  return "vecrast -i " + std::string(kExampleInput) + " " + arguments;
}

struct SectionOfGroup {
  std::string_view group;
  std::string_view title;
  std::string_view anchor;
};

constexpr SectionOfGroup kSections[] = {
    {"", "Main options", "main"},
    {"Input", "Input options", "input"},
    {"Output", "Output options", "output"},
    {"Transform", "Rotation, resize and flips", "transform"},
    {"Adjustment", "Colour adjustment", "adjustment"},
    {"Frame", "Frame", "frame"},
    {"Watermark", "Watermark", "watermark"},
    {"Advanced", "Names and file times", "advanced"},
};

constexpr TokenMeaning kTokenMeanings[] = {
    {"%filename%", "the input's name without its extension, as on disk"},
    {"%filename[u]%", "the same in upper case"},
    {"%filename[l]%", "the same in lower case"},
    {"%filename[t]%", "the same with only its first letter in upper case"},
    {"%ext%", "the output extension, jpg"},
    {"%ext[u]%", "the output extension in upper case"},
    {"%ext[t]%", "the output extension with its first letter in upper case"},
    {"%yyyy%", "the year, four digits"},
    {"%mm%", "the month, 01 to 12"},
    {"%dd%", "the day of the month, two digits"},
    {"%hh%", "the hour, 00 to 23"},
    {"%ii%", "the minute, two digits"},
    {"%ss%", "the second, two digits"},
    {"%bpp%", "the colour depth written"},
    {"%width%", "the width after resizing, before frame and watermark"},
    {"%height%", "the height after resizing"},
    {"%rnd%", "a random number of five digits, new after each written file"},
    {"%n%", "a running number of five digits, from 00001"},
};

}  // namespace

const std::string_view kOptionSyntax =
    "Options match without regard to letter case. A long option takes its value after \"=\" in the same "
    "argument; a value may begin with a single \"-\" (a negative number) but not with \"--\". A number beyond "
    "the 32-bit range counts as the largest (or smallest) 32-bit number, so that range checks refuse it. "
    "Options are applied from left to right: a later one wins. Unknown options and stray arguments are "
    "skipped with a warning on standard error.";

const std::vector<SwitchEntry>& FirstArgumentSwitches() {
  static const std::vector<SwitchEntry> switches = {
      {{"-h", "-?", "--help"}, "Print a short help text and end. It shows the common options; the manual lists them all."},
      {{"-v", "--version"}, "Print the version number and end."},
  };
  return switches;
}

const std::string_view kFirstArgumentNote = "Anywhere but first, these are skipped like any unknown option.";

const std::string_view kNameMaskIntro =
    "The file written is named by --filename-mask (default \"%filename%.%ext%\"). The mask is taken in lower "
    "case, and each of these tokens, in this order, is replaced wherever it stands:";

const std::string_view kNameMaskNote =
    "A backslash is an ordinary character of a file name. Two inputs that give the same name overwrite each "
    "other: use %n% or %rnd% to keep them apart.";

OptionReference BuildOptionReference() {
  OptionReference reference;
  for (const SectionOfGroup& group : kSections) {
    OptionSection section{group.title, group.anchor, {}};
    for (const OptionRow& row : OptionTable()) {
      if (row.group != group.group) continue;
      const OptionDescription* description = FindOptionDescription(row.longName);
      OptionEntry entry;
      entry.text = Description(row, description);
      if (entry.text.empty()) {
        reference.undescribed.emplace_back(row.longName);
        continue;
      }
      entry.shortName = base::LowerAscii(row.shortName);
      entry.longName = base::LowerAscii(row.longName);
      entry.valueName = ValueName(row, description);
      entry.facts = ValueFacts(row);
      entry.example = ExampleCommand(row, description);
      section.options.push_back(std::move(entry));
    }
    reference.sections.push_back(std::move(section));
  }
  return reference;
}

std::vector<TokenMeaning> NameTokenMeanings() {
  std::vector<TokenMeaning> meanings;
  for (const NameToken& token : NameTokens()) {
    for (const TokenMeaning& meaning : kTokenMeanings) {
      if (meaning.token == token.token) meanings.push_back(meaning);
    }
  }
  return meanings;
}

}  // namespace vecrast::manual
