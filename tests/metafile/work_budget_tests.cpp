// The work budget: every kind of costly work pays for itself, so a small file built to
// repeat it runs out of budget instead of keeping playback busy, and the picture keeps
// what was drawn before.
#include <gtest/gtest.h>

#include "hostile_files.h"
#include "metafile/raster_backend.h"
#include "metafile/render.h"
#include "metafile/work_budget.h"
#include "render_helpers.h"

namespace {

using namespace metafile_test;
using wmfw::Bytes;
using wmfw::Rgb;
using wmfw::WmfWriter;

struct Played {
  metafile::PlaySummary summary;
  int64_t spent = 0;
};

Played Play(const Bytes& bytes, int64_t budget) {
  Played played;
  metafile::PlaceableHeader header;
  metafile::Placement placement;
  if (!ReadHeaderAndPlacement(bytes, header, placement)) return played;
  metafile::Canvas canvas(placement.width, placement.height);
  metafile::RasterBackend backend(canvas, budget);
  std::string reason;
  EXPECT_TRUE(metafile::PlayPlaceableMetafile(bytes.data(), bytes.size(), header, placement, backend, reason,
                                              &played.summary))
      << reason;
  played.spent = budget - backend.BudgetLeft();
  return played;
}

// Each hostile kind, small: about a tenth of a second of work at most if it were not paid
// for, and several times the budget below when it is.
struct SmallKind {
  const char* name;
  hostile::Size size;
};

constexpr int64_t kSmallBudget = 20'000'000;

const SmallKind kSmallKinds[] = {
    {"stacked-glyphs", {400, 400, 20, 400}},     {"large-pngs", {100, 100, 20, 2048}},
    {"clipped-lines", {2000, 100, 200, 2048}},   {"zigzag-polygons", {1000, 1000, 20, 2000}},
    {"dashed-lines", {1000, 1000, 20, 2000}},    {"wide-pens", {1000, 1000, 20, 2000}},
    {"flood-fills", {500, 500, 60, 0}},          {"pattern-fills", {500, 500, 200, 0}},
    {"xor-fills", {500, 500, 200, 0}},           {"flat-ellipses", {8192, 100, 20000, 0}},
    {"tiny-figures", {100, 100, 200000, 0}},
    {"small-texts", {100, 100, 30000, 0}},       {"font-sizes", {100, 100, 20000, 0}},
    {"region-frames", {1024, 1024, 100, 256}},   {"clip-edits", {1024, 1024, 5000, 2048}},
    {"wide-scan-regions", {8192, 1024, 20, 2048}}, {"shrunk-blits", {1000, 1000, 10, 2048}},
    {"stretched-blits", {500, 500, 200, 0}},
};

TEST(WorkBudget, EveryHostileKindRunsOutOfBudget) {
  ASSERT_EQ(std::size(kSmallKinds), hostile::Kinds().size()) << "a hostile kind without a small size here";
  for (const SmallKind& small : kSmallKinds) {
    const hostile::Kind* kind = hostile::FindKind(small.name);
    ASSERT_NE(kind, nullptr) << small.name;
    const Played played = Play(kind->build(small.size), kSmallBudget);
    EXPECT_TRUE(played.summary.stoppedOnBudget) << small.name << ": " << kind->what << " spent only "
                                                << played.spent << " units";
  }
}

TEST(WorkBudget, ThePictureKeepsWhatWasDrawnBeforeTheBudgetRanOut) {
  WmfWriter w;
  w.CreatePen(5, 0, 0).SelectObject(0).CreateBrush(0, Rgb(255, 0, 0)).SelectObject(1).Rectangle(0, 0, 51, 101);
  // Flood fills turning the right half green and white again and again, then a blue
  // rectangle over it that is never reached.
  w.CreateBrush(0, Rgb(0, 255, 0)).CreateBrush(0, Rgb(255, 255, 255));  // slots 2, 3
  for (int i = 0; i < 1000; ++i) {
    w.SelectObject(uint16_t(2 + i % 2)).ExtFloodFill(75, 50, i % 2 ? Rgb(0, 255, 0) : Rgb(255, 255, 255), 1);
  }
  w.CreateBrush(0, Rgb(0, 0, 255)).SelectObject(4).Rectangle(50, 0, 101, 101);
  metafile::Picture picture;
  std::string reason;
  const Bytes bytes = w.Placeable(0, 0, 100, 100, 96);
  ASSERT_TRUE(metafile::RenderPlaceableMetafile(bytes.data(), bytes.size(), picture, reason, nullptr, 5'000'000)) << reason;
  EXPECT_EQ(At(picture, 25, 50), kRed);
  const uint32_t right = At(picture, 75, 50);
  EXPECT_TRUE(right == kGreen || right == kWhite) << std::hex << right;
  ASSERT_FALSE(picture.notes.empty());
  EXPECT_NE(picture.notes.back().find("the work budget ran out"), std::string::npos) << picture.notes.back();
}

// An ordinary picture of the largest size, with a little of everything on it, is drawn
// whole within the default budget.
TEST(WorkBudget, TheLargestLegalPictureWithRealContentFits) {
  WmfWriter w;
  w.SetWindowExt(16384, 16384);
  w.CreatePen(0, 8, Rgb(0, 0, 0)).SelectObject(0).CreateBrush(0, Rgb(230, 240, 255)).SelectObject(1);
  w.Rectangle(0, 0, 16384, 16384);
  w.CreateBrush(2, Rgb(0, 128, 0), 4).SelectObject(2);
  for (int i = 0; i < 4; ++i) {
    const int16_t at = int16_t(1000 + i * 3500);
    w.Ellipse(at, at, int16_t(at + 3000), int16_t(at + 3000));
    w.Polygon({{at, 0}, {int16_t(at + 3000), 8000}, {int16_t(at - 500), 16000}});
  }
  w.CreateFont(-400, "Arial").SelectObject(3);
  for (int line = 0; line < 30; ++line) w.TextOut(200, int16_t(200 + line * 500), "The quick brown fox jumps over");
  w.CreatePen(0, 0, Rgb(0, 0, 128)).SelectObject(4);
  for (int i = 0; i < 2000; ++i) w.MoveTo(int16_t(i * 8), 0).LineTo(16383, int16_t(i * 8));
  metafile::Picture picture;
  std::string reason;
  const Bytes bytes = w.Placeable(0, 0, 16384, 16384, 96);
  ASSERT_TRUE(metafile::RenderPlaceableMetafile(bytes.data(), bytes.size(), picture, reason)) << reason;
  EXPECT_EQ(picture.notes, std::vector<std::string>{});
  EXPECT_EQ(At(picture, 1999 * 8, 0), 0x000080u) << "the last line was drawn";
}

}  // namespace
