// Malformed and hostile metafiles: every one must render or fail cleanly, quickly, and
// within bounded memory.
#include <gtest/gtest.h>

#include <random>

#include "metafile/object_table.h"
#include "metafile/player.h"
#include "metafile/raster_backend.h"
#include "metafile/record_loop.h"
#include "metafile/recording_backend.h"
#include "metafile/render.h"
#include "render_helpers.h"

namespace {

using namespace metafile_test;
using wmfw::Bytes;
using wmfw::Rgb;
using wmfw::WmfWriter;

void PutU32(Bytes& b, uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(uint8_t(v >> (8 * i)));
}
void PutU16(Bytes& b, uint16_t v) {
  b.push_back(uint8_t(v));
  b.push_back(uint8_t(v >> 8));
}

// A red rectangle, then whatever `tail` appends, then a blue rectangle that must not be
// reached when the tail stops the loop.
Bytes Framed(const Bytes& tail) {
  WmfWriter w;
  w.CreatePen(5, 0, 0).SelectObject(0);
  w.CreateBrush(0, Rgb(255, 0, 0)).SelectObject(1).Rectangle(0, 0, 11, 11);
  w.Raw(tail);
  w.CreateBrush(0, Rgb(0, 0, 255)).SelectObject(2).Rectangle(20, 0, 31, 11);
  return w.Placeable(0, 0, 100, 100, 96);
}

TEST(HostileRecords, LoopStopsOnUnusableSizes) {
  struct Case {
    const char* name;
    uint32_t sizeWords;
  };
  for (const Case& c : {Case{"zero", 0}, Case{"two words", 2}, Case{"past the end", 100000},
                        Case{"largest", 0xFFFFFFFFu}}) {
    Bytes tail;
    PutU32(tail, c.sizeWords);
    PutU16(tail, 0x041B);
    const auto p = Render(Framed(tail));
    EXPECT_EQ(At(p, 5, 5), kRed) << c.name;
    EXPECT_EQ(At(p, 25, 5), kWhite) << c.name;
  }
}

TEST(HostileRecords, UnknownAndEscapeRecordsAreSkipped) {
  Bytes tail;
  PutU32(tail, 5);
  PutU16(tail, 0x7777);
  PutU32(tail, 0x12345678);
  PutU32(tail, 4);
  PutU16(tail, 0x0626);
  PutU16(tail, 15);
  const auto p = Render(Framed(tail));
  EXPECT_EQ(At(p, 5, 5), kRed);
  EXPECT_EQ(At(p, 25, 5), kBlue);
}

TEST(HostileRecords, ShortRecordsOfEveryKnownFunctionAreHarmless) {
  // Each known function with no parameters at all, and with one stray word.
  const uint16_t functions[] = {
      0x001E, 0x0102, 0x0103, 0x0104, 0x0106, 0x0107, 0x0108, 0x0127, 0x012A, 0x012B, 0x012C, 0x012D,
      0x012E, 0x0142, 0x01F0, 0x01F9, 0x0201, 0x0209, 0x020A, 0x020B, 0x020C, 0x020D, 0x020E, 0x020F,
      0x0211, 0x0213, 0x0214, 0x0220, 0x0228, 0x0234, 0x02FA, 0x02FB, 0x02FC, 0x02FD, 0x00F7, 0x0324,
      0x0325, 0x0410, 0x0412, 0x0415, 0x0416, 0x0418, 0x0419, 0x041B, 0x041F, 0x0429, 0x0538, 0x0548,
      0x061C, 0x06FE, 0x06FF, 0x0817, 0x081A, 0x0830, 0x0521, 0x0A32, 0x0922, 0x0940, 0x0B23, 0x0B41,
      0x0D33, 0x0F43, 0x061D, 0x0626};
  Bytes tail;
  for (uint16_t f : functions) {
    PutU32(tail, 3);
    PutU16(tail, f);
    PutU32(tail, 4);
    PutU16(tail, f);
    PutU16(tail, 0xFFFF);
  }
  const auto p = Render(Framed(tail));
  EXPECT_EQ(At(p, 5, 5), kRed);
}

TEST(HostileRecords, CountsLargerThanTheRecordAreRefused) {
  WmfWriter w;
  w.Record(wmfw::kPolygon, {int16_t(0xFFFF), 1, 1, 50, 50});
  w.Record(wmfw::kPolyline, {int16_t(0x7FFF), 1, 1});
  w.Record(wmfw::kPolyPolygon, {int16_t(0xFFFF), 3});
  w.Record(wmfw::kPolyPolygon, {2, int16_t(0x7FFF), int16_t(0x7FFF), 0, 0});
  w.Record(wmfw::kCreateRegion, {0, 6, 0, 0, 100, int16_t(0x7FFF), 2, 0, 0, 10, 10, int16_t(0x7FFF), 0, 10});
  const auto p = Render(w.Placeable(0, 0, 100, 100, 96));
  EXPECT_EQ(Count(p, kWhite), 100 * 100);
}

TEST(HostileRecords, TruncatedFileEndsInsideARecord) {
  WmfWriter w;
  w.CreateBrush(0, Rgb(255, 0, 0)).SelectObject(0).Rectangle(0, 0, 50, 50);
  w.Polygon({{0, 0}, {10, 0}, {10, 10}});
  Bytes bytes = w.Placeable(0, 0, 100, 100, 96);
  for (size_t cut = 0; cut < bytes.size(); ++cut) {
    metafile::Picture picture;
    std::string reason;
    const bool ok = metafile::RenderPlaceableMetafile(bytes.data(), cut, picture, reason);
    // Without the header, or with more than a placeable header's worth of records missing.
    if (cut < 22 + 18 || cut + 22 < bytes.size() - 6) {
      EXPECT_FALSE(ok) << cut;
    }
    if (!ok) {
      EXPECT_FALSE(reason.empty()) << cut;
    }
  }
}

TEST(HostileRecords, DeepSaveDCIsBounded) {
  WmfWriter w;
  for (int i = 0; i < 3000; ++i) w.SaveDC();
  w.CreateBrush(0, Rgb(255, 0, 0)).SelectObject(0);
  for (int i = 0; i < 3000; ++i) w.RestoreDC(-1);
  w.Rectangle(0, 0, 11, 11);
  const auto p = Render(w.Placeable(0, 0, 100, 100, 96));
  EXPECT_EQ(At(p, 5, 5), kWhite);  // the brush was restored away; the default white remains
  EXPECT_EQ(At(p, 0, 0), kBlack);
}

TEST(HostileRecords, ObjectTableExhaustionDropsCreations) {
  metafile::ObjectTable table(0);
  size_t added = 0;
  for (size_t i = 0; i < metafile::ObjectTable::kMaxObjects + 10; ++i) added += table.Add(metafile::Pen{}) >= 0;
  EXPECT_EQ(added, table.Capacity());
  EXPECT_EQ(table.Add(metafile::Pen{}), -1);
  table.Remove(7);
  EXPECT_EQ(table.Add(metafile::Brush{}), 7);

  // Through records: a file that never deletes keeps drawing with what it selected.
  WmfWriter w;
  w.CreateBrush(0, Rgb(255, 0, 0)).SelectObject(0);
  for (int i = 0; i < 20000; ++i) w.CreatePen(0, 0, 0);
  w.SelectObject(30000).Rectangle(0, 0, 11, 11);
  const auto p = Render(w.Placeable(0, 0, 100, 100, 96));
  EXPECT_EQ(At(p, 5, 5), kRed);
}

TEST(HostileRecords, HugeCoordinatesAndExtentsStayBounded) {
  WmfWriter w;
  w.SetMapMode(8).SetWindowExt(1, 1).SetViewportExt(32767, 32767);
  w.CreatePen(0, 32767, Rgb(0, 0, 255)).SelectObject(0);
  w.Ellipse(-32768, -32768, 32767, 32767);
  w.Polygon({{-32768, -32768}, {32767, 0}, {0, 32767}});
  w.MoveTo(-32768, 5).LineTo(32767, 5);
  w.RoundRect(-30000, -30000, 30000, 30000, 32767, 32767);
  w.Pie(-30000, -30000, 30000, 30000, 0, 0, 0, 0);
  w.ExtFloodFill(0, 0, 0, 1);
  const auto p = Render(w.Placeable(0, 0, 100, 100, 96));
  EXPECT_EQ(p.width, 100);
}

TEST(HostileRecords, RandomCorruptionNeverCrashes) {
  WmfWriter w;
  w.SetMapMode(8).SetWindowExt(200, 200);
  w.CreatePen(1, 3, Rgb(0, 0, 0)).SelectObject(0).CreateBrush(2, Rgb(0, 128, 0), 3).SelectObject(1);
  w.CreateRegion({{10, 10, 50, 50}}).SelectClipRegion(2);
  w.Polygon({{0, 0}, {150, 20}, {80, 190}}).Ellipse(20, 20, 180, 120).Arc(0, 0, 100, 100, 0, 50, 100, 50);
  w.PolyPolygon({{{1, 1}, {50, 1}, {50, 50}}, {{60, 60}, {90, 60}, {90, 90}}}).SaveDC().RestoreDC(-1);
  const Bytes original = w.Placeable(0, 0, 100, 100, 96);
  std::mt19937 random(12345);
  for (int round = 0; round < 400; ++round) {
    Bytes bytes = original;
    const int flips = 1 + int(random() % 8);
    for (int i = 0; i < flips; ++i) {
      const size_t at = 22 + random() % (bytes.size() - 22);
      bytes[at] = uint8_t(random());
    }
    metafile::Picture picture;
    std::string reason;
    if (metafile::RenderPlaceableMetafile(bytes.data(), bytes.size(), picture, reason)) {
      EXPECT_EQ(picture.pixels.size(), size_t(picture.width) * size_t(picture.height));
    }
  }
}

TEST(RecordLoop, StopsAtTheEndRecordAndCountsHandledRecords) {
  WmfWriter w;
  w.SetBkMode(1).Record(0x7777, {}).Rectangle(0, 0, 5, 5);
  const Bytes bytes = w.Placeable(0, 0, 10, 10, 96);
  metafile::PlaceableHeader header;
  metafile::Placement placement;
  ASSERT_TRUE(metafile_test::ReadHeaderAndPlacement(bytes, header, placement));
  std::string reason;
  metafile::RecordingBackend backend;
  metafile::PlaySummary summary;
  ASSERT_TRUE(metafile::PlayPlaceableMetafile(bytes.data(), bytes.size(), header, placement, backend, reason,
                                              &summary));
  EXPECT_EQ(summary.records, 4u);
  EXPECT_EQ(summary.handled, 2u);
  EXPECT_TRUE(summary.reachedEndRecord);
  EXPECT_EQ(backend.Calls().size(), 1u);
}

// The observer sees every played record in order, with its offset, size and parameters,
// before its handler draws; unknown records included, nothing after the end record.
TEST(RecordLoop, ObserverSeesEachRecordBeforeItsHandler) {
  WmfWriter w;
  w.SetBkMode(1).Record(0x7777, {5, -2}).Rectangle(0, 0, 5, 5);
  const Bytes bytes = w.Placeable(0, 0, 10, 10, 96);
  metafile::PlaceableHeader header;
  metafile::Placement placement;
  ASSERT_TRUE(metafile_test::ReadHeaderAndPlacement(bytes, header, placement));
  std::string reason;
  metafile::RecordingBackend backend;
  struct Seen {
    size_t offset;
    uint16_t function;
    uint32_t sizeWords;
    std::vector<uint8_t> params;
    size_t callsBefore;
  };
  std::vector<Seen> seen;
  const metafile::RecordObserver observer = [&](const metafile::RecordInfo& r) {
    seen.push_back({r.offset, r.function, r.sizeWords, std::vector<uint8_t>(r.params, r.params + r.paramBytes),
                    backend.Calls().size()});
  };
  ASSERT_TRUE(metafile::PlayPlaceableMetafile(bytes.data(), bytes.size(), header, placement, backend, reason,
                                              nullptr, &observer));
  ASSERT_EQ(seen.size(), 4u);
  EXPECT_EQ(seen[0].offset, 18u);
  EXPECT_EQ(seen[0].function, 0x0102);
  EXPECT_EQ(seen[1].offset, 18u + 2 * seen[0].sizeWords);
  EXPECT_EQ(seen[1].function, 0x7777);
  EXPECT_EQ(seen[1].sizeWords, 5u);
  EXPECT_EQ(seen[1].params, (std::vector<uint8_t>{5, 0, 0xFE, 0xFF}));
  EXPECT_EQ(seen[2].callsBefore, 0u);  // the rectangle is drawn after it is observed
  EXPECT_EQ(seen[3].function, 0x0000);
  EXPECT_TRUE(seen[3].params.empty());
  EXPECT_EQ(backend.Calls().size(), 1u);
}

TEST(RecordLoop, BadMetafileHeaderIsRefused) {
  WmfWriter w;
  Bytes bytes = w.Placeable(0, 0, 10, 10, 96);
  bytes[22 + 2] = 7;  // header size in words must be 9
  metafile::Picture picture;
  std::string reason;
  EXPECT_FALSE(metafile::RenderPlaceableMetafile(bytes.data(), bytes.size(), picture, reason));
  EXPECT_NE(reason.find("header"), std::string::npos);
}

}  // namespace

