#include "fidelity/corpus_index.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "fidelity/png_file.h"
#include "wmf_writer.h"

namespace vecrast::fidelity {
namespace {

namespace fs = std::filesystem;

wmfw::Bytes Escape(uint16_t function, const std::string& data) {
  wmfw::Bytes payload(4 + data.size());
  payload[0] = uint8_t(function & 0xFF);
  payload[1] = uint8_t(function >> 8);
  payload[2] = uint8_t(data.size() & 0xFF);
  payload[3] = uint8_t(data.size() >> 8);
  std::copy(data.begin(), data.end(), payload.begin() + 4);
  return payload;
}

std::vector<uint8_t> WithRecords(const std::function<void(wmfw::WmfWriter&)>& add) {
  wmfw::WmfWriter w;
  w.SetWindowExt(100, 100);
  add(w);
  w.Rectangle(0, 0, 10, 10);
  return w.Placeable(0, 0, 100, 100, 96);
}

TEST(IsEquationPicture, FindsTheEditorsCommentAnywhereInTheRecords) {
  EXPECT_TRUE(IsEquationPicture(WithRecords([](auto& w) { w.RecordBytes(wmfw::kEscape, Escape(15, "MathType\0\0")); })));
  EXPECT_TRUE(IsEquationPicture(WithRecords([](auto& w) {
    w.RecordBytes(wmfw::kEscape, Escape(15, "AppsMFCC"));
    w.Ellipse(1, 1, 5, 5);
    w.RecordBytes(wmfw::kEscape, Escape(15, "MathType"));
  })));
}

TEST(IsEquationPicture, IgnoresOtherCommentsOtherEscapesAndPlainText) {
  EXPECT_FALSE(IsEquationPicture(WithRecords([](auto&) {})));
  EXPECT_FALSE(IsEquationPicture(WithRecords([](auto& w) { w.RecordBytes(wmfw::kEscape, Escape(15, "AppsMFCC")); })));
  EXPECT_FALSE(IsEquationPicture(WithRecords([](auto& w) { w.RecordBytes(wmfw::kEscape, Escape(4096, "MathType")); })));
  EXPECT_FALSE(IsEquationPicture(WithRecords([](auto& w) { w.TextOut(0, 0, "MathType"); })));
}

TEST(IsEquationPicture, StopsSafelyAtBrokenRecordSizes) {
  auto cut = WithRecords([](auto& w) { w.RecordBytes(wmfw::kEscape, Escape(15, "MathType")); });
  for (size_t size = 0; size < cut.size(); ++size) {
    std::vector<uint8_t> prefix(cut.begin(), cut.begin() + std::ptrdiff_t(size));
    IsEquationPicture(prefix);  // must not read past the end (checked by the sanitizers)
  }
  // A record claiming more words than the file holds hides what follows it.
  auto huge = WithRecords([](auto& w) {
    w.Raw({0xFF, 0xFF, 0xFF, 0x7F, 0x13, 0x02});
    w.RecordBytes(wmfw::kEscape, Escape(15, "MathType"));
  });
  EXPECT_FALSE(IsEquationPicture(huge));
}

class FakeCorpus : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("vecrast_corpus_" + std::to_string(getpid()));
    fs::create_directories(root_ / "wmf");
    fs::create_directories(root_ / "ref");
    wmfw::WriteFile((root_ / "wmf/b_eq.wmf").string(),
                    WithRecords([](auto& w) { w.RecordBytes(wmfw::kEscape, Escape(15, "MathType")); }));
    wmfw::WriteFile((root_ / "wmf/a_chart.wmf").string(), WithRecords([](auto&) {}));
    wmfw::WriteFile((root_ / "wmf/notes.txt").string(), {'x'});
    std::string reason;
    WritePng((root_ / "ref/b_eq.png").string(), MakeImage(4, 4, 255, 255, 255), reason);
    std::ofstream((root_ / "REFERENCE.tsv").string()) << "# comment\nfile\tW\tH\tbounds\trect\tbpp\tstatus\n"
                                                      << "b_eq.wmf\t4\t4\t-\t0,0,4,4\t32\tok(blank)\n"
                                                      << "a_chart.wmf\t9\t9\t-\t-\t-\tfail:SetWinMetaFileBits\n";
  }
  void TearDown() override { fs::remove_all(root_); }
  fs::path root_;
};

TEST_F(FakeCorpus, JoinsMetafilesWithReferencesAndStatus) {
  std::vector<CorpusFile> files;
  std::string reason;
  ASSERT_TRUE(LoadCorpus(root_.string(), files, reason)) << reason;
  ASSERT_EQ(files.size(), 2u);
  EXPECT_EQ(files[0].name, "a_chart.wmf");
  EXPECT_EQ(files[0].refPath, "");
  EXPECT_EQ(files[0].refStatus, "fail:SetWinMetaFileBits");
  EXPECT_FALSE(files[0].equation);
  EXPECT_EQ(files[1].name, "b_eq.wmf");
  EXPECT_EQ(files[1].refPath, (root_ / "ref/b_eq.png").string());
  EXPECT_EQ(files[1].refStatus, "ok(blank)");
  EXPECT_TRUE(files[1].equation);
}

TEST_F(FakeCorpus, MissingFolderFailsWithAReason) {
  std::vector<CorpusFile> files;
  std::string reason;
  EXPECT_FALSE(LoadCorpus((root_ / "nowhere").string(), files, reason));
  EXPECT_NE(reason.find("VECRAST_CORPUS"), std::string::npos);
}

TEST(DefaultCorpusDir, TheEnvironmentOverridesTheDefault) {
  setenv("VECRAST_CORPUS", "/somewhere/corpus", 1);
  EXPECT_EQ(DefaultCorpusDir(), "/somewhere/corpus");
  unsetenv("VECRAST_CORPUS");
  EXPECT_EQ(DefaultCorpusDir(), std::string(VECRAST_SOURCE_DIR) + "/../shared/corpus");
}

}  // namespace
}  // namespace vecrast::fidelity
