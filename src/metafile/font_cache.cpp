#include "metafile/font_cache.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_ADVANCES_H
#include FT_GASP_H
#include FT_OUTLINE_H
#include FT_SIZES_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <numbers>
#include <map>
#include <strings.h>
#include <tuple>
#include <unordered_map>

namespace metafile {

namespace {

// Bounds on what is kept for the process.
constexpr size_t kMaxQueries = 2048;
constexpr size_t kMaxSizedFonts = 96;
constexpr size_t kMaxGlyphBytes = size_t(48) << 20;
constexpr size_t kMaxAdvancesPerFont = 65536;
// A synthesised italic leans a quarter of a pixel per pixel of height, as GDI slants it.
constexpr double kSyntheticSlant = 0.25;
// Above this size advances are not hinted (loading a glyph outline costs more than it gives).
constexpr int kMaxHintedPixels = 400;

// Free fonts carrying the names of faces that system fonts lack (Tahoma, Marlett, ...), in a
// folder fontconfig does not scan. They are taken only for names fontconfig does not know,
// so every face it resolves keeps its font.
constexpr const char* kStandInFolder = "/usr/share/wine/fonts/";

struct StandInFace {
  const char* family;
  const char* regularFile;
  const char* boldFile;  // null: bold is synthesised
};

constexpr StandInFace kStandInFaces[] = {
    {"Tahoma", "tahoma.ttf", "tahomabd.ttf"},
    {"Marlett", "marlett.ttf", nullptr},
    {"MS Sans Serif", "ms_sans_serif.ttf", nullptr},
    {"Wingdings", "wingding.ttf", nullptr},
    {"Webdings", "webdings.ttf", nullptr},
    {"System", "system.ttf", nullptr},
};

// CSS's generic family names, which programs converting from SVG or HTML write as face
// names. Windows knows none of them; they stand for its standard faces of that kind.
struct GenericFamily {
  const char* generic;
  const char* windowsFace;
};

constexpr GenericFamily kGenericFamilies[] = {
    {"sans-serif", "Arial"},
    {"serif", "Times New Roman"},
    {"monospace", "Courier New"},
};

std::string WindowsFaceFor(std::string family) {
  for (const GenericFamily& g : kGenericFamilies) {
    if (strcasecmp(g.generic, family.c_str()) == 0) return g.windowsFace;
  }
  return family;
}

// A font file opened once, with the metrics GDI derives from its tables (font units).
struct FaceEntry {
  FT_Face face = nullptr;
  bool symbolFont = false;
  bool bold = false;  // the file's own style: what is missing is synthesised
  bool italic = false;
  double unitsPerEm = 1000;
  double ascent = 800;
  double descent = 200;
  double averageWidth = 0;
  double underlinePosition = -100;
  double underlineThickness = 50;
  double strikeoutPosition = 250;
  double strikeoutThickness = 50;
};

// Face, pixels per em, char width (26.6), escapement, synthetic bold, synthetic italic,
// missing-glyph boxes only.
using SizedKey = std::tuple<const FaceEntry*, int, long, int, bool, bool, bool>;

// What a face name and style resolve to.
struct FaceChoice {
  FaceEntry* entry = nullptr;
  // A symbol-set request for a face no font provides: the face put in its place has none
  // of the characters asked for, so every character shows as its missing-glyph box.
  bool missingGlyphs = false;
};

// The missing-glyph box of a symbol face standing in for an unknown one, as its grid fitting
// draws it: an outline about a quarter of the em wide and five eighths of it high, plus the
// pixels its edges take, standing on the baseline. Its horizontal edges are whole pixels,
// its upright edges thin and grey.
GlyphImage MissingGlyphBox(int ppem) {
  GlyphImage box;
  box.width = std::max(2, int(std::lround(ppem * 0.27 + 0.5)));
  box.rows = std::max(2, int(std::lround(ppem * 0.625 + 1.2)));
  box.top = box.rows;
  box.levels.assign(size_t(box.width) * size_t(box.rows), 0);
  constexpr uint8_t kEdge = 16, kSide = 4, kCorner = 7;
  for (int y = 0; y < box.rows; ++y) {
    const bool horizontal = y == 0 || y == box.rows - 1;
    for (int x = 0; x < box.width; ++x) {
      const bool side = x == 0 || x == box.width - 1;
      uint8_t level = horizontal ? (side ? kCorner : kEdge) : (side ? kSide : 0);
      box.levels[size_t(y) * size_t(box.width) + size_t(x)] = level;
    }
  }
  return box;
}

}  // namespace

class SizedFont {
 public:
  FaceEntry* entry = nullptr;
  FT_Size size = nullptr;
  FT_Matrix matrix{0x10000, 0, 0, 0x10000};
  bool transformed = false;
  FT_Pos emboldenStrength = 0;  // 26.6 pixels; 0 = none
  bool monochrome = false;      // the font asks for no grey smoothing at this size
  bool missingGlyphs = false;   // every character is the missing-glyph box
  GlyphImage box;               // that box, when missingGlyphs
  int boxAdvance = 0;
  SizedKey key;                 // how it was made, for fallback faces at the same size
  FontMetrics metrics;
  std::unordered_map<uint32_t, GlyphImage> glyphs;
  std::unordered_map<uint32_t, int> advances;

