// The input types the engine knows: every input extension with its kind (format family)
// and a description for file dialogs, and the list of extensions this program accepts.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vecrast {

struct InputType {
  std::string kind;         // the family's main extension, e.g. "wmf" for "apm"
  std::string description;  // shown in the open-file dialog
};

// Every known input extension (lower case, no dot) to its type; built once, never changes.
const std::unordered_map<std::string, InputType>& InputTypeTable();

// The type of an extension (any case, with or without a leading dot); null when unknown.
const InputType* FindInputType(std::string_view extension);

// The accepted input extensions, rebuilt by BuildInputExtensions.
extern std::vector<std::string> inputExtensions;

// Rebuilds inputExtensions from the given kinds: for each kind in order, every extension
// of that kind in table order.
void BuildInputExtensions(const std::vector<std::string>& kinds);
// Rebuilds inputExtensions from the start-up list inputKinds.
void BuildInputExtensions();

// True when the text equals one entry of inputExtensions exactly (callers lower-case it).
bool IsInputExtension(std::string_view extension);

// Lower-cases ASCII letters and drops one leading dot: ".WMF" gives "wmf".
std::string NormaliseExtension(std::string_view extension);

// The extension of a path's file name (the text after its last dot), normalised; empty
// when the name has no dot.
std::string FileExtension(std::string_view path);

// The open-file dialog filter: "<allSupported>|*.wmf;*.wmz;*.apm|<description>|<patterns>|...
// |<allFiles> (*.*)|*.*", one entry per distinct description of the accepted extensions.
std::string BuildInputFileFilter(std::string_view allSupportedLabel, std::string_view allFilesLabel);

}  // namespace vecrast
