#include "metafile/font_config.h"

#include <algorithm>
#include <string>

// Build-time settings (CMake: VECRAST_FONT_DIRS, VECRAST_FONT_CACHE_DIR).
#ifndef VECRAST_FONT_DIRS
#define VECRAST_FONT_DIRS "/usr/share/fonts:/usr/local/share/fonts"
#endif
#ifndef VECRAST_FONT_CACHE_DIR
#define VECRAST_FONT_CACHE_DIR "/var/cache/fontconfig"
#endif

namespace metafile {

namespace {

std::string XmlText(const std::string& text) {
  std::string escaped;
  for (const char c : text) {
    if (c == '&') escaped += "&amp;";
    else if (c == '<') escaped += "&lt;";
    else if (c == '>') escaped += "&gt;";
    else escaped.push_back(c);
  }
  return escaped;
}

// The system's font folders and the system cache of their contents, and no per-user cache:
// a user's cache could list other fonts than the folders hold. A folder whose system cache
// is missing or stale (fonts added without running fc-cache) is scanned at every run.
std::string ConfigurationText() {
  std::string xml = "<fontconfig>";
  const std::string dirs = VECRAST_FONT_DIRS;
  for (size_t start = 0; start <= dirs.size();) {
    const size_t end = std::min(dirs.find(':', start), dirs.size());
    if (end > start) xml += "<dir>" + XmlText(dirs.substr(start, end - start)) + "</dir>";
    start = end + 1;
  }
  xml += "<cachedir>" + XmlText(VECRAST_FONT_CACHE_DIR) + "</cachedir>";
  xml += "</fontconfig>";
  return xml;
}

FcConfig* BuildConfiguration() {
  FcConfig* made = FcConfigCreate();
  if (!made) return nullptr;
  const std::string xml = ConfigurationText();
  if (!FcConfigParseAndLoadFromMemory(made, reinterpret_cast<const FcChar8*>(xml.c_str()), FcTrue) ||
      !FcConfigBuildFonts(made)) {
    FcConfigDestroy(made);
    return nullptr;
  }
  return made;
}

}  // namespace

FcConfig* InstalledFonts() {
  // Kept for the process, reachable from here.
  static FcConfig* const config = BuildConfiguration();
  return config;
}

}  // namespace metafile