  ~SizedFont() {
    if (size) FT_Done_Size(size);
  }
};

namespace {

class FontStore {
 public:
  static FontStore& Instance() {
    static FontStore store;
    return store;
  }

  SizedFont* Realize(const FontRequest& request) {
    if (!Ready()) return nullptr;
    const bool bold = request.weight >= 600;
    const FaceChoice choice = FindFace(WindowsFaceFor(DecodeFaceName(request.faceName, request.charSet)), request.weight,
                                       request.italic, request.charSet == kSymbolCharset);
    FaceEntry* entry = choice.entry;
    if (!entry) return nullptr;
    const int ppem = PixelsPerEm(*entry, request.height);
    if (ppem < 1 || ppem > kMaxFontPixels) return nullptr;
    long charWidth = long(ppem) * 64;
    if (request.width > 0 && entry->averageWidth > 0) {
      const double average = entry->averageWidth * ppem / entry->unitsPerEm;
      const double scale = std::clamp(double(request.width) / average, 1.0 / 64, 64.0);
      charWidth = std::max(1L, long(std::lround(ppem * 64 * scale)));
      if (charWidth > long(kMaxFontPixels) * 64) return nullptr;
    }
    const bool fakeBold = bold && !entry->bold;
    const bool fakeItalic = request.italic && !entry->italic;
    const int escapement = ((request.escapement % 3600) + 3600) % 3600;
    const SizedKey key{entry, ppem, charWidth, escapement, fakeBold, fakeItalic, choice.missingGlyphs};
    auto it = sized_.find(key);
    if (it != sized_.end()) return it->second.get();
    if (sized_.size() >= kMaxSizedFonts) ClearSized();
    auto font = MakeSized(*entry, ppem, charWidth, escapement, fakeBold, fakeItalic);
    if (!font) return nullptr;
    font->key = key;
    if (choice.missingGlyphs) {
      font->missingGlyphs = true;
      font->box = MissingGlyphBox(ppem);
      font->boxAdvance = std::max(1, int(std::lround(ppem * 0.36)));
    }
    SizedFont* raw = font.get();
    sized_.emplace(key, std::move(font));
    return raw;
  }

  int Advance(SizedFont& primary, const DecodedChar& c) {
    if (primary.missingGlyphs) return primary.boxAdvance;
    SizedFont* source = &primary;
    uint32_t index = 0;
    const uint32_t key = Resolve(primary, c, source, index);
    auto it = primary.advances.find(key);
    if (it != primary.advances.end()) return it->second;
    if (primary.advances.size() >= kMaxAdvancesPerFont) primary.advances.clear();
    const SizedFont& font = *source;
    FT_Face face = font.entry->face;
    FT_Activate_Size(font.size);
    FT_Fixed advance = 0;
    if (font.metrics.pixelsPerEm > kMaxHintedPixels) {
      // Hinting changes nothing visible at this size; the design advance is read directly.
      if (FT_Get_Advance(face, index, FT_LOAD_NO_HINTING, &advance) == 0) advance = (advance + 512) >> 10;
    } else if (FT_Load_Glyph(face, index, FT_LOAD_NO_BITMAP | LoadTarget(font)) == 0) {
      advance = face->glyph->advance.x;
    }
    advance += font.emboldenStrength;
    const int pixels = int((std::clamp<FT_Fixed>(advance, 0, FT_Fixed(1) << 26) + 32) >> 6);
    primary.advances.emplace(key, pixels);
    return pixels;
  }

