// Writes the manual page vecrast(1) from the option table, the keyword tables, the settings'
// command-line defaults and the name tokens, so that it lists every option the program
// accepts with the kind, range, keywords and default of its value.
//
//   make_manual OUTPUT.1
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "app/end_program.h"
#include "app/option_table.h"
#include "app/product.h"
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

// Text as roff shows it literally: backslashes and dashes escaped, no line taken for a request.
std::string Roff(std::string_view text) {
  std::string out;
  for (const char c : text) {
    if (c == '\\') {
      out += "\\e";
    } else if (c == '-') {
      out += "\\-";
    } else {
      out += c;
    }
  }
  if (!out.empty() && (out.front() == '.' || out.front() == '\'')) out.insert(0, "\\&");
  return out;
}

std::string Bold(std::string_view text) { return "\\fB" + Roff(text) + "\\fR"; }
std::string Italic(std::string_view text) { return "\\fI" + Roff(text) + "\\fR"; }

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

std::string ValueName(const OptionRow& row, const OptionDescription* description) {
  if (description && !description->valueName.empty()) return std::string(description->valueName);
  switch (row.kind) {
    case OptionValueKind::Integer: return "NUMBER";
    case OptionValueKind::Real: return "REAL";
    case OptionValueKind::Keyword: return "KEYWORD";
    default: return "TEXT";
  }
}

// The option as it is written: "-i FILE, --input=FILE".
std::string Synopsis(const OptionRow& row, const OptionDescription* description) {
  const bool takesValue = row.kind != OptionValueKind::Flag && row.kind != OptionValueKind::Switch;
  const std::string value = takesValue ? ValueName(row, description) : std::string();
  std::string text;
  if (!row.shortName.empty()) {
    text += Bold(base::LowerAscii(row.shortName));
    if (takesValue) text += " " + Italic(value);
    text += ", ";
  }
  text += Bold(base::LowerAscii(row.longName));
  if (takesValue) text += "=" + Italic(value);
  return text;
}

std::string DefaultOf(const OptionRow& row, const SettingDescriptor& setting) {
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
  return facts.str();
}

