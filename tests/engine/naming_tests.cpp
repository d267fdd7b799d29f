#include <gtest/gtest.h>

#include <ctime>

#include "engine/naming.h"
#include "engine/text_case.h"
#include "engine_test_helpers.h"
#include "settings/settings.h"

using namespace vecrast;

namespace {

// 2026-03-04 05:06:07 UTC; the expectations are taken from the local time of that moment.
constexpr std::time_t kFixedTime = 1772600767;
std::time_t FixedClock() { return kFixedTime; }

std::string LocalFixed(const char* format) {
  std::tm parts{};
  localtime_r(&kFixedTime, &parts);
  char text[32];
  std::strftime(text, sizeof text, format, &parts);
  return text;
}

int32_t LowestRandom(int32_t low, int32_t) { return low; }
int32_t HighestRandom(int32_t, int32_t high) { return high; }

class Naming : public ::testing::Test {
 protected:
  void SetUp() override {
    enginetest::ResetRunRecords();
    SetClockSource(FixedClock);
    ConversionJob.inputPath = "/in/Drawing.WMF";
    ConversionJob.outputExtension = "jpg";
    ConversionJob.targetBpp = 24;
    ConversionJob.outputWidth = 640;
    ConversionJob.outputHeight = 480;
    ConversionJob.randomToken = 42;
    ConversionJob.sequenceNumber = 7;
  }
  void TearDown() override { SetClockSource(nullptr); }

  std::string Name(const std::string& mask) {
    Settings.filenameMask = mask;
    return ExpandFilenameMask();
  }
};

}  // namespace

TEST_F(Naming, EveryTokenHasItsValue) {
  struct Case {
    const char* token;
    std::string value;
  };
  const Case cases[] = {
      {"%filename%", "Drawing"}, {"%filename[u]%", "DRAWING"}, {"%filename[l]%", "drawing"},
      {"%filename[t]%", "Drawing"}, {"%ext%", "jpg"}, {"%ext[u]%", "JPG"}, {"%ext[t]%", "Jpg"},
      {"%yyyy%", LocalFixed("%Y")}, {"%mm%", LocalFixed("%m")}, {"%dd%", LocalFixed("%d")},
      {"%hh%", LocalFixed("%H")}, {"%ii%", LocalFixed("%M")}, {"%ss%", LocalFixed("%S")},
      {"%bpp%", "24"}, {"%width%", "640"}, {"%height%", "480"}, {"%rnd%", "00042"}, {"%n%", "00007"},
  };
  ASSERT_EQ(NameTokens().size(), std::size(cases));
  for (size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(NameTokens()[i].token, cases[i].token) << "table order";
    EXPECT_EQ(ExpandTokens(std::string("<") + cases[i].token + ">", cases[i].token), "<" + cases[i].value + ">")
        << cases[i].token;
    EXPECT_EQ(Name(cases[i].token), cases[i].value) << cases[i].token;
  }
}

TEST_F(Naming, Masks) {
  struct Case {
    const char* mask;
    std::string name;
  };
  const Case cases[] = {
      {"%filename%.%ext%", "Drawing.jpg"},
      {"", "Drawing.jpg"},
      {"%FILENAME%.%EXT%", "Drawing.jpg"},
      {"%filename[u]%_%n%.%ext[u]%", "DRAWING_00007.JPG"},
      {"Scan_%filename%", "scan_Drawing"},
      {"Img-%yyyy%%mm%%dd%-%hh%%ii%%ss%.%ext%", "img-" + LocalFixed("%Y%m%d-%H%M%S") + ".jpg"},
      {"%n%%n%-%rnd%", "0000700007-00042"},
      {"%width%x%height%@%bpp%", "640x480@24"},
      {"%filename", "%filename"},
      {"100%.%ext%", "100%.jpg"},
      {"%Filename[T]%", "Drawing"},
  };
  for (const auto& c : cases) EXPECT_EQ(Name(c.mask), c.name) << c.mask;
}