  const GlyphImage* Glyph(SizedFont& primary, const DecodedChar& c) {
    if (primary.missingGlyphs) return &primary.box;
    SizedFont* source = &primary;
    uint32_t index = 0;
    const uint32_t key = Resolve(primary, c, source, index);
    auto it = primary.glyphs.find(key);
    if (it != primary.glyphs.end()) return &it->second;
    if (glyphBytes_ > kMaxGlyphBytes) {
      for (auto& [sizedKey, sized] : sized_) sized->glyphs.clear();
      glyphBytes_ = 0;
    }
    GlyphImage image = Render(*source, index);
    glyphBytes_ += image.levels.size() + sizeof(GlyphImage);
    return &primary.glyphs.emplace(key, std::move(image)).first->second;
  }

 private:
  FontStore() = default;

  // The glyph for a character: from the font itself, or, when the face lacks a character
  // beyond ASCII, from the face fontconfig finds for it, at the same size. Returns the cache
  // key (the glyph index, or the character with the top bit for a fallback glyph).
  uint32_t Resolve(SizedFont& font, const DecodedChar& c, SizedFont*& source, uint32_t& index) {
    source = &font;
    if (c.glyphIndex) {
      index = c.code < uint32_t(font.entry->face->num_glyphs) ? uint32_t(c.code) : 0;
      return index;
    }
    index = GlyphIndex(*font.entry, c);
    if (index != 0 || font.entry->symbolFont || c.code < 0x80 || (c.code >= 0xE000 && c.code <= 0xF8FF) ||
        c.code > 0x10FFFF) {
      return index;
    }
    SizedFont* fallback = FallbackFont(font, c.code);
    if (!fallback) return index;
    const FT_UInt fallbackIndex = FT_Get_Char_Index(fallback->entry->face, c.code);
    if (fallbackIndex == 0) return index;
    source = fallback;
    index = fallbackIndex;
    return 0x80000000u | uint32_t(c.code);
  }

  SizedFont* FallbackFont(const SizedFont& font, char32_t code) {
    FaceEntry* entry = nullptr;
    auto it = fallbackFaces_.find(code);
    if (it != fallbackFaces_.end()) {
      entry = it->second;
    } else {
      if (fallbackFaces_.size() >= kMaxQueries) fallbackFaces_.clear();
      entry = MatchCharacter(code);
      fallbackFaces_[code] = entry;
    }
    if (!entry || entry == font.entry) return nullptr;
    SizedKey key = font.key;
    std::get<0>(key) = entry;
    auto sized = sized_.find(key);
    if (sized != sized_.end()) return sized->second.get();
    // Made without evicting anything: the caller's font stays valid.
    const auto& [oldEntry, ppem, charWidth, escapement, fakeBold, fakeItalic, boxes] = font.key;
    auto made = MakeSized(*entry, ppem, charWidth, escapement, fakeBold && !entry->bold,
                          fakeItalic && !entry->italic);
    if (!made) return nullptr;
    made->key = key;
    SizedFont* raw = made.get();
    sized_.emplace(key, std::move(made));
    return raw;
  }

  FaceEntry* MatchCharacter(char32_t code) {
    FcPattern* pattern = FcPatternCreate();
    FcCharSet* charset = FcCharSetCreate();
    FaceEntry* entry = nullptr;
    if (pattern && charset && FcCharSetAddChar(charset, FcChar32(code))) {
      FcPatternAddCharSet(pattern, FC_CHARSET, charset);
      FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
      FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
      FcDefaultSubstitute(pattern);
      FcResult result = FcResultNoMatch;
      if (FcPattern* match = FcFontMatch(nullptr, pattern, &result)) {
        FcChar8* file = nullptr;
        int index = 0;
        if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file) {
          FcPatternGetInteger(match, FC_INDEX, 0, &index);
          entry = OpenFile(reinterpret_cast<const char*>(file), index);
        }
        FcPatternDestroy(match);
      }
    }
    if (charset) FcCharSetDestroy(charset);
    if (pattern) FcPatternDestroy(pattern);
    if (entry && FT_Get_Char_Index(entry->face, code) == 0) entry = nullptr;
    return entry;
  }
  ~FontStore() {
    ClearSized();
    for (auto& [file, entry] : files_) {
      if (entry->face) FT_Done_Face(entry->face);
    }
    if (library_) FT_Done_FreeType(library_);
  }

  bool Ready() {
    if (!initialised_) {
      initialised_ = true;
      ok_ = FcInit() && FT_Init_FreeType(&library_) == 0;
    }
    return ok_;
  }

  void ClearSized() {
    sized_.clear();
    glyphBytes_ = 0;
  }