std::string Description(const OptionRow& row) {
  std::string text;
  if (row.longName.ends_with("-BPP")) {
    text = DepthText(row);
  } else if (const OptionDescription* description = FindOptionDescription(row.longName)) {
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

struct Section {
  std::string_view group;
  std::string_view title;
};

constexpr Section kSections[] = {
    {"", "Main options"},           {"Input", "Input options"},          {"Output", "Output options"},
    {"Transform", "Rotation, resize and flips"}, {"Adjustment", "Colour adjustment"}, {"Frame", "Frame"},
    {"Watermark", "Watermark"},     {"Advanced", "Names and file times"},
};

// False when an option of the table has no description: the page must list them all.
bool WriteOptions(std::ostream& page) {
  bool complete = true;
  page << ".SH OPTIONS\n";
  page << "Options match without regard to letter case. A long option takes its value after \"=\" in the "
          "same argument; a value may begin with a single \"\\-\" (a negative number) but not with \"\\-\\-\". "
          "A number beyond the 32-bit range counts as the largest (or smallest) 32-bit number, so that range "
          "checks refuse it. Options are applied from left to right: a later one wins. Unknown options and "
          "stray arguments are skipped with a warning on standard error.\n";
  for (const Section& section : kSections) {
    page << ".SS \"" << section.title << "\"\n";
    for (const OptionRow& row : OptionTable()) {
      if (row.group != section.group) continue;
      const OptionDescription* description = FindOptionDescription(row.longName);
      const std::string text = Description(row);
      if (text.empty()) {
        std::cerr << "make_manual: no description of " << row.longName << "\n";
        complete = false;
        continue;
      }
      page << ".TP\n" << Synopsis(row, description) << "\n" << Roff(text);
      const std::string facts = ValueFacts(row);
      if (!facts.empty()) page << "\n" << Roff(facts);
      page << "\n";
    }
  }
  page << ".SS \"Switches of the first argument\"\n"
       << ".TP\n" << Bold("-h") << ", " << Bold("-?") << ", " << Bold("--help") << "\n"
       << Roff("Print a short help text and end. It shows the common options; this page lists them all.") << "\n"
       << ".TP\n" << Bold("-v") << ", " << Bold("--version") << "\n"
       << Roff("Print the version number and end.") << "\n"
       << Roff("Anywhere but first, these are skipped like any unknown option.") << "\n";
  return complete;
}

void WriteHeader(std::ostream& page) {
  const std::string version = VersionText(kVersionNumber);
  page << ".\\\" Written by make_manual from the program's option table; do not edit.\n"
       << ".TH VECRAST 1 \"\" \"vecrast " << version << "\" \"User Commands\"\n"
       << ".SH NAME\nvecrast \\- convert placeable Windows metafiles (WMF) to JPG\n"
       << ".SH SYNOPSIS\n.B vecrast\n\\fB\\-i\\fR \\fIFILE\\fR [\\fIOPTION\\fR]...\n.br\n"
       << ".B vecrast\n\\fB\\-h\\fR | \\fB\\-v\\fR\n"
       << ".SH DESCRIPTION\n"
       << Roff(std::string(kProductTitle) + " draws a placeable Windows metafile (.wmf, .wmz, .apm) at 96 "
               "pixels per inch on white and saves it as a JPG picture. On the way the picture may be turned, "
               "resized, flipped, adjusted in colour, made grey or black and white, framed and stamped with a "
               "text or picture watermark, in that order, and then brought to the chosen colour depth.")
       << "\n.PP\n"
       << Roff("Started with -i, the program converts that one file and ends. Started without it, the program "
               "opens its window. One copy runs at a time: a command-line run waits while another command-line "
               "run works, and ends at once with status 75 when the window is open.")
       << "\n";
}

struct TokenMeaning {
  std::string_view token;
  std::string_view meaning;
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

void WriteNames(std::ostream& page) {
  page << ".SH OUTPUT NAMES\n"
       << Roff("The file written is named by --filename-mask (default \"%filename%.%ext%\"). The mask is taken "
               "in lower case, and each of these tokens, in this order, is replaced wherever it stands:")
       << "\n";
  for (const NameToken& token : NameTokens()) {
    for (const TokenMeaning& meaning : kTokenMeanings) {
      if (meaning.token != token.token) continue;
      page << ".TP\n" << Bold(token.token) << "\n" << Roff(meaning.meaning) << "\n";
    }
  }
  page << ".PP\n"
       << Roff("A backslash is an ordinary character of a file name. Two inputs that give the same name overwrite "
               "each other: use %n% or %rnd% to keep them apart.")
       << "\n";
}

void WriteProfiles(std::ostream& page) {
  page << ".SH PROFILE FILES\n"
       << Roff("A profile is an INI file, UTF-8 (with or without byte-order mark) or ISO 8859-1, read up to "
               "16 MiB. Its group [CLI] holds options by their long names, two dashes included, one per line "
               "as name = value; a flag needs no value. Names match without regard to letter case; lines "
               "starting with \";\" are comments. -i, -o, -c, --profile, --quiet, --debug, --pause, --help and "
               "--version are not read from a profile, and the frame opacity is named --wm-solid-opacity there.")
       << "\n.PP\n.EX\n"
       << Roff("[CLI]") << "\n"
       << Roff("; smaller pictures for the web") << "\n"
       << Roff("--width = 800") << "\n" << Roff("--height = 600") << "\n" << Roff("--keep-aspect-ratio") << "\n"
       << Roff("--jpg-quality = 80") << "\n" << Roff("--filename-mask = \"web_%filename%.%ext%\"") << "\n"
       << ".EE\n";
}

void WriteClosingSections(std::ostream& page) {
  page << ".SH EXIT STATUS\n"
       << ".TP\n.B 0\n" << Roff("The file was converted, or help or the version was printed.") << "\n"
       << ".TP\n.B 1\n" << Roff("An error line was printed, or nothing was converted.") << "\n"
       << ".TP\n.B 75\n" << Roff("The window is open, so the run did not start: try again later.") << "\n"
       << ".SH FILES\n"
       << ".TP\n" << Italic("$XDG_CONFIG_HOME/Zentrafax/vecrast/config.ini") << "\n"
       << Roff("The window's settings (default folder ~/.config). A command-line run never reads or writes it.")
       << "\n.TP\n" << Italic("$XDG_RUNTIME_DIR/" + WindowTitle() + ".lock") << "\n"
       << Roff("The single-instance lock; without a usable $XDG_RUNTIME_DIR it lives in a private folder "
               "vecrast-UID (mode 0700) in $TMPDIR or /tmp.")
       << "\n.TP\n" << Italic(".vecrast-PID-N.tmp") << "\n"
       << Roff("A picture being written, beside its final name; it is renamed into place once complete. "
               "Such files left by a killed run are removed by the next save into that folder.")
       << "\n.SH ENVIRONMENT\n"
       << ".TP\n.B XDG_RUNTIME_DIR\n" << Roff("Folder of the lock, when it is the user's own.") << "\n"
       << ".TP\n.B TMPDIR\n" << Roff("Folder of the private lock folder otherwise.") << "\n"
       << ".TP\n.B XDG_CONFIG_HOME\n.TQ\n.B HOME\n" << Roff("Where the window's settings are kept.") << "\n"
       << ".SH EXAMPLES\n.EX\n"
       << Roff("vecrast -i drawing.wmf -o ~/pictures --jpg-quality=90") << "\n"
       << Roff("for f in *.wmf; do vecrast -q -i \"$f\" & done; wait") << "\n"
       << Roff("vecrast -i chart.wmf --profile=<(printf '[CLI]\\n--greyscale\\n')") << "\n"
       << ".EE\n";
}

}  // namespace
}  // namespace vecrast::manual

int main(int argc, char** argv) {
  using namespace vecrast;
  if (argc != 2) {
    std::cerr << "usage: make_manual OUTPUT.1\n";
    return 2;
  }
  ResetSettings(true);  // the defaults a command-line run starts from
  std::ostringstream page;
  manual::WriteHeader(page);
  const bool complete = manual::WriteOptions(page);
  manual::WriteNames(page);
  manual::WriteProfiles(page);
  manual::WriteClosingSections(page);
  if (!complete) return 1;
  std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
  file << page.str();
  file.close();
  if (!file) {
    std::cerr << "make_manual: cannot write " << argv[1] << "\n";
    return 1;
  }
  return 0;
}
