#include "metafile/font_policy.h"

#include <type_traits>
#include <unordered_map>
#include <unordered_set>

#ifndef VECRAST_STAND_IN_FONT_DIR
#define VECRAST_STAND_IN_FONT_DIR "/usr/share/wine/fonts"
#endif

namespace metafile {

namespace {

struct FacePair {
  const char* face;
  const char* family;
};

constexpr FacePair kGenericFamilies[] = {
    {"sans-serif", "Arial"},
    {"serif", "Times New Roman"},
    {"monospace", "Courier New"},
};

// Metric-compatible stand-ins among the fonts the install script provides: Liberation for
// Windows' core faces and Carlito and Caladea for Calibri and Cambria, the URW base 35 for
// the PostScript standard faces (under their current and their former names), and Standard
// Symbols PS for Symbol, whose text is read through the Symbol encoding.
constexpr FacePair kStandInFamilies[] = {
    {"Arial", "Liberation Sans"},
    {"Arimo", "Liberation Sans"},
    {"Albany", "Liberation Sans"},
    {"Albany AMT", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
    {"Tinos", "Liberation Serif"},
    {"Thorndale", "Liberation Serif"},
    {"Thorndale AMT", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
    {"Cousine", "Liberation Mono"},
    {"Cumberland", "Liberation Mono"},
    {"Cumberland AMT", "Liberation Mono"},
    {"Calibri", "Carlito"},
    {"Cambria", "Caladea"},
    {"Helvetica", "Nimbus Sans"},
    {"Nimbus Sans L", "Nimbus Sans"},
    {"Helvetica Narrow", "Nimbus Sans Narrow"},
    {"Arial Narrow", "Nimbus Sans Narrow"},
    {"Times", "Nimbus Roman"},
    {"Times Roman", "Nimbus Roman"},
    {"Nimbus Roman No9 L", "Nimbus Roman"},
    {"Courier", "Nimbus Mono PS"},
    {"Nimbus Mono L", "Nimbus Mono PS"},
    {"Symbol", kSymbolFamily},
    {"Standard Symbols L", kSymbolFamily},
    // Symbol under the names equation editors give it; laid out like Symbol.
    {"MT Symbol", kSymbolFamily},
    {"Euclid Symbol", kSymbolFamily},
    {"Palatino", "P052"},
    {"Palatino Linotype", "P052"},
    {"Book Antiqua", "P052"},
    {"URW Palladio L", "P052"},
    {"Bookman", "URW Bookman"},
    {"Bookman Old Style", "URW Bookman"},
    {"ITC Bookman", "URW Bookman"},
    {"URW Bookman L", "URW Bookman"},
    {"Century Schoolbook", "C059"},
    {"New Century Schoolbook", "C059"},
    {"Century Schoolbook L", "C059"},
    {"AvantGarde", "URW Gothic"},
    {"ITC Avant Garde Gothic", "URW Gothic"},
    {"URW Gothic L", "URW Gothic"},
    {"Zapf Chancery", "Z003"},
    {"ITC Zapf Chancery", "Z003"},
    {"URW Chancery L", "Z003"},
    {"Zapf Dingbats", "D050000L"},
    {"ITC Zapf Dingbats", "D050000L"},
    {"Dingbats", "D050000L"},
};

// Free fonts of the same names, made by the Wine project (Debian package fonts-wine).
constexpr StandInFile kStandInFiles[] = {
    {"Tahoma", "tahoma.ttf", "tahomabd.ttf"},
    {"Marlett", "marlett.ttf", nullptr},
    {"MS Sans Serif", "ms_sans_serif.ttf", nullptr},
    {"Wingdings", "wingding.ttf", nullptr},
    {"Webdings", "webdings.ttf", nullptr},
    {"System", "system.ttf", nullptr},
};

struct EncodedFace {
  const char* face;
  TextEncoding encoding;
};

// Sources of the encodings are given with their tables in symbol_encodings.cpp.
constexpr EncodedFace kEncodedFaces[] = {
    {"MT Extra", TextEncoding::kMtExtra},
    {"Euclid Extra", TextEncoding::kMtExtra},
    {"Euclid Math One", TextEncoding::kEuclidMathOne},
    {"Euclid Math Two", TextEncoding::kEuclidMathTwo},
};

// Faces of the serif and monospaced kinds that Windows pictures name; any other unknown
// face draws in the sans-serif default.
constexpr const char* kSerifFaces[] = {
    "Georgia", "Elephant", "Garamond", "Constantia", "MS Serif", "Bodoni MT", "Baskerville Old Face",
    "Bell MT", "Californian FB", "Centaur", "Century", "Footlight MT Light", "Goudy Old Style",
    "High Tower Text", "Perpetua", "Rockwell", "Sylfaen", "Times New Roman PS", "Cambria PS",
};
constexpr const char* kMonospacedFaces[] = {
    "Consolas", "Lucida Console", "Lucida Sans Typewriter", "Courier 10 Pitch", "Andale Mono", "Fixedsys",
    "Terminal", "OCR A Extended",
};

constexpr const char* kMathFaces[] = {"Cambria Math"};

// A table's rows by face key, made on first use (one index per table).
template <const auto& rows>
const auto* Find(const std::string& key) {
  using Row = std::remove_cvref_t<decltype(rows[0])>;
  static const std::unordered_map<std::string, const Row*> byKey = [] {
    std::unordered_map<std::string, const Row*> map;
    for (const Row& row : rows) map.emplace(FaceKey(row.face), &row);
    return map;
  }();
  const auto it = byKey.find(key);
  return it == byKey.end() ? nullptr : it->second;
}

template <const auto& names>
bool Listed(const std::string& key) {
  static const std::unordered_set<std::string> keys = [] {
    std::unordered_set<std::string> set;
    for (const char* name : names) set.insert(FaceKey(name));
    return set;
  }();
  return keys.count(key) != 0;
}

}  // namespace

std::string FaceKey(std::string_view faceName) {
  std::string key;
  key.reserve(faceName.size());
  for (const char c : faceName) {
    if (c == ' ' || c == '\t') continue;
    key.push_back(c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c);
  }
  return key;
}

const char* WindowsFaceForGeneric(const std::string& key) {
  const FacePair* row = Find<kGenericFamilies>(key);
  return row ? row->family : nullptr;
}

const char* StandInFamilyFor(const std::string& key) {
  const FacePair* row = Find<kStandInFamilies>(key);
  return row ? row->family : nullptr;
}

const StandInFile* StandInFileFor(const std::string& key) { return Find<kStandInFiles>(key); }

std::string StandInFontFolder() {
  std::string folder = VECRAST_STAND_IN_FONT_DIR;
  if (!folder.empty() && folder.back() != '/') folder.push_back('/');
  return folder;
}

TextEncoding SymbolFaceEncoding(const std::string& key) {
  const EncodedFace* row = Find<kEncodedFaces>(key);
  return row ? row->encoding : TextEncoding::kCodePage;
}

const char* DefaultFamilyFor(const std::string& key) {
  if (Listed<kMathFaces>(key)) return kSymbolDrawingFamily;
  if (Listed<kSerifFaces>(key)) return "DejaVu Serif";
  if (Listed<kMonospacedFaces>(key)) return "DejaVu Sans Mono";
  return "DejaVu Sans";
}

}  // namespace metafile