  static int PixelsPerEm(const FaceEntry& entry, int height) {
    if (height < 0) return height < -kMaxFontPixels ? 0 : -height;
    const double cell = entry.ascent + entry.descent;
    if (height == 0 || cell <= 0) return 0;
    return int(std::lround(entry.unitsPerEm * height / cell));
  }

  // fontconfig's best match; a name fontconfig does not know (its match comes only from the
  // defaults it appends) counts as missing. A missing face asked for in the symbol set is
  // replaced by a symbol face that lacks its characters (boxes), except for Symbol itself,
  // which takes the Symbol font.
  FaceChoice FindFace(const std::string& family, int weight, bool italic, bool symbolSet) {
    const std::string key = family + '\x1f' + std::to_string(weight >= 600) + std::to_string(italic) +
                            std::to_string(symbolSet);
    auto it = queries_.find(key);
    if (it != queries_.end()) return it->second;
    if (queries_.size() >= kMaxQueries) queries_.clear();
    bool known = false;
    FaceChoice choice;
    choice.entry = Match(family, weight, italic, known);
    if (!known) {
      if (FaceEntry* standIn = StandIn(family, weight)) {
        choice.entry = standIn;
        known = true;
      }
    }
    if (symbolSet && !known) {
      choice.missingGlyphs = strcasecmp(family.c_str(), "Symbol") != 0;
      choice.entry = Match("Symbol", weight, italic, known);
    }
    queries_[key] = choice;
    return choice;
  }

  FaceEntry* StandIn(const std::string& family, int weight) {
    for (const StandInFace& face : kStandInFaces) {
      if (strcasecmp(face.family, family.c_str()) != 0) continue;
      const char* file = weight >= 600 && face.boldFile ? face.boldFile : face.regularFile;
      return OpenFile(std::string(kStandInFolder) + file, 0);
    }
    return nullptr;
  }

  FaceEntry* Match(const std::string& family, int weight, bool italic, bool& known) {
    FcPattern* pattern = FcPatternCreate();
    if (!pattern) return nullptr;
    if (!family.empty()) FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, weight >= 600 ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FaceEntry* entry = nullptr;
    known = false;
    if (match) {
      known = !family.empty() && MatchedByName(pattern, match);
      FcChar8* file = nullptr;
      int index = 0;
      if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file) {
        FcPatternGetInteger(match, FC_INDEX, 0, &index);
        entry = OpenFile(reinterpret_cast<const char*>(file), index);
      }
      FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    return entry;
  }

  // True when the matched family is the requested one or an alias fontconfig binds to it
  // (Liberation Sans for Arial), not a default it appended.
  static bool MatchedByName(FcPattern* pattern, FcPattern* match) {
    FcValue wanted;
    FcValueBinding binding = FcValueBindingWeak;
    for (int i = 0; FcPatternGetWithBinding(pattern, FC_FAMILY, i, &wanted, &binding) == FcResultMatch; ++i) {
      if (binding == FcValueBindingWeak || wanted.type != FcTypeString) continue;
      FcChar8* got = nullptr;
      for (int j = 0; FcPatternGetString(match, FC_FAMILY, j, &got) == FcResultMatch; ++j) {
        if (strcasecmp(reinterpret_cast<const char*>(wanted.u.s), reinterpret_cast<const char*>(got)) == 0) {
          return true;
        }
      }
    }
    return false;
  }

  FaceEntry* OpenFile(const std::string& file, int index) {
    const std::string key = file + '#' + std::to_string(index);
    auto it = files_.find(key);
    if (it != files_.end()) return it->second.get();
    auto entry = std::make_unique<FaceEntry>();
    if (FT_New_Face(library_, file.c_str(), index, &entry->face) != 0) {
      entry->face = nullptr;
      files_[key] = nullptr;
      return nullptr;
    }
    ReadFaceMetrics(*entry);
    FaceEntry* raw = entry.get();
    files_[key] = std::move(entry);
    return raw;
  }

