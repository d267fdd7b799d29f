#include "metafile/font_cache.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_ADVANCES_H
#include FT_GASP_H
#include FT_OUTLINE_H
#include FT_SIZES_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <numbers>
#include <tuple>
#include <unordered_map>

#include "metafile/face_choice.h"
#include "metafile/font_policy.h"
#include "metafile/symbol_encodings.h"

namespace metafile {

namespace {

// Bounds on what is kept for the process.
constexpr size_t kMaxFallbackCharacters = 65536;
constexpr size_t kMaxSizedFonts = 96;
constexpr size_t kMaxGlyphBytes = size_t(48) << 20;
constexpr size_t kMaxAdvancesPerFont = 65536;
// A synthesised italic leans a quarter of a pixel per pixel of height, as GDI slants it.
constexpr double kSyntheticSlant = 0.25;
// Above this size advances are not hinted (loading a glyph outline costs more than it gives).
constexpr int kMaxHintedPixels = 400;

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
// missing-glyph boxes only, the encoding of a mapped symbol face.
using SizedKey = std::tuple<const FaceEntry*, int, long, int, bool, bool, bool, TextEncoding>;

// The missing-glyph box of the policy, at a size: its horizontal edges are whole pixels,
// its upright edges thin and grey.
GlyphImage MissingGlyphBox(int ppem) {
  GlyphImage box;
  const MissingGlyphBoxShape& shape = kMissingGlyphBox;
  box.width = std::max(2, int(std::lround(ppem * shape.widthPerEm + shape.widthPixels)));
  box.rows = std::max(2, int(std::lround(ppem * shape.heightPerEm + shape.heightPixels)));
  box.top = box.rows;
  box.missing = true;
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
  // A mapped symbol face: `entry` gives the metrics, the characters come from the symbol
  // drawing face (or a fallback face), and those without a glyph draw as the box.
  TextEncoding mappedEncoding = TextEncoding::kCodePage;
  GlyphImage box;               // the missing-glyph box, for the two cases above
  int boxAdvance = 0;           // every character's advance in those cases
  SizedKey key;                 // how it was made, for other faces at the same size
  FontMetrics metrics;
  std::unordered_map<uint32_t, GlyphImage> glyphs;
  std::unordered_map<uint32_t, int> advances;

  bool MappedFace() const { return mappedEncoding != TextEncoding::kCodePage; }
  bool DrawsBoxAdvances() const { return missingGlyphs || MappedFace(); }

  ~SizedFont() {
    if (size) FT_Done_Size(size);
  }
};

namespace {

// Glyph cache keys: a glyph index of the font itself, or a character drawn from another face.
constexpr uint32_t kForeignGlyph = 0x80000000u;

class FontStore {
 public:
  static FontStore& Instance() {
    static FontStore store;
    return store;
  }

  SizedFont* Realize(const FontRequest& request) {
    if (!Ready()) return nullptr;
    const bool bold = request.weight >= 600;
    const FaceChoice choice =
        ChooseFace(DecodeFaceName(request.faceName, request.charSet), request.charSet, bold, request.italic);
    FaceEntry* entry = OpenFile(choice.file);
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
    const SizedKey key{entry, ppem, charWidth, escapement, fakeBold, fakeItalic, choice.missingGlyphs, choice.encoding};
    auto it = sized_.find(key);
    if (it != sized_.end()) return it->second.get();
    if (sized_.size() >= kMaxSizedFonts) ClearSized();
    auto font = MakeSized(*entry, ppem, charWidth, escapement, fakeBold, fakeItalic);
    if (!font) return nullptr;
    font->key = key;
    font->missingGlyphs = choice.missingGlyphs;
    font->mappedEncoding = choice.encoding;
    if (font->DrawsBoxAdvances()) {
      font->box = MissingGlyphBox(ppem);
      font->boxAdvance = std::max(1, int(std::lround(ppem * kMissingGlyphBox.advancePerEm)));
    }
    SizedFont* raw = font.get();
    sized_.emplace(key, std::move(font));
    return raw;
  }

