// What the manual page and the HTML option reference say about the command line, gathered
// once from the option table, the keyword tables, the settings' command-line defaults and the
// name tokens. The two writers only lay this out in their own markup.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vecrast::manual {

struct OptionEntry {
  std::string shortName;  // "-i"; empty when the option has no short form
  std::string longName;   // "--input"
  std::string valueName;  // "FILE"; empty for an option that takes no value
  std::string text;       // what the option does
  std::string facts;      // the kind of its value, its keywords, what else it sets, its default
  std::string example;    // a whole command line that uses it: "vecrast -i drawing.wmf --greyscale"
};

struct OptionSection {
  std::string_view title;  // "Output options"
  std::string_view anchor;  // "output": a name for links to the section
  std::vector<OptionEntry> options;
};

struct OptionReference {
  std::vector<OptionSection> sections;
  std::vector<std::string> undescribed;  // long names of options the descriptions lack
};

// Every option of the table, by section in the table's order. Reads the command-line defaults:
// call ResetSettings(true) first.
OptionReference BuildOptionReference();

// How options are written and read, said before the list.
extern const std::string_view kOptionSyntax;

// The switches that only count as the first argument.
struct SwitchEntry {
  std::vector<std::string_view> names;  // "-h", "-?", "--help"
  std::string_view text;
};
const std::vector<SwitchEntry>& FirstArgumentSwitches();
extern const std::string_view kFirstArgumentNote;

// The name tokens in the order they are expanded, each with what it stands for.
struct TokenMeaning {
  std::string_view token;
  std::string_view meaning;
};
std::vector<TokenMeaning> NameTokenMeanings();
extern const std::string_view kNameMaskIntro;
extern const std::string_view kNameMaskNote;

}  // namespace vecrast::manual