  static void ReadFaceMetrics(FaceEntry& entry) {
    FT_Face face = entry.face;
    entry.unitsPerEm = face->units_per_EM > 0 ? face->units_per_EM : 1000;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 && os2->usWinAscent + os2->usWinDescent > 0) {
      entry.ascent = os2->usWinAscent;
      entry.descent = os2->usWinDescent;
    } else if (face->ascender - face->descender > 0) {
      entry.ascent = face->ascender;
      entry.descent = -face->descender;
    } else {
      entry.ascent = entry.unitsPerEm * 0.8;
      entry.descent = entry.unitsPerEm * 0.2;
    }
    entry.averageWidth = os2 ? os2->xAvgCharWidth : 0;
    entry.italic = (face->style_flags & FT_STYLE_FLAG_ITALIC) != 0;
    entry.bold = os2 && os2->usWeightClass > 0 ? os2->usWeightClass >= 600 : (face->style_flags & FT_STYLE_FLAG_BOLD) != 0;
    if (face->underline_thickness > 0) {
      entry.underlinePosition = face->underline_position;
      entry.underlineThickness = face->underline_thickness;
    } else {
      entry.underlinePosition = -entry.unitsPerEm * 0.1;
      entry.underlineThickness = entry.unitsPerEm * 0.05;
    }
    if (os2 && os2->yStrikeoutSize > 0) {
      entry.strikeoutPosition = os2->yStrikeoutPosition;
      entry.strikeoutThickness = os2->yStrikeoutSize;
    } else {
      entry.strikeoutPosition = entry.unitsPerEm * 0.26;
      entry.strikeoutThickness = entry.underlineThickness;
    }
    // A symbol font keeps its glyphs at the Symbol encoding's bytes: 'a' is alpha.
    entry.symbolFont = false;
    for (int i = 0; i < face->num_charmaps; ++i) {
      if (face->charmaps[i]->encoding == FT_ENCODING_MS_SYMBOL) entry.symbolFont = true;
    }
    // FreeType chooses a Unicode map by itself; a font with only a symbol map gets that one.
    if (entry.symbolFont && !face->charmap) FT_Select_Charmap(face, FT_ENCODING_MS_SYMBOL);
    if (!entry.symbolFont && FT_HAS_GLYPH_NAMES(face)) {
      char name[16] = {};
      const FT_UInt a = FT_Get_Char_Index(face, 'a');
      if (a && FT_Get_Glyph_Name(face, a, name, sizeof(name)) == 0) entry.symbolFont = strcmp(name, "alpha") == 0;
    }
  }

  std::unique_ptr<SizedFont> MakeSized(FaceEntry& entry, int ppem, long charWidth, int escapement,
                                       bool fakeBold, bool fakeItalic) {
    auto font = std::make_unique<SizedFont>();
    font->entry = &entry;
    if (FT_New_Size(entry.face, &font->size) != 0) {
      font->size = nullptr;
      return nullptr;
    }
    FT_Activate_Size(font->size);
    if (FT_Set_Char_Size(entry.face, charWidth, FT_F26Dot6(ppem) * 64, 72, 72) != 0) return nullptr;
    const double scale = ppem / entry.unitsPerEm;
    FontMetrics& m = font->metrics;
    m.ascent = int(std::lround(entry.ascent * scale));
    m.descent = int(std::lround(entry.descent * scale));
    m.underlinePosition = int(std::lround(entry.underlinePosition * scale));
    m.underlineThickness = std::max(1, int(std::lround(entry.underlineThickness * scale)));
    m.strikeoutPosition = int(std::lround(entry.strikeoutPosition * scale));
    m.strikeoutThickness = std::max(1, int(std::lround(entry.strikeoutThickness * scale)));
    m.pixelsPerEm = ppem;
    m.pixelsPerEmX = int(std::max<long>(1, (charWidth + 32) >> 6));
    // The font's grid-fitting table decides, per size, whether text is smoothed.
    const FT_Int gasp = FT_Get_Gasp(entry.face, FT_UInt(ppem));
    font->monochrome = gasp != FT_GASP_NO_TABLE && !(gasp & FT_GASP_DO_GRAY);
    if (fakeBold) font->emboldenStrength = std::max<FT_Pos>(32, FT_Pos(ppem) * 64 / 24);
    // Shear for a missing italic, then the rotation of the escapement.
    double a = 1, b = fakeItalic ? kSyntheticSlant : 0, c = 0, d = 1;
    if (escapement != 0) {
      const double angle = escapement * std::numbers::pi / 1800.0;
      const double cs = std::cos(angle), sn = std::sin(angle);
      const double a2 = cs * a - sn * c, b2 = cs * b - sn * d;
      const double c2 = sn * a + cs * c, d2 = sn * b + cs * d;
      a = a2, b = b2, c = c2, d = d2;
    }
    font->transformed = fakeItalic || escapement != 0;
    font->matrix = {FT_Fixed(std::lround(a * 65536)), FT_Fixed(std::lround(b * 65536)),
                    FT_Fixed(std::lround(c * 65536)), FT_Fixed(std::lround(d * 65536))};
    return font;
  }