  int Advance(SizedFont& primary, const DecodedChar& c) {
    if (primary.DrawsBoxAdvances()) return primary.boxAdvance;
    SizedFont* source = &primary;
    uint32_t index = 0;
    const uint32_t key = Resolve(primary, c, source, index);
    auto it = primary.advances.find(key);
    if (it != primary.advances.end()) return it->second;
    if (primary.advances.size() >= kMaxAdvancesPerFont) primary.advances.clear();
    const int pixels = HintedAdvance(*source, index);
    primary.advances.emplace(key, pixels);
    return pixels;
  }

  const GlyphImage* Glyph(SizedFont& primary, const DecodedChar& c) {
    if (primary.missingGlyphs) return &primary.box;
    SizedFont* source = &primary;
    uint32_t index = 0;
    const uint32_t key = Resolve(primary, c, source, index);
    if (!source) return &primary.box;
    auto it = primary.glyphs.find(key);
    if (it != primary.glyphs.end()) return &it->second;
    if (glyphBytes_ > kMaxGlyphBytes) {
      for (auto& [sizedKey, sized] : sized_) sized->glyphs.clear();
      glyphBytes_ = 0;
    }
    GlyphImage image = Render(*source, index);
    // A mapped face's accents and arrows over a character are combining characters of the
    // drawing face, made to sit over a letter; the face they stand for drew them on the
    // record's baseline, the accents inside the character's cell (symbol_encodings.h).
    if (primary.MappedFace() && CentredOnBaseline(primary.mappedEncoding, c.firstByte)) {
      image.left = 0;
      image.top = (image.rows + 1) / 2;
    } else {
      image.centred = primary.MappedFace() && HintedAdvance(*source, index) == 0;
    }
    glyphBytes_ += image.levels.size() + sizeof(GlyphImage);
    return &primary.glyphs.emplace(key, std::move(image)).first->second;
  }

 private:
  FontStore() = default;

  // The glyph for a character: from the font itself, or, when the face lacks a character
  // beyond ASCII, from the face the policy's fallback order gives, at the same size. The
  // characters of a mapped symbol face come from the symbol drawing face, else the fallback
  // order; `source` is null when none has the character (the box). Returns the cache key.
  uint32_t Resolve(SizedFont& font, const DecodedChar& c, SizedFont*& source, uint32_t& index) {
    source = &font;
    if (c.glyphIndex) {
      index = c.code < uint32_t(font.entry->face->num_glyphs) ? uint32_t(c.code) : 0;
      return index;
    }
    if (font.MappedFace()) return ResolveMapped(font, c, source, index);
    index = GlyphIndex(*font.entry, c);
    if (index != 0 || font.entry->symbolFont || c.code < 0x80 || IsPrivateUse(c.code) || c.code > 0x10FFFF) {
      return index;
    }
    if (SizedFont* fallback = FaceAtSameSize(font, FallbackEntry(c.code))) {
      if (const FT_UInt fallbackIndex = FT_Get_Char_Index(fallback->entry->face, c.code)) {
        source = fallback;
        index = fallbackIndex;
        return kForeignGlyph | uint32_t(c.code);
      }
    }
    return index;
  }

  uint32_t ResolveMapped(SizedFont& font, const DecodedChar& c, SizedFont*& source, uint32_t& index) {
    source = nullptr;
    if (IsPrivateUse(c.code) || c.code > 0x10FFFF) return 0;
    for (FaceEntry* entry : {SymbolDrawingEntry(), FallbackEntry(c.code)}) {
      SizedFont* drawing = FaceAtSameSize(font, entry);
      if (!drawing) continue;
      if (const FT_UInt drawingIndex = FT_Get_Char_Index(drawing->entry->face, c.code)) {
        source = drawing;
        index = drawingIndex;
        return kForeignGlyph | uint32_t(c.code);
      }
    }
    return 0;
  }

  static bool IsPrivateUse(char32_t code) { return code >= 0xE000 && code <= 0xF8FF; }

  FaceEntry* SymbolDrawingEntry() {
    if (!symbolDrawingLooked_) {
      symbolDrawingLooked_ = true;
      symbolDrawing_ = OpenFile(SymbolDrawingFace());
    }
    return symbolDrawing_;
  }

