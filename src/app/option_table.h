// Every command-line option as one row of data: its names, how its value is read, and the
// setting it writes. The parser, the profile reader and the tests walk this table.
#pragma once

#include <span>
#include <string_view>

namespace vecrast {

enum class OptionValueKind {
  Text,     // stored as given, outer double quotes removed
  Integer,  // IntegerValue
  Real,     // RealValue
  Keyword,  // KeywordValue of the row's keyword kind
  Flag,     // no value; writes the row's flag value
  JobText,  // -i, -o, -c: a ConversionJob field; the short form takes the next argument
  Switch,   // -q, -d, -p: no value; a run-mode switch
  Profile,  // --profile=FILE
};

// What a JobText or Switch row writes.
enum class OptionTarget { Setting, InputArgument, OutputFolder, OutputExtension, Quiet, Debug, Pause, Profile };

struct OptionRow {
  std::string_view shortName;  // "-I"; empty when the option has no short form
  std::string_view longName;   // "--INPUT"; upper case
  OptionValueKind kind;
  OptionTarget target;
  int keywordKind;             // for Keyword rows
  std::string_view group;      // setting written (Setting rows)
  std::string_view key;
  int flagValue;               // value a Flag row writes
  std::string_view alsoKey;    // a second setting of the same group, set to alsoValue
  int alsoValue;
  std::string_view profileName;  // the key naming it in a profile's "CLI" group; empty: none
};

// All options, in table order.
std::span<const OptionRow> OptionTable();

// The row whose short or long name equals `key` (upper case); null when none.
const OptionRow* FindOption(std::string_view key);

// The row a profile entry named `name` (upper case) sets; null when none.
const OptionRow* FindProfileOption(std::string_view name);

}  // namespace vecrast