TEST_F(Naming, BaseNames) {
  struct Case {
    const char* path;
    const char* base;
  };
  const Case cases[] = {
      {"/in/plan.rev.wmf", "plan.rev"}, {"/in/plan.rev 2", "plan.rev 2"}, {"/in/plan", "plan"},
      {"\"/in/quoted.wmf", "quoted"}, {"/in/\"q.wmf", "q"},
      {"/a.b/plan", "plan"}, {"", ""}, {"/in/.wmf", ""}, {"/in/trailing.", "trailing"},
      // A backslash is an ordinary character of a Linux file name: a\x.wmf and b\x.wmf are two
      // names, not two x.wmf in different folders.
      {"/in/a\\x.wmf", "a\\x"}, {"/in/b\\x.wmf", "b\\x"}, {"C:\\in\\Drawing.WMF", "C:\\in\\Drawing"},
      {"/in/plan.v1\\draft", "plan.v1\\draft"},
  };
  for (const auto& c : cases) EXPECT_EQ(BaseName(c.path), c.base) << c.path;
}

TEST_F(Naming, PaddingToFive) {
  EXPECT_EQ(PadToFive(0), "00000");
  EXPECT_EQ(PadToFive(42), "00042");
  EXPECT_EQ(PadToFive(99999), "99999");
  EXPECT_EQ(PadToFive(123456), "12345");
  ConversionJob.sequenceNumber = 123456;
  EXPECT_EQ(Name("%n%"), "12345");
}

TEST_F(Naming, CaseChangesAreUnicode) {
  ConversionJob.inputPath = "/in/ÄRGER über.wmf";
  EXPECT_EQ(Name("%filename[l]%"), "ärger über");
  EXPECT_EQ(Name("%filename[u]%"), "ÄRGER ÜBER");
  EXPECT_EQ(Name("%filename[t]%"), "Ärger über");
  EXPECT_EQ(Name("Ölplan_%n%"), "ölplan_00007");
  EXPECT_EQ(TitleCase("dRAWING"), "Drawing");
  EXPECT_EQ(UpperCase("bad\xFF byte"), "BAD\xFF BYTE") << "malformed bytes pass through";
}

TEST_F(Naming, WatermarkText) {
  struct Case {
    const char* text;
    std::string expanded;
  };
  const Case cases[] = {
      {"Page %N%", "Page 00007"},
      {"100%", "100%"},
      {"%filename% at %HH%:%ii%", "Drawing at " + LocalFixed("%H:%M")},
      {"Keep CASE %Ext[U]%", "Keep CASE JPG"},
      {"50% of %unknown%", "50% of %unknown%"},
  };
  for (const auto& c : cases) {
    Settings.text = c.text;
    EXPECT_EQ(ExpandWatermarkText(), c.expanded) << c.text;
  }
  // A token that appears only inside an earlier token's value is left as it is.
  ConversionJob.inputPath = "/in/%n%.wmf";
  Settings.text = "%filename%!";
  EXPECT_EQ(ExpandWatermarkText(), "%n%!");
  Settings.filenameMask = "%filename%";
  EXPECT_EQ(ExpandFilenameMask(), "00007") << "the file name mask searches inserted text";
}

TEST_F(Naming, OutputPathWithAndWithoutSubfolders) {
  struct Case {
    const char* folder;
    const char* subfolder;
    int keep;
    const char* path;
  };
  const Case cases[] = {
      {"/out/", "", 1, "/out/Drawing.jpg"},
      {"/out/", "a/b/", 1, "/out/a/b/Drawing.jpg"},
      {"/out/", "a/b/", 0, "/out/Drawing.jpg"},
      {"/out", "a", 1, "/out/a/Drawing.jpg"},
      {"./rel/", "", 1, "./rel/Drawing.jpg"},
  };
  for (const auto& c : cases) {
    ConversionJob.outputFolder = c.folder;
    ConversionJob.subfolder = c.subfolder;
    Settings.keepSubfolders = static_cast<int8_t>(c.keep);
    EXPECT_EQ(BuildOutputPath(), c.path) << c.folder << " " << c.subfolder << " " << c.keep;
  }
}

TEST_F(Naming, RandomTokensSpanOneTo99999) {
  SetRandomSource(LowestRandom);
  EXPECT_EQ(NewRandomToken(), 1);
  SetRandomSource(HighestRandom);
  EXPECT_EQ(NewRandomToken(), 99999);
  SetRandomSource(nullptr);
  for (int i = 0; i < 200; ++i) {
    const int32_t token = NewRandomToken();
    EXPECT_GE(token, 1);
    EXPECT_LE(token, 99999);
  }
}