namespace {

// A file that repeats huge figures stops playing once the work budget is spent, instead
// of running for minutes, and keeps what it drew so far.
TEST(HostileRecords, PlaybackStopsWhenTheWorkBudgetIsSpent) {
  WmfWriter w;
  w.CreatePen(5, 0, 0).SelectObject(0);
  w.CreateBrush(0, Rgb(255, 0, 0)).CreateBrush(0, Rgb(0, 0, 255));  // slots 1, 2
  for (int i = 0; i < 40; ++i) w.SelectObject(uint16_t(1 + i % 2)).Rectangle(0, 0, 100, 100);
  w.SetPixel(0, 0, Rgb(0, 255, 0));
  const Bytes bytes = w.Placeable(0, 0, 100, 100, 96);
  metafile::PlaceableHeader header;
  metafile::Placement placement;
  ASSERT_TRUE(metafile_test::ReadHeaderAndPlacement(bytes, header, placement));
  std::string reason;
  metafile::Canvas canvas(placement.width, placement.height);
  metafile::RasterBackend backend(canvas, 10 * 100 * 100 * 3);  // room for a few figures
  metafile::PlaySummary summary;
  ASSERT_TRUE(
      metafile::PlayPlaceableMetafile(bytes.data(), bytes.size(), header, placement, backend, reason, &summary));
  EXPECT_TRUE(backend.Exhausted());
  EXPECT_TRUE(summary.stoppedOnBudget);
  EXPECT_FALSE(summary.reachedEndRecord);
  EXPECT_EQ(summary.budgetSpentAt.function, wmfw::kRectangle);
  const uint32_t middle = canvas.Pixel(50, 50) & 0xFFFFFF;
  EXPECT_TRUE(middle == kRed || middle == kBlue) << std::hex << middle;  // the figures drawn before stay
  EXPECT_NE(canvas.Pixel(0, 0) & 0xFFFFFF, kGreen);                       // the records after it never ran
  EXPECT_EQ(backend.RasterCanvas(), nullptr);
  EXPECT_FALSE(backend.Charge(1));
  const std::vector<std::string> notes = metafile::PlaybackNotes(summary);
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_NE(notes[0].find("work budget ran out at a RECTANGLE record"), std::string::npos) << notes[0];
}

// Values of the drawing state that accumulate record after record saturate instead of
// overflowing (a signed overflow the sanitizers of the asan build report).

// 70,000 offsets of 32767 take an origin past the largest coordinate, where it saturates;
// 65,538 offsets back then bring it to 1 (wrapping would leave it at 146 million).
TEST(HostileRecords, AccumulatedOriginsSaturate) {
  for (const uint16_t offset : {wmfw::kOffsetWindowOrg, wmfw::kOffsetViewportOrg}) {
    WmfWriter w;
    w.CreatePen(5, 0, 0).SelectObject(0).CreateBrush(0, Rgb(255, 0, 0)).SelectObject(1);
    for (int i = 0; i < 70000; ++i) w.Record(offset, {0, 32767});
    for (int i = 0; i < 65538; ++i) w.Record(offset, {0, -32767});
    w.Rectangle(0, 0, 12, 12);
    const auto p = Render(w.Placeable(0, 0, 100, 100, 96));
    EXPECT_GE(Count(p, kRed, 0, 0, 20, 20), 100) << std::hex << offset;
  }
}

// The current position moves on with each string drawn with TA_UPDATECP; strings far wider
// than the canvas (the window is 32767 units over 100 pixels) take it past the largest
// coordinate, where it saturates (wrapping would put it far to the left). A line from it
// then comes in from the right. The text is white, so only the line shows.
TEST(HostileRecords, TheCurrentPositionSaturates) {
  WmfWriter w;
  w.SetWindowExt(32767, 100).SetBkMode(1).SetTextColor(Rgb(255, 255, 255));
  w.CreateFont(-100, "Arial").SelectObject(0).MoveTo(0, 20).SetTextAlign(1);
  const std::string wide(8000, 'W');
  for (int i = 0; i < 12; ++i) w.TextOut(0, 0, wide);
  w.SetTextAlign(0).LineTo(16000, 50);  // canvas pixel 48
  const auto p = Render(w.Placeable(0, 0, 100, 100, 96));
  EXPECT_EQ(At(p, 90, 50), kBlack);
  EXPECT_EQ(At(p, 20, 50), kWhite);
}

}  // namespace
