// Writes the manual page vecrast(1) from the option table, the keyword tables, the settings'
// command-line defaults and the name tokens, so that it lists every option the program
// accepts with the kind, range, keywords and default of its value.
//
//   make_manual OUTPUT.1
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "app/product.h"
#include "generated_file.h"
#include "option_reference.h"
#include "settings/settings.h"

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

// The option as it is written: "-i FILE, --input=FILE".
std::string Synopsis(const OptionEntry& option) {
  std::string text;
  if (!option.shortName.empty()) {
    text += Bold(option.shortName);
    if (!option.valueName.empty()) text += " " + Italic(option.valueName);
    text += ", ";
  }
  text += Bold(option.longName);
  if (!option.valueName.empty()) text += "=" + Italic(option.valueName);
  return text;
}

void WriteOptions(std::ostream& page, const OptionReference& reference) {
  page << ".SH OPTIONS\n" << Roff(kOptionSyntax) << "\n";
  for (const OptionSection& section : reference.sections) {
    page << ".SS \"" << section.title << "\"\n";
    for (const OptionEntry& option : section.options) {
      page << ".TP\n" << Synopsis(option) << "\n" << Roff(option.text);
      if (!option.facts.empty()) page << "\n" << Roff(option.facts);
      page << "\n";
    }
  }
  page << ".SS \"Switches of the first argument\"\n";
  for (const SwitchEntry& entry : FirstArgumentSwitches()) {
    page << ".TP\n";
    for (std::size_t i = 0; i < entry.names.size(); ++i) page << (i ? ", " : "") << Bold(entry.names[i]);
    page << "\n" << Roff(entry.text) << "\n";
  }
  page << Roff(kFirstArgumentNote) << "\n";
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

void WriteNames(std::ostream& page) {
  page << ".SH OUTPUT NAMES\n" << Roff(kNameMaskIntro) << "\n";
  for (const TokenMeaning& meaning : NameTokenMeanings()) {
    page << ".TP\n" << Bold(meaning.token) << "\n" << Roff(meaning.meaning) << "\n";
  }
  page << ".PP\n" << Roff(kNameMaskNote) << "\n";
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
  const manual::OptionReference reference = manual::BuildOptionReference();
  if (!manual::AllOptionsDescribed(reference, "make_manual")) return 1;
  std::ostringstream page;
  manual::WriteHeader(page);
  manual::WriteOptions(page, reference);
  manual::WriteNames(page);
  manual::WriteProfiles(page);
  manual::WriteClosingSections(page);
  return manual::WriteGeneratedFile(argv[1], page.str(), "make_manual") ? 0 : 1;
}
