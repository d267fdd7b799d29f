// Writes the manual's HTML option reference from the same option table, descriptions and name
// tokens as the manual page vecrast(1): every option with its value, meaning, default and an
// example, the switches of the first argument and the name tokens. The hand-written pages of
// the manual link to it.
//
//   make_option_page OUTPUT.html
#include <cctype>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <string_view>

#include "app/product.h"
#include "html_text.h"
#include "generated_file.h"
#include "option_reference.h"
#include "settings/settings.h"

namespace vecrast::manual {
namespace {

std::string OptionAnchor(std::string_view longName) { return "opt-" + std::string(longName.substr(2)); }

// Words of the descriptions that stand for a part of the manual.
struct CrossReference {
  std::string_view words;
  std::string_view target;
  std::string_view shownAs;
};

constexpr CrossReference kCrossReferences[] = {
    {"OUTPUT NAMES", "#names", "output names"},
    {"PROFILE FILES", "command-line.html#profiles", "profile files"},
};

// Escaped text in which every option name of `options` links to its entry and the names of
// manual sections link to them.
std::string LinkedHtml(std::string_view text, const std::set<std::string, std::less<>>& options) {
  std::string out;
  std::size_t i = 0;
  while (i < text.size()) {
    if (text.compare(i, 2, "--") == 0) {
      std::size_t end = i + 2;
      while (end < text.size() && (std::islower(static_cast<unsigned char>(text[end])) ||
                                   std::isdigit(static_cast<unsigned char>(text[end])) || text[end] == '-')) {
        ++end;
      }
      while (end > i + 2 && text[end - 1] == '-') --end;
      const std::string_view name = text.substr(i, end - i);
      if (options.contains(name)) {
        out += "<a href=\"#" + OptionAnchor(name) + "\"><code>" + EscapeHtml(name) + "</code></a>";
        i = end;
        continue;
      }
    }
    bool linked = false;
    for (const CrossReference& reference : kCrossReferences) {
      if (text.compare(i, reference.words.size(), reference.words) != 0) continue;
      out += "<a href=\"" + std::string(reference.target) + "\">" + EscapeHtml(reference.shownAs) + "</a>";
      i += reference.words.size();
      linked = true;
      break;
    }
    if (linked) continue;
    out += EscapeHtml(text.substr(i, 1));
    ++i;
  }
  return out;
}

// "<code><b>-i</b> <var>FILE</var></code>, <code><b>--input</b>=<var>FILE</var></code>"
std::string Synopsis(const OptionEntry& option) {
  const std::string value = EscapeHtml(option.valueName);
  std::string text;
  if (!option.shortName.empty()) {
    text += "<code><b>" + EscapeHtml(option.shortName) + "</b>";
    if (!value.empty()) text += " <var>" + value + "</var>";
    text += "</code>, ";
  }
  text += "<code><b>" + EscapeHtml(option.longName) + "</b>";
  if (!value.empty()) text += "=<var>" + value + "</var>";
  return text + "</code>";
}

void WriteHead(std::ostream& page, const std::string& version) {
  page << "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
       << "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
       << "<title>Command-line options - " << EscapeHtml(kProductTitle) << " " << EscapeHtml(version) << "</title>\n"
       << "<link rel=\"stylesheet\" href=\"manual.css\">\n</head>\n<body>\n"
       << "<nav class=\"trail\"><a href=\"index.html\">Contents</a> &rsaquo; "
       << "<a href=\"command-line.html\">The command line</a> &rsaquo; Options</nav>\n"
       << "<h1>Command-line options</h1>\n";
}

void WriteSectionList(std::ostream& page, const OptionReference& reference) {
  page << "<ul class=\"sections\">\n";
  for (const OptionSection& section : reference.sections) {
    page << "<li><a href=\"#" << EscapeHtml(section.anchor) << "\">" << EscapeHtml(section.title) << "</a></li>\n";
  }
  page << "<li><a href=\"#switches\">Switches of the first argument</a></li>\n"
       << "<li><a href=\"#names\">Output names</a></li>\n</ul>\n";
}

void WriteOptions(std::ostream& page, const OptionReference& reference) {
  std::set<std::string, std::less<>> names;
  for (const OptionSection& section : reference.sections) {
    for (const OptionEntry& option : section.options) names.insert(option.longName);
  }
  for (const OptionSection& section : reference.sections) {
    page << "<h2 id=\"" << EscapeHtml(section.anchor) << "\">" << EscapeHtml(section.title) << "</h2>\n"
         << "<dl class=\"options\">\n";
    for (const OptionEntry& option : section.options) {
      page << "<dt id=\"" << EscapeHtml(OptionAnchor(option.longName)) << "\">" << Synopsis(option) << "</dt>\n"
           << "<dd>\n<p>" << LinkedHtml(option.text, names) << "</p>\n";
      if (!option.facts.empty()) page << "<p class=\"facts\">" << EscapeHtml(option.facts) << "</p>\n";
      if (!option.example.empty()) {
        page << "<p class=\"example\">Example: <code>" << EscapeHtml(option.example) << "</code></p>\n";
      }
      page << "</dd>\n";
    }
    page << "</dl>\n";
  }
}

void WriteSwitches(std::ostream& page) {
  page << "<h2 id=\"switches\">Switches of the first argument</h2>\n<dl class=\"options\">\n";
  for (const SwitchEntry& entry : FirstArgumentSwitches()) {
    page << "<dt>";
    for (std::size_t i = 0; i < entry.names.size(); ++i) {
      page << (i ? ", " : "") << "<code><b>" << EscapeHtml(entry.names[i]) << "</b></code>";
    }
    page << "</dt>\n<dd><p>" << EscapeHtml(entry.text) << "</p>\n"
         << "<p class=\"example\">Example: <code>vecrast " << EscapeHtml(entry.names.back()) << "</code></p></dd>\n";
  }
  page << "</dl>\n<p>" << EscapeHtml(kFirstArgumentNote) << "</p>\n";
}

void WriteNames(std::ostream& page) {
  page << "<h2 id=\"names\">Output names</h2>\n<p>" << EscapeHtml(kNameMaskIntro) << "</p>\n"
       << "<table class=\"tokens\">\n<tr><th>Token</th><th>Replaced by</th></tr>\n";
  for (const TokenMeaning& meaning : NameTokenMeanings()) {
    page << "<tr><td><code>" << EscapeHtml(meaning.token) << "</code></td><td>" << EscapeHtml(meaning.meaning)
         << "</td></tr>\n";
  }
  page << "</table>\n<p>" << EscapeHtml(kNameMaskNote) << "</p>\n";
}

}  // namespace
}  // namespace vecrast::manual

int main(int argc, char** argv) {
  using namespace vecrast;
  if (argc != 2) {
    std::cerr << "usage: make_option_page OUTPUT.html\n";
    return 2;
  }
  ResetSettings(true);  // the defaults a command-line run starts from
  const manual::OptionReference reference = manual::BuildOptionReference();
  if (!manual::AllOptionsDescribed(reference, "make_option_page")) return 1;
  const std::string version = VersionText(kVersionNumber);
  std::ostringstream page;
  manual::WriteHead(page, version);
  page << "<p>" << manual::EscapeHtml(manual::kOptionSyntax) << "</p>\n";
  manual::WriteSectionList(page, reference);
  manual::WriteOptions(page, reference);
  manual::WriteSwitches(page);
  manual::WriteNames(page);
  page << "<footer>" << manual::EscapeHtml(std::string(kProductTitle) + " " + version)
       << ": this page is written from the program's own table of options.</footer>\n</body>\n</html>\n";
  return manual::WriteGeneratedFile(argv[1], page.str(), "make_option_page") ? 0 : 1;
}