  static uint32_t GlyphIndex(const FaceEntry& entry, const DecodedChar& c) {
    FT_Face face = entry.face;
    if (entry.symbolFont) {
      const char* name = SymbolGlyphName(c.firstByte);
      if (name && FT_HAS_GLYPH_NAMES(face)) {
        const FT_UInt byName = FT_Get_Name_Index(face, name);
        if (byName) return byName;
      }
    }
    if (const FT_UInt index = FT_Get_Char_Index(face, c.code)) return index;
    if (entry.symbolFont) {
      if (const FT_UInt index = FT_Get_Char_Index(face, c.firstByte)) return index;
      if (const FT_UInt index = FT_Get_Char_Index(face, 0xF000u + c.firstByte)) return index;
    }
    return 0;
  }

  static FT_Int32 LoadTarget(const SizedFont& font) {
    return font.monochrome ? FT_LOAD_TARGET_MONO : FT_LOAD_TARGET_NORMAL;
  }

  // Hinted outline, rendered with grey coverage and reduced to 17 levels.
  GlyphImage Render(SizedFont& font, uint32_t index) {
    GlyphImage image;
    FT_Face face = font.entry->face;
    FT_Activate_Size(font.size);
    if (FT_Load_Glyph(face, index, FT_LOAD_NO_BITMAP | LoadTarget(font)) != 0) return image;
    FT_GlyphSlot slot = face->glyph;
    if (slot->format != FT_GLYPH_FORMAT_OUTLINE) return image;
    if (font.emboldenStrength) FT_Outline_EmboldenXY(&slot->outline, font.emboldenStrength, 0);
    if (font.transformed) FT_Outline_Transform(&slot->outline, &font.matrix);
    if (FT_Render_Glyph(slot, font.monochrome ? FT_RENDER_MODE_MONO : FT_RENDER_MODE_NORMAL) != 0) return image;
    const FT_Bitmap& bitmap = slot->bitmap;
    const bool mono = bitmap.pixel_mode == FT_PIXEL_MODE_MONO;
    if ((!mono && bitmap.pixel_mode != FT_PIXEL_MODE_GRAY) || bitmap.width == 0 || bitmap.rows == 0) return image;
    image.left = slot->bitmap_left;
    image.top = slot->bitmap_top;
    image.width = int(bitmap.width);
    image.rows = int(bitmap.rows);
    image.levels.resize(size_t(image.width) * size_t(image.rows));
    for (int y = 0; y < image.rows; ++y) {
      const unsigned char* src = bitmap.buffer + long(y) * bitmap.pitch;
      uint8_t* dst = image.levels.data() + size_t(y) * size_t(image.width);
      for (int x = 0; x < image.width; ++x) {
        dst[x] = mono ? uint8_t(((src[x >> 3] >> (7 - (x & 7))) & 1) * 16) : uint8_t((src[x] * 16u + 128u) / 255u);
      }
    }
    return image;
  }

  bool initialised_ = false;
  bool ok_ = false;
  FT_Library library_ = nullptr;
  std::map<std::string, std::unique_ptr<FaceEntry>> files_;
  std::unordered_map<std::string, FaceChoice> queries_;
  std::unordered_map<char32_t, FaceEntry*> fallbackFaces_;
  std::map<SizedKey, std::unique_ptr<SizedFont>> sized_;
  size_t glyphBytes_ = 0;
};

}  // namespace

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define METAFILE_FONTS_UNDER_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(METAFILE_FONTS_UNDER_ASAN)
// fontconfig keeps a block of its configuration for the life of the process; sanitizer
// builds tell LeakSanitizer to leave it alone. Weak, so that another part of a program may
// say the same.
extern "C" __attribute__((weak)) const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
#endif

std::mutex& FontLock() {
  static std::mutex lock;
  return lock;
}

SizedFont* RealizeFont(const FontRequest& request) { return FontStore::Instance().Realize(request); }

const FontMetrics& MetricsOf(const SizedFont& font) { return font.metrics; }

bool ReadsSymbolEncoding(const SizedFont& font, uint8_t charSet) {
  return charSet == kSymbolCharset || font.entry->symbolFont;
}

int AdvanceFor(SizedFont& font, const DecodedChar& c) { return FontStore::Instance().Advance(font, c); }

const GlyphImage* GlyphFor(SizedFont& font, const DecodedChar& c) { return FontStore::Instance().Glyph(font, c); }

}  // namespace metafile
