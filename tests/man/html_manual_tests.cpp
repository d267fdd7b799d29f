// The HTML manual as the build assembles it: every page is a complete document whose
// elements nest, and every link to a page, an image or a place in a page reaches something
// that exists in the manual's folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "temp_folder.h"

namespace vecrast::manual {
namespace {

namespace fs = std::filesystem;

const fs::path kManual = VECRAST_HTML_MANUAL;

std::vector<fs::path> Pages() {
  std::vector<fs::path> pages;
  std::error_code ignored;
  for (const auto& entry : fs::recursive_directory_iterator(kManual, ignored)) {
    if (entry.path().extension() == ".html") pages.push_back(entry.path());
  }
  return pages;
}

// The values of every attribute `name` ("href", "src", "id") in the page.
std::vector<std::string> AttributeValues(const std::string& page, const std::string& name) {
  std::vector<std::string> values;
  const std::string marker = " " + name + "=\"";
  for (std::size_t at = page.find(marker); at != std::string::npos; at = page.find(marker, at + 1)) {
    const std::size_t start = at + marker.size();
    const std::size_t end = page.find('"', start);
    if (end == std::string::npos) break;
    values.push_back(page.substr(start, end - start));
  }
  return values;
}

bool IsExternal(const std::string& link) {
  return link.starts_with("http://") || link.starts_with("https://") || link.starts_with("mailto:");
}

// "" when the elements nest properly, else what is wrong. Void elements need no end tag.
std::string NestingFault(const std::string& page) {
  static const std::set<std::string> kVoid = {"meta", "link", "img", "br", "hr", "input", "!DOCTYPE"};
  std::vector<std::string> open;
  for (std::size_t at = page.find('<'); at != std::string::npos; at = page.find('<', at + 1)) {
    const std::size_t end = page.find('>', at);
    if (end == std::string::npos) return "a tag that never ends";
    const std::string tag = page.substr(at + 1, end - at - 1);
    const bool closing = tag.starts_with("/");
    const std::string name = tag.substr(closing ? 1 : 0, tag.find_first_of(" \n", closing ? 1 : 0) - (closing ? 1 : 0));
    if (kVoid.contains(name)) continue;
    if (!closing) {
      open.push_back(name);
    } else if (open.empty() || open.back() != name) {
      return "</" + name + "> closes <" + (open.empty() ? std::string("nothing") : open.back()) + ">";
    } else {
      open.pop_back();
    }
  }
  return open.empty() ? std::string() : "<" + open.back() + "> is never closed";
}

TEST(HtmlManual, HasTheIndexTheOptionPageAndTheStylesheet) {
  for (const char* file : {"index.html", "options.html", "manual.css", "window.html", "preferences.html",
                           "themes.html", "command-line.html", "files.html"}) {
    EXPECT_TRUE(fs::is_regular_file(kManual / file)) << file;
  }
}

TEST(HtmlManual, EveryPageIsACompleteDocumentWhoseElementsNest) {
  const std::vector<fs::path> pages = Pages();
  ASSERT_GE(pages.size(), 2u) << kManual;
  for (const fs::path& path : pages) {
    const std::string page = testing::ReadFileBytes(path.string());
    EXPECT_TRUE(page.starts_with("<!DOCTYPE html>")) << path;
    EXPECT_NE(page.find("<meta charset=\"utf-8\">"), std::string::npos) << path;
    EXPECT_NE(page.find("<title>"), std::string::npos) << path;
    EXPECT_EQ(NestingFault(page), "") << path;
    const std::vector<std::string> ids = AttributeValues(page, "id");
    EXPECT_EQ(std::set<std::string>(ids.begin(), ids.end()).size(), ids.size()) << path << ": an id given twice";
  }
}

TEST(HtmlManual, EveryLocalLinkReachesAFileAndPlaceThatExist) {
  for (const fs::path& path : Pages()) {
    const std::string page = testing::ReadFileBytes(path.string());
    std::vector<std::string> links = AttributeValues(page, "href");
    const std::vector<std::string> sources = AttributeValues(page, "src");
    links.insert(links.end(), sources.begin(), sources.end());
    for (const std::string& link : links) {
      if (IsExternal(link)) continue;
      ASSERT_FALSE(link.empty()) << path;
      const std::size_t hash = link.find('#');
      const std::string file = link.substr(0, hash);
      const fs::path target = file.empty() ? path : (path.parent_path() / file).lexically_normal();
      EXPECT_TRUE(fs::is_regular_file(target)) << path.filename() << " links to " << link;
      EXPECT_TRUE(target.string().starts_with(kManual.lexically_normal().string())) << link << " leaves the manual";
      if (hash == std::string::npos || !fs::is_regular_file(target)) continue;
      const std::vector<std::string> ids = AttributeValues(testing::ReadFileBytes(target.string()), "id");
      EXPECT_NE(std::find(ids.begin(), ids.end(), link.substr(hash + 1)), ids.end())
          << path.filename() << " links to " << link << ", a place that does not exist";
    }
  }
}

}  // namespace
}  // namespace vecrast::manual
