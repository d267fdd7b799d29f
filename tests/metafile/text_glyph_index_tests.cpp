// ETO_GLYPH_INDEX: the string holds the font's glyph indices as little-endian words.
#include <gtest/gtest.h>

#include <ft2build.h>
#include FT_FREETYPE_H

#include <string>

#include "metafile/face_choice.h"
#include "render_helpers.h"

namespace {

using metafile_test::Render;
using wmfw::WmfWriter;

enum : uint16_t { kEtoGlyphIndex = 0x0010 };

// The glyph index of `code` in the face the player draws Arial with; 0 when there is none.
unsigned ArialGlyphIndex(char32_t code) {
  unsigned index = 0;
  const metafile::FontFile file = metafile::ChooseFace("Arial", 0, false, false).file;
  FT_Library library = nullptr;
  if (!file.path.empty() && FT_Init_FreeType(&library) == 0) {
    FT_Face face = nullptr;
    if (FT_New_Face(library, file.path.c_str(), file.index, &face) == 0) {
      index = FT_Get_Char_Index(face, code);
      FT_Done_Face(face);
    }
    FT_Done_FreeType(library);
  }
  return index;
}

std::string Words(std::initializer_list<unsigned> indices) {
  std::string bytes;
  for (unsigned i : indices) {
    bytes.push_back(char(i & 0xFF));
    bytes.push_back(char(i >> 8));
  }
  return bytes;
}

metafile::Picture DrawText(uint16_t options, const std::string& text, const std::vector<int16_t>& dx = {}) {
  WmfWriter w;
  w.SetBkMode(1).CreateFont(-40, "Arial").SelectObject(0);
  w.ExtTextOut(20, 20, options, text, dx);
  return Render(w.Placeable(0, 0, 300, 150, 96));
}

TEST(TextGlyphIndex, WordsAreTheFontsGlyphIndices) {
  const unsigned h = ArialGlyphIndex(U'H');
  const unsigned o = ArialGlyphIndex(U'o');
  ASSERT_NE(h, 0u);
  ASSERT_NE(o, 0u);
  const auto asText = DrawText(0, "Ho");
  EXPECT_EQ(DrawText(kEtoGlyphIndex, Words({h, o})).pixels, asText.pixels);
  // Read as characters, the same bytes would draw something else.
  EXPECT_NE(DrawText(0, Words({h, o})).pixels, asText.pixels);
  // Each glyph takes the dx values of its two bytes.
  EXPECT_EQ(DrawText(kEtoGlyphIndex, Words({h, o}), {30, 10, 0, 0}).pixels, DrawText(0, "Ho", {40, 0}).pixels);
}

TEST(TextGlyphIndex, OddBytesAndIndicesBeyondTheFontAreHarmless) {
  const unsigned h = ArialGlyphIndex(U'H');
  ASSERT_NE(h, 0u);
  const auto single = DrawText(kEtoGlyphIndex, Words({h}));
  EXPECT_EQ(DrawText(kEtoGlyphIndex, Words({h}) + "x").pixels, single.pixels);
  // An index past the font's last glyph is its missing glyph, like index 0.
  EXPECT_EQ(DrawText(kEtoGlyphIndex, Words({0xFFFF})).pixels, DrawText(kEtoGlyphIndex, Words({0})).pixels);
}

}  // namespace
