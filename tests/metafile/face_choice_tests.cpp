// The choice of face: the player's table of stand-ins over the installed fonts, names
// compared as fontconfig compares them, and a cost per name that no file can inflate.
#include <gtest/gtest.h>

#include <time.h>

#include <functional>
#include <string>

#include "metafile/face_choice.h"
#include "render_helpers.h"

namespace {

using metafile::ChooseFace;
using metafile::FontFile;

constexpr uint8_t kAnsi = 0;
constexpr uint8_t kSymbol = 2;

bool Installed(const std::string& family) {
  // An installed family is chosen for its own name; the default for unknown names is not.
  return ChooseFace(family, kAnsi, false, false).file != ChooseFace("No Face Has This Name", kAnsi, false, false).file ||
         family == "DejaVu Sans";
}

struct StandInCase {
  const char* face;
  const char* family;  // the installed family drawing it
  bool bold;
  bool italic;
};

void PrintTo(const StandInCase& c, std::ostream* os) {
  *os << c.face << (c.bold ? " bold" : "") << (c.italic ? " italic" : "") << " -> " << c.family;
}

class StandIn : public testing::TestWithParam<StandInCase> {};

TEST_P(StandIn, DrawsWithTheInstalledFamily) {
  const StandInCase& c = GetParam();
  if (!Installed(c.family)) GTEST_SKIP() << c.family << " is not installed (scripts/install-deps.sh installs it)";
  const FontFile expected = ChooseFace(c.family, kAnsi, c.bold, c.italic).file;
  ASSERT_FALSE(expected.path.empty());
  EXPECT_EQ(ChooseFace(c.face, kAnsi, c.bold, c.italic).file, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, StandIn,
    testing::Values(StandInCase{"Arial", "Liberation Sans", false, false},
                    StandInCase{"Arial", "Liberation Sans", true, true},
                    StandInCase{"Times New Roman", "Liberation Serif", false, true},
                    StandInCase{"TIMESNEWROMAN", "Liberation Serif", false, false},
                    StandInCase{"courier new", "Liberation Mono", true, false},
                    StandInCase{"Calibri", "Carlito", false, false}, StandInCase{"Cambria", "Caladea", true, false},
                    StandInCase{"Helvetica", "Nimbus Sans", false, false},
                    StandInCase{"Times", "Nimbus Roman", false, false},
                    StandInCase{"Symbol", "Standard Symbols PS", false, false},
                    StandInCase{"serif", "Liberation Serif", false, false},
                    StandInCase{"Georgia", "DejaVu Serif", false, false},
                    StandInCase{"Consolas", "DejaVu Sans Mono", false, false},
                    StandInCase{"Segoe UI", "DejaVu Sans", false, false},
                    StandInCase{"Cambria Math", "DejaVu Math TeX Gyre", false, false}));

TEST(FaceChoice, UnknownSymbolFacesAreBoxesAndMappedOnesAreRead) {
  const metafile::FaceChoice unknown = ChooseFace("No Face Has This Name", kSymbol, false, false);
  EXPECT_TRUE(unknown.missingGlyphs);
  EXPECT_EQ(unknown.file, ChooseFace("Symbol", kSymbol, false, false).file);
  const metafile::FaceChoice mtExtra = ChooseFace("MT Extra", kSymbol, false, false);
  EXPECT_FALSE(mtExtra.missingGlyphs);
  EXPECT_EQ(mtExtra.encoding, metafile::TextEncoding::kMtExtra);
  EXPECT_EQ(mtExtra.file, unknown.file) << "metrics of the Symbol stand-in";
  EXPECT_EQ(ChooseFace("MT Extra", kAnsi, false, false).encoding, metafile::TextEncoding::kCodePage);
}

// Processor time of one rendering, in seconds (machine load does not count).
double RenderSeconds(const wmfw::Bytes& bytes) {
  timespec start{}, end{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &start);
  metafile_test::Render(bytes);
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &end);
  return double(end.tv_sec - start.tv_sec) + double(end.tv_nsec - start.tv_nsec) * 1e-9;
}

// 16,000 font records, each naming `face(i)`, each drawing two letters.
wmfw::Bytes FontRecords(const std::function<std::string(int)>& face) {
  wmfw::WmfWriter w;
  w.SetBkMode(1);
  for (int i = 0; i < 16000; ++i) {
    w.CreateFont(-12, face(i), 400, false, false, false, uint8_t(i % 2 ? kSymbol : kAnsi))
        .SelectObject(0)
        .TextOut(int16_t(i % 300), int16_t(i % 200), "ab")
        .DeleteObject(0);
  }
  return w.Placeable(0, 0, 300, 200, 96);
}

// 3,760 distinct Chinese characters in one face.
wmfw::Bytes Hanzi(const std::string& face) {
  constexpr uint8_t kGb2312 = 134;
  wmfw::WmfWriter w;
  w.SetBkMode(1).CreateFont(-12, face, 400, false, false, false, kGb2312).SelectObject(0);
  std::string hanzi;
  for (int lead = 0xB0; lead < 0xD8; ++lead) {
    for (int trail = 0xA1; trail < 0xFF; ++trail) hanzi += {char(lead), char(trail)};
  }
  w.TextOut(0, 0, hanzi);
  return w.Placeable(0, 0, 300, 200, 96);
}

// A file may name a different face in every font record: each name costs table look-ups,
// not a search of the installed fonts, so such a file plays about as fast as one naming a
// single face. Characters the face lacks cost no search of the installed fonts either.
TEST(FaceChoice, DistinctNamesCostNoMoreThanOneName) {
  const double oneName = RenderSeconds(FontRecords([](int) { return std::string("Some Face"); }));
  const double distinct = RenderSeconds(FontRecords([](int i) { return "Face " + std::to_string(i); }));
  EXPECT_LT(distinct, 3 * oneName + 0.25) << oneName << " s for one name";
}

TEST(FaceChoice, FallbackCharactersCostNoMoreThanTheFaceThatHasThem) {
  const double direct = RenderSeconds(Hanzi("Droid Sans Fallback"));
  const double fallback = RenderSeconds(Hanzi("Arial"));
  EXPECT_LT(fallback, 3 * direct + 0.25) << direct << " s in the face that has them";
}

}  // namespace
