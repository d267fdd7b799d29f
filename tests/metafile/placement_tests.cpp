#include <gtest/gtest.h>

#include "metafile/metafile.h"
#include "render_helpers.h"

namespace {

using metafile::ComputePlacement;
using metafile::PlaceableHeader;
using metafile::Placement;

struct PlacementCase {
  const char* name;
  PlaceableHeader header;
  int width, height;
  double boxLeft, boxTop, boxRight, boxBottom;
};
void PrintTo(const PlacementCase& c, std::ostream* os) { *os << c.name; }

class PlacementTable : public testing::TestWithParam<PlacementCase> {};

TEST_P(PlacementTable, CanvasAndBox) {
  const PlacementCase& c = GetParam();
  Placement p;
  std::string reason;
  ASSERT_TRUE(ComputePlacement(c.header, p, reason)) << reason;
  EXPECT_EQ(p.width, c.width);
  EXPECT_EQ(p.height, c.height);
  EXPECT_NEAR(p.boxLeft, c.boxLeft, 1e-3);
  EXPECT_NEAR(p.boxTop, c.boxTop, 1e-3);
  EXPECT_NEAR(p.boxRight, c.boxRight, 1e-3);
  EXPECT_NEAR(p.boxBottom, c.boxBottom, 1e-3);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, PlacementTable,
    testing::Values(
        PlacementCase{"Twips", {0, 0, 2880, 1440, 1440}, 192, 96, 0, 0, 192, 96},
        PlacementCase{"OnePixelPerUnit", {0, 0, 300, 200, 96}, 300, 200, 0, 0, 300, 200},
        PlacementCase{"PositiveLeftTopKeepMargin", {96, 48, 288, 240, 96}, 288, 240, 96, 48, 288, 240},
        PlacementCase{"NegativeLeftTopGrowCanvas", {-100, -50, 100, 50, 96}, 200, 100, 0, 0, 200, 100},
        PlacementCase{"HalfRoundsAwayFromZero", {0, 0, 15, 5, 192}, 8, 3, 0, 0, 8, 3},
        PlacementCase{"BoxEntirelyLeftOfOrigin", {-300, -200, -100, -100, 96}, 200, 100, 0, 0, 200, 100}),
    [](const testing::TestParamInfo<PlacementCase>& param) { return std::string(param.param.name); });

struct RefusalCase {
  const char* name;
  PlaceableHeader header;
  const char* reasonPart;
};
void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }

class PlacementRefusals : public testing::TestWithParam<RefusalCase> {};

TEST_P(PlacementRefusals, RefusedWithReason) {
  const RefusalCase& c = GetParam();
  Placement p;
  std::string reason;
  EXPECT_FALSE(ComputePlacement(c.header, p, reason));
  EXPECT_NE(reason.find(c.reasonPart), std::string::npos) << reason;
}

INSTANTIATE_TEST_SUITE_P(
    Headers, PlacementRefusals,
    testing::Values(RefusalCase{"ZeroUnitsPerInch", {0, 0, 100, 100, 0}, "units per inch"},
                    RefusalCase{"EmptyWidth", {10, 0, 10, 100, 96}, "empty"},
                    RefusalCase{"InvertedHeight", {0, 100, 100, 0, 96}, "empty"},
                    RefusalCase{"RoundsToZero", {0, 0, 1, 1, 65535}, "not positive"},
                    RefusalCase{"SideTooLong", {0, 0, 32767, 10, 48}, "too large"},
                    RefusalCase{"AreaTooLarge", {0, 0, 30000, 30000, 96}, "too large"}),
    [](const testing::TestParamInfo<RefusalCase>& param) { return std::string(param.param.name); });

TEST(PlaceableHeader, ReadsBoxAndUnits) {
  wmfw::WmfWriter w;
  const auto bytes = w.Placeable(-5, 7, 2880, 1440, 1440);
  PlaceableHeader h;
  std::string reason;
  ASSERT_TRUE(metafile::ReadPlaceableHeader(bytes.data(), bytes.size(), h, reason));
  EXPECT_EQ(h.left, -5);
  EXPECT_EQ(h.top, 7);
  EXPECT_EQ(h.right, 2880);
  EXPECT_EQ(h.bottom, 1440);
  EXPECT_EQ(h.unitsPerInch, 1440);
}

TEST(PlaceableHeader, RefusesShortAndPlainFiles) {
  wmfw::WmfWriter w;
  const auto plain = w.Plain();
  PlaceableHeader h;
  std::string reason;
  EXPECT_FALSE(metafile::ReadPlaceableHeader(plain.data(), plain.size(), h, reason));
  EXPECT_NE(reason.find("not a placeable"), std::string::npos);
  EXPECT_FALSE(metafile::ReadPlaceableHeader(plain.data(), 10, h, reason));
  EXPECT_NE(reason.find("shorter"), std::string::npos);
  metafile::Picture picture;
  EXPECT_FALSE(metafile::RenderPlaceableMetafile(plain.data(), plain.size(), picture, reason));
  EXPECT_TRUE(picture.pixels.empty());
}

TEST(Placement, EmptyMetafileIsWhiteAtTheComputedSize) {
  wmfw::WmfWriter w;
  const auto picture = metafile_test::Render(w.Placeable(0, 0, 2880, 1440, 1440));
  ASSERT_EQ(picture.width, 192);
  ASSERT_EQ(picture.height, 96);
  EXPECT_EQ(metafile_test::Count(picture, metafile_test::kWhite), 192 * 96);
  EXPECT_EQ(picture.pixels[0] >> 24, 0xFFu);
}

// The window fills the box; a box with a margin keeps it, a box left of the origin grows
// the canvas so that nothing is cut.
TEST(Placement, WindowIsMappedOntoTheBox) {
  wmfw::WmfWriter w;
  w.SetMapMode(8).SetWindowOrg(0, 0).SetWindowExt(100, 100);
  w.CreateBrush(0, wmfw::Rgb(255, 0, 0)).SelectObject(0).CreatePen(5, 0, 0).SelectObject(1);
  w.Rectangle(0, 0, 101, 101);
  const auto picture = metafile_test::Render(w.Placeable(-50, 20, 50, 120, 96));
  ASSERT_EQ(picture.width, 100);
  ASSERT_EQ(picture.height, 120);
  EXPECT_EQ(metafile_test::At(picture, 0, 19), metafile_test::kWhite);
  EXPECT_EQ(metafile_test::At(picture, 0, 20), metafile_test::kRed);
  EXPECT_EQ(metafile_test::At(picture, 99, 119), metafile_test::kRed);
  EXPECT_EQ(metafile_test::Count(picture, metafile_test::kRed), 100 * 100);
}

}  // namespace