  FaceEntry* FallbackEntry(char32_t code) {
    auto it = fallbackEntries_.find(code);
    if (it != fallbackEntries_.end()) return it->second;
    if (fallbackEntries_.size() >= kMaxFallbackCharacters) fallbackEntries_.clear();
    FaceEntry* entry = OpenFile(FallbackFaceFor(code));
    if (entry && FT_Get_Char_Index(entry->face, code) == 0) entry = nullptr;
    fallbackEntries_[code] = entry;
    return entry;
  }

  // Another face at the size, width, angle and synthesis of `font`, made without evicting
  // anything so that the caller's font stays valid; null for no face or the font's own.
  SizedFont* FaceAtSameSize(const SizedFont& font, FaceEntry* entry) {
    if (!entry || entry == font.entry) return nullptr;
    SizedKey key = font.key;
    std::get<0>(key) = entry;
    std::get<6>(key) = false;
    std::get<7>(key) = TextEncoding::kCodePage;
    auto sized = sized_.find(key);
    if (sized != sized_.end()) return sized->second.get();
    const auto& [oldEntry, ppem, charWidth, escapement, fakeBold, fakeItalic, boxes, encoding] = font.key;
    auto made = MakeSized(*entry, ppem, charWidth, escapement, fakeBold && !entry->bold,
                          fakeItalic && !entry->italic);
    if (!made) return nullptr;
    made->key = key;
    SizedFont* raw = made.get();
    sized_.emplace(key, std::move(made));
    return raw;
  }

  // The advance of a glyph along the baseline in whole pixels, hinted as GDI reports it;
  // at very large sizes the scaled design advance.
  static int HintedAdvance(const SizedFont& font, uint32_t index) {
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
    return int((std::clamp<FT_Fixed>(advance, 0, FT_Fixed(1) << 26) + 32) >> 6);
  }

  ~FontStore() {
    ClearSized();
    for (auto& [file, entry] : files_) {
      if (entry && entry->face) FT_Done_Face(entry->face);
    }
    if (library_) FT_Done_FreeType(library_);
  }

  bool Ready() {
    if (!initialised_) {
      initialised_ = true;
      ok_ = FT_Init_FreeType(&library_) == 0;
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

  // The face of a font file, opened once; null for no file or one FreeType cannot read.
  FaceEntry* OpenFile(const FontFile& file) {
    if (file.path.empty()) return nullptr;
    const std::string key = file.path + '#' + std::to_string(file.index);
    auto it = files_.find(key);
    if (it != files_.end()) return it->second.get();
    auto entry = std::make_unique<FaceEntry>();
    if (FT_New_Face(library_, file.path.c_str(), file.index, &entry->face) != 0) {
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
  // A font's own glyph 0 is its missing-glyph box.
  GlyphImage Render(SizedFont& font, uint32_t index) {
    GlyphImage image;
    image.missing = index == 0;
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
  bool symbolDrawingLooked_ = false;
  FaceEntry* symbolDrawing_ = nullptr;
  std::unordered_map<char32_t, FaceEntry*> fallbackEntries_;
  std::map<SizedKey, std::unique_ptr<SizedFont>> sized_;
  size_t glyphBytes_ = 0;
};

}  // namespace

std::mutex& FontLock() {
  static std::mutex lock;
  return lock;
}

SizedFont* RealizeFont(const FontRequest& request) { return FontStore::Instance().Realize(request); }

const FontMetrics& MetricsOf(const SizedFont& font) { return font.metrics; }

TextEncoding EncodingOf(const SizedFont& font, uint8_t charSet) {
  if (font.MappedFace()) return font.mappedEncoding;
  return charSet == kSymbolCharset || font.entry->symbolFont ? TextEncoding::kSymbol : TextEncoding::kCodePage;
}

int AdvanceFor(SizedFont& font, const DecodedChar& c) { return FontStore::Instance().Advance(font, c); }

const GlyphImage* GlyphFor(SizedFont& font, const DecodedChar& c) { return FontStore::Instance().Glyph(font, c); }

}  // namespace metafile
