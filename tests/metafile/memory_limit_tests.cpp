// Running out of memory is an answer, never a crash: files whose canvas, masks or bitmaps
// do not fit are played in a child process whose address space is limited.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <fstream>
#include <string>

#include "fidelity/process_limits.h"
#include "hostile_files.h"
#include "render_helpers.h"

namespace {

using namespace metafile_test;
using vecrast::fidelity::JobOutcome;
using vecrast::fidelity::MemoryLimitApplies;
using vecrast::fidelity::ProcessLimits;
using vecrast::fidelity::RunInWorkers;
using wmfw::Bytes;
using wmfw::Rgb;
using wmfw::WmfWriter;

// The calling process's address space now, in bytes.
size_t AddressSpace() {
  std::ifstream statm("/proc/self/statm");
  size_t pages = 0;
  statm >> pages;
  return pages * size_t(sysconf(_SC_PAGESIZE));
}

// Lets the calling process grow by `megabytes` from here, and no more.
void AllowOnly(size_t megabytes) {
  const rlim_t bytes = AddressSpace() + (rlim_t(megabytes) << 20);
  const rlimit limit{bytes, bytes};
  setrlimit(RLIMIT_AS, &limit);
}

// Renders `bytes` in a child allowed `megabytes` more; what happened, as text: "refused: "
// and the reason, or "rendered", the notes and the colour at (x, y).
std::string RenderUnderLimit(const Bytes& bytes, size_t megabytes, int x = 0, int y = 0) {
  const std::vector<JobOutcome> outcomes = RunInWorkers(1, 1, ProcessLimits{60000, 1 << 20}, [&](size_t) {
    AllowOnly(megabytes);
    metafile::Picture picture;
    std::string reason;
    if (!metafile::RenderPlaceableMetafile(bytes.data(), bytes.size(), picture, reason)) return "refused: " + reason;
    std::string text = "rendered";
    for (const std::string& note : picture.notes) text += "; " + note;
    char colour[16];
    std::snprintf(colour, sizeof colour, "; #%06X", At(picture, x, y));
    return text + colour;
  });
  return outcomes[0].end == JobOutcome::End::Done ? outcomes[0].text : "crashed or hung";
}

TEST(MemoryLimit, ACanvasThatDoesNotFitFailsWithAReason) {
  if (!MemoryLimitApplies()) GTEST_SKIP() << "no memory limit under the sanitizers";
  WmfWriter w;
  w.SetBkMode(1);
  const Bytes bytes = w.Placeable(0, 0, 16384, 16384, 96);  // 2^28 pixels, inside the size limits
  ASSERT_EQ(bytes.size(), 54u);
  EXPECT_EQ(RenderUnderLimit(bytes, 512),
            "refused: there is not enough memory for a picture of 16384 x 16384 pixels");
}

TEST(MemoryLimit, FiguresWhoseMasksDoNotFitAreLeftOutAndTheRestIsDrawn) {
  if (!MemoryLimitApplies()) GTEST_SKIP() << "no memory limit under the sanitizers";
  WmfWriter w;
  w.CreateBrush(0, Rgb(255, 0, 0)).SelectObject(0);
  w.Ellipse(0, 0, 8192, 8192);  // three masks of 64 MB over the whole canvas
  w.Rectangle(10, 10, 20, 20);
  const std::string outcome = RenderUnderLimit(w.Placeable(0, 0, 8192, 8192, 96), 256 + 100, 15, 15);
  EXPECT_EQ(outcome, "rendered; 1 figures were left out: there was not enough memory for them; #FF0000");
}

TEST(MemoryLimit, ABitmapThatDoesNotFitIsLeftOutWithANote) {
  if (!MemoryLimitApplies()) GTEST_SKIP() << "no memory limit under the sanitizers";
  // An 8192 x 8192 run-length bitmap: half a megabyte of codes, 256 MB of pixels (within the
  // size a 1000 x 1000 picture may decode).
  const Bytes file = hostile::FindKind("shrunk-blits")->build({1000, 1000, 1, 8192});
  WmfWriter w;
  w.Raw(Bytes(file.begin() + 40, file.end() - 6));
  w.CreateBrush(0, Rgb(0, 0, 255)).SelectObject(0).Rectangle(10, 10, 20, 20);
  const Bytes bytes = w.Placeable(0, 0, 1000, 1000, 96);
  EXPECT_EQ(RenderUnderLimit(bytes, 128, 15, 15), "rendered; a STRETCHDIB record could not be used (byte 48); #0000FF");
  EXPECT_EQ(RenderUnderLimit(bytes, 1024, 15, 15), "rendered; #0000FF") << "with the memory it needs";
}

}  // namespace
