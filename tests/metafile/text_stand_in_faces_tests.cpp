// Faces that system fonts lack (Marlett, Tahoma) come from the free fonts of the same names
// when those are installed.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "render_helpers.h"

namespace {

using metafile_test::At;
using metafile_test::Render;
using wmfw::WmfWriter;

constexpr const char* kFolder = "/usr/share/wine/fonts/";

bool HasFont(const char* file) { return std::filesystem::exists(std::string(kFolder) + file); }

metafile::Picture Draw(int16_t height, const std::string& face, uint8_t charset, const std::string& text) {
  WmfWriter w;
  w.SetBkMode(1).CreateFont(height, face, 400, false, false, false, charset).SelectObject(0);
  w.TextOut(10, 10, text);
  return Render(w.Placeable(0, 0, 200, 100, 96));
}

// Leftmost dark pixel of each row that has one.
std::vector<int> LeftEdges(const metafile::Picture& p) {
  std::vector<int> edges;
  for (int y = 0; y < p.height; ++y) {
    for (int x = 0; x < p.width; ++x) {
      if ((At(p, x, y) & 0xFF) < 128) {
        edges.push_back(x);
        break;
      }
    }
  }
  return edges;
}

TEST(TextStandInFaces, MarlettCheckMarkIsAGlyphNotABox) {
  if (!HasFont("marlett.ttf")) GTEST_SKIP() << "no Marlett stand-in installed (Debian package fonts-wine)";
  // 'a' in Marlett's symbol set is the check mark: a diagonal stroke, so the left edge of
  // its ink moves from row to row. The missing-glyph box has a straight left side.
  const std::vector<int> edges = LeftEdges(Draw(-60, "Marlett", 2, "a"));
  ASSERT_GT(edges.size(), 20u);
  const auto [lowest, highest] = std::minmax_element(edges.begin(), edges.end());
  EXPECT_GT(*highest - *lowest, 10);
}

struct SmoothingCase {
  int16_t height;
  bool grey;
};

void PrintTo(const SmoothingCase& c, std::ostream* os) { *os << c.height << (c.grey ? " px, grey" : " px, aliased"); }

class TahomaSmoothing : public testing::TestWithParam<SmoothingCase> {};

// Tahoma's own table asks for no grey smoothing up to 16 pixels per em.
TEST_P(TahomaSmoothing, FollowsTheFontsTable) {
  if (!HasFont("tahoma.ttf")) GTEST_SKIP() << "no Tahoma stand-in installed (Debian package fonts-wine)";
  const metafile::Picture p = Draw(GetParam().height, "Tahoma", 0, "Wavy");
  int ink = 0, grey = 0;
  for (int y = 0; y < p.height; ++y) {
    for (int x = 0; x < p.width; ++x) {
      const uint32_t rgb = At(p, x, y);
      if (rgb == metafile_test::kBlack) ++ink;
      else if (rgb != metafile_test::kWhite) ++grey;
    }
  }
  EXPECT_GT(ink, 0);
  EXPECT_EQ(grey > 0, GetParam().grey);
}

INSTANTIATE_TEST_SUITE_P(Sizes, TahomaSmoothing,
                         testing::Values(SmoothingCase{-11, false}, SmoothingCase{-16, false},
                                         SmoothingCase{-40, true}));

}  // namespace
