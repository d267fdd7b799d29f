#include "metafile/face_choice.h"

#include <unistd.h>

#include <map>
#include <memory>
#include <mutex>
#include <tuple>
#include <unordered_map>

#include "metafile/charset_decode.h"
#include "metafile/font_config.h"

namespace metafile {

namespace {

// Matching runs with this language whatever the user's locale, so that the choice among
// fonts that differ only in the languages they cover never depends on who runs the program.
constexpr const char* kMatchLanguage = "en";

struct PatternDestroyer {
  void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDestroyer>;

struct FontSetDestroyer {
  void operator()(FcFontSet* set) const { FcFontSetDestroy(set); }
};
using FontSet = std::unique_ptr<FcFontSet, FontSetDestroyer>;

Pattern RequestPattern(bool bold, bool italic) {
  Pattern pattern(FcPatternCreate());
  if (!pattern) return nullptr;
  FcPatternAddInteger(pattern.get(), FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
  FcPatternAddString(pattern.get(), FC_LANG, reinterpret_cast<const FcChar8*>(kMatchLanguage));
  return pattern;
}

FontFile FileOf(FcPattern* font) {
  FontFile file;
  FcChar8* path = nullptr;
  if (FcPatternGetString(font, FC_FILE, 0, &path) != FcResultMatch || !path) return file;
  file.path = reinterpret_cast<const char*>(path);
  FcPatternGetInteger(font, FC_INDEX, 0, &file.index);
  return file;
}

bool Scalable(FcPattern* font) {
  FcBool scalable = FcFalse;
  return FcPatternGetBool(font, FC_SCALABLE, 0, &scalable) == FcResultMatch && scalable;
}

// The installed fonts as the choice needs them: the family names present, fontconfig's
// best file per family and style, and the fallback order. Everything it asks fontconfig is
// remembered, and what it remembers is bounded by the fonts installed.
class InstalledFaces {
 public:
  static InstalledFaces& Instance() {
    static InstalledFaces faces;
    return faces;
  }

  FaceChoice Choose(const std::string& faceName, uint8_t charSet, bool bold, bool italic) {
    std::lock_guard<std::mutex> lock(mutex_);
    FaceChoice choice;
    std::string name = faceName;
    std::string key = FaceKey(name);
    if (const char* windowsFace = WindowsFaceForGeneric(key)) {
      name = windowsFace;
      key = FaceKey(name);
    }
    const bool symbolSet = charSet == kSymbolCharset;
    if (families_.count(key)) {
      choice.file = Match(name, bold, italic);
      return choice;
    }
    const TextEncoding encoding = SymbolFaceEncoding(key);
    if (encoding != TextEncoding::kCodePage && (symbolSet || charSet == kDefaultCharset)) {
      choice.file = Match(kSymbolFamily, bold, italic);
      choice.encoding = encoding;
      return choice;
    }
    if (const char* family = StandInFamilyFor(key); family && families_.count(FaceKey(family))) {
      choice.file = Match(family, bold, italic);
      return choice;
    }
    if (const StandInFile* standIn = StandInFileFor(key)) {
      const char* file = bold && standIn->boldFile ? standIn->boldFile : standIn->regularFile;
      if (Readable(StandInFontFolder() + file)) {
        choice.file.path = StandInFontFolder() + file;
        return choice;
      }
    }
    if (symbolSet) {
      choice.file = Match(kSymbolFamily, bold, italic);
      choice.missingGlyphs = true;
      return choice;
    }
    choice.file = Match(DefaultFamilyFor(key), bold, italic);
    return choice;
  }

  FontFile SymbolDrawing() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!families_.count(FaceKey(kSymbolDrawingFamily))) return {};
    return Match(kSymbolDrawingFamily, false, false);
  }

  FontFile Fallback(char32_t code) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!fallbackOrder_) fallbackOrder_ = SortFallbackFonts();
    if (!fallbackOrder_) return {};
    for (int i = 0; i < fallbackOrder_->nfont; ++i) {
      FcPattern* font = fallbackOrder_->fonts[i];
      FcCharSet* charset = nullptr;
      if (!Scalable(font) || FcPatternGetCharSet(font, FC_CHARSET, 0, &charset) != FcResultMatch) continue;
      if (FcCharSetHasChar(charset, FcChar32(code))) return FileOf(font);
    }
    return {};
  }

 private:
  // Each scalable font under every family name it has, in fontconfig's order.
  InstalledFaces() : config_(InstalledFonts()) {
    if (!config_) return;
    FcFontSet* fonts = FcConfigGetFonts(config_, FcSetSystem);
    for (int i = 0; fonts && i < fonts->nfont; ++i) {
      FcPattern* font = fonts->fonts[i];
      if (!Scalable(font)) continue;
      FcChar8* family = nullptr;
      for (int j = 0; FcPatternGetString(font, FC_FAMILY, j, &family) == FcResultMatch; ++j) {
        FontSet& members = families_[FaceKey(reinterpret_cast<const char*>(family))];
        if (!members) members.reset(FcFontSetCreate());
        FcPatternReference(font);
        if (!members || !FcFontSetAdd(members.get(), font)) FcPatternDestroy(font);
      }
    }
  }

  // fontconfig's best file for a family and style, once per family and style. An installed
  // family is matched among its own fonts only: fontconfig's best match over all fonts is
  // one of them, and scoring a handful instead of every font installed is what keeps a
  // face look-up cheap.
  FontFile Match(const std::string& family, bool bold, bool italic) {
    const auto key = std::make_tuple(FaceKey(family), bold, italic);
    const auto it = matches_.find(key);
    if (it != matches_.end()) return it->second;
    FontFile file;
    Pattern pattern = config_ ? RequestPattern(bold, italic) : nullptr;
    if (pattern) {
      FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
      FcDefaultSubstitute(pattern.get());
      FcResult result = FcResultNoMatch;
      const auto members = families_.find(std::get<0>(key));
      FcFontSet* sets[] = {members != families_.end() ? members->second.get() : nullptr};
      Pattern match{sets[0] ? FcFontSetMatch(config_, sets, 1, pattern.get(), &result)
                            : FcFontMatch(config_, pattern.get(), &result)};
      if (match) file = FileOf(match.get());
    }
    matches_[key] = file;
    return file;
  }

  // Every installed font in the order the fallback families give, then by fontconfig's own
  // preference; fonts adding no character to those before them are left out.
  FontSet SortFallbackFonts() {
    Pattern pattern = config_ ? RequestPattern(false, false) : nullptr;
    if (!pattern) return nullptr;
    for (const char* family : kFallbackFamilies) {
      FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
    }
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    return FontSet(FcFontSort(config_, pattern.get(), FcTrue, nullptr, &result));
  }

  bool Readable(const std::string& path) {
    const auto it = readable_.find(path);
    if (it != readable_.end()) return it->second;
    return readable_[path] = access(path.c_str(), R_OK) == 0;
  }

  std::mutex mutex_;
  FcConfig* config_ = nullptr;
  std::unordered_map<std::string, FontSet> families_;
  std::map<std::tuple<std::string, bool, bool>, FontFile> matches_;
  std::map<std::string, bool> readable_;
  FontSet fallbackOrder_;
};

}  // namespace

FaceChoice ChooseFace(const std::string& faceName, uint8_t charSet, bool bold, bool italic) {
  return InstalledFaces::Instance().Choose(faceName, charSet, bold, italic);
}

FontFile SymbolDrawingFace() { return InstalledFaces::Instance().SymbolDrawing(); }

FontFile FallbackFaceFor(char32_t code) { return InstalledFaces::Instance().Fallback(code); }

}  // namespace metafile
