#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>
#include <random>

#include "settings/ini_file.h"
#include "temp_folder.h"

namespace vecrast {
namespace {

using testing::ReadFileBytes;
using testing::TempFolder;
using testing::WriteFileBytes;

IniFile Parsed(std::string_view bytes) {
  IniFile file;
  file.Parse(std::string(bytes));
  return file;
}

struct Entry {
  std::string key;
  std::string value;
  bool operator==(const Entry&) const = default;
};

std::vector<Entry> EntriesOf(const IniFile& file) {
  std::vector<Entry> entries;
  file.ForEachEntry([&](std::string_view key, std::string_view value) {
    entries.push_back({std::string(key), std::string(value)});
  });
  return entries;
}

TEST(IniReading, ByteOrderMarkIsSkippedAndUtf8Kept) {
  IniFile file = Parsed("\xEF\xBB\xBF[General]\r\nName = Caf\xC3\xA9\r\n");
  ASSERT_TRUE(file.SelectGroup("General"));
  EXPECT_EQ(file.ReadText("Name", "x"), "Caf\xC3\xA9");
}

TEST(IniReading, ValidUtf8WithoutByteOrderMarkStaysUtf8) {
  IniFile file = Parsed("[General]\nName = Caf\xC3\xA9\n");
  file.SelectGroup("General");
  EXPECT_EQ(file.ReadText("Name", "x"), "Caf\xC3\xA9");
}

TEST(IniReading, InvalidUtf8WithoutByteOrderMarkIsLatin1) {
  IniFile file = Parsed("[General]\nName = Caf\xE9 \xFF\n");
  file.SelectGroup("General");
  EXPECT_EQ(file.ReadText("Name", "x"), "Caf\xC3\xA9 \xC3\xBF");
}

TEST(IniReading, OverlongAndSurrogateSequencesAreNotUtf8) {
  // C0 AF is an overlong "/", ED A0 80 a surrogate: both make the file Latin-1.
  IniFile overlong = Parsed("[G]\nA = \xC0\xAF\n");
  overlong.SelectGroup("G");
  EXPECT_EQ(overlong.ReadText("A", ""), "\xC3\x80\xC2\xAF");
  IniFile surrogate = Parsed("[G]\nA = \xED\xA0\x80\n");
  surrogate.SelectGroup("G");
  EXPECT_EQ(surrogate.ReadText("A", ""), "\xC3\xAD\xC2\xA0\xC2\x80");
}

TEST(IniReading, GroupsAndKeysIgnoreLetterCase) {
  IniFile file = Parsed("[general]\r\ncfg = 12\r\n");
  ASSERT_TRUE(file.SelectGroup("General"));
  EXPECT_EQ(file.ReadInteger("CFG", 0), 12);
  ASSERT_TRUE(file.SelectGroup("GENERAL"));
  EXPECT_EQ(file.ReadInteger("Cfg", 0), 12);
}

TEST(IniReading, LineEndsOfEveryKindAndIndentation) {
  IniFile file = Parsed("[A]\rOne = 1\r\n\t  Two = 2\n\n\r\rThree=3");
  file.SelectGroup("A");
  EXPECT_EQ(file.ReadInteger("One", 0), 1);
  EXPECT_EQ(file.ReadInteger("Two", 0), 2);
  EXPECT_EQ(file.ReadInteger("Three", 0), 3);
}

TEST(IniReading, CommentsAreSkipped) {
  IniFile file = Parsed("[A]\n; Key = 1\n  ;Key = 2\nKey = 3\n");
  file.SelectGroup("A");
  EXPECT_EQ(file.ReadInteger("Key", 0), 3);
  EXPECT_EQ(EntriesOf(file).size(), 1u);
}

TEST(IniReading, MissingGroupOrKeyGivesTheDefault) {
  IniFile file = Parsed("[A]\nKey = 3\n");
  EXPECT_FALSE(file.SelectGroup("B"));
  EXPECT_EQ(file.ReadInteger("Key", 7), 7);
  EXPECT_EQ(file.ReadText("Key", "d"), "d");
  file.SelectGroup("A");
  EXPECT_EQ(file.ReadInteger("Other", 7), 7);
  EXPECT_DOUBLE_EQ(file.ReadReal("Other", 2.5), 2.5);
}

TEST(IniReading, IntegerWithoutDigitsIsZeroNotTheDefault) {
  IniFile file = Parsed("[A]\nKey = abc\nEmpty =\n");
  file.SelectGroup("A");
  EXPECT_EQ(file.ReadInteger("Key", 7), 0);
  EXPECT_EQ(file.ReadInteger("Empty", 7), 0);
}

TEST(IniReading, KeyStopsAtFirstEqualsAndValueIsTrimmed) {
  IniFile file = Parsed("[A]\nKey \t= \t a = b \t\n");
  file.SelectGroup("A");
  EXPECT_EQ(file.ReadText("Key", ""), "a = b");
  ASSERT_TRUE(file.FindValue("Key").has_value());
  EXPECT_EQ(*file.FindValue("Key"), " \t a = b \t");
}

TEST(IniReading, HeaderNameRunsToBracketOrLineEnd) {
  IniFile file = Parsed("[One] trailing\nA = 1\n[Two\nB = 2\n");
  ASSERT_TRUE(file.SelectGroup("One"));
  EXPECT_EQ(file.ReadInteger("A", 0), 1);
  ASSERT_TRUE(file.SelectGroup("Two"));
  EXPECT_EQ(file.ReadInteger("B", 0), 2);
  EXPECT_EQ(file.ReadInteger("A", 0), 0);  // keys belong to their own group only
}

TEST(IniReading, FirstGroupAndFirstKeyWin) {
  IniFile file = Parsed("[A]\nKey = 1\nkey = 2\n[a]\nKey = 3\nOnlyLater = 4\n");
  file.SelectGroup("A");
  EXPECT_EQ(file.ReadInteger("KEY", 0), 1);
  EXPECT_EQ(file.ReadInteger("OnlyLater", 0), 0);
}

TEST(IniReading, EntriesBeforeTheFirstHeaderAreIgnored) {
  IniFile file = Parsed("Key = 1\n[A]\nOther = 2\n");
  file.SelectGroup("A");
  EXPECT_EQ(file.ReadInteger("Key", 9), 9);
  ASSERT_EQ(EntriesOf(file).size(), 1u);
  EXPECT_EQ(EntriesOf(file)[0].key, "Other");
}

TEST(IniReading, LineWithoutEqualsIsAKeyWithEmptyValue) {
  IniFile file = Parsed("[A]\n--Rotate \t\nKey = 1\n");
  file.SelectGroup("A");
  ASSERT_TRUE(file.FindValue("--ROTATE").has_value());
  EXPECT_EQ(*file.FindValue("--ROTATE"), "");
  EXPECT_EQ(file.ReadInteger("--Rotate", 5), 0);
}

TEST(IniReading, EntriesEnumerateTheSelectedGroupInOrder) {
  IniFile file = Parsed("[CLI]\n--JPG-QUALITY = 80 \n--rotate\n--Width=  640\n[Other]\nX = 1\n");
  ASSERT_TRUE(file.SelectGroup("cli"));
  const std::vector<Entry> entries = EntriesOf(file);
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].key, "--JPG-QUALITY");
  EXPECT_EQ(entries[0].value, "80");
  EXPECT_EQ(entries[1].key, "--rotate");
  EXPECT_EQ(entries[1].value, "");
  EXPECT_EQ(entries[2].key, "--Width");
  EXPECT_EQ(entries[2].value, "640");
}

TEST(IniReading, OpenFailsForMissingAndOversizedFiles) {
  TempFolder folder;
  IniFile file;
  EXPECT_FALSE(file.Open(folder.File("missing.ini")));
  const std::string big = folder.File("big.ini");
  std::filesystem::resize_file((WriteFileBytes(big, "[A]\n"), big), kMaxIniFileSize + 1);
  EXPECT_FALSE(file.Open(big));
  const std::string small = folder.File("small.ini");
  WriteFileBytes(small, "[A]\nKey = 5\n");
  ASSERT_TRUE(file.Open(small));
  file.SelectGroup("A");
  EXPECT_EQ(file.ReadInteger("Key", 0), 5);
}

TEST(IniReading, HostileBytesDoNotBreakTheReader) {
  std::string bytes = "[";
  bytes += std::string(1000, '\0');
  bytes += "]\n=\n==\n[\n]\n\xFF\xFE[A\x00]\n";
  IniFile file = Parsed(bytes);
  EXPECT_FALSE(file.SelectGroup("A"));
  EXPECT_TRUE(file.SelectGroup(""));
}

TEST(IniReading, RandomBytesAreReadWithoutHarm) {
  std::mt19937 generator(12345);
  const std::string alphabet = "[]=; \t\r\nAaBb\xEF\xBB\xBF\xC3\xA9\xFF";
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  for (int round = 0; round < 200; ++round) {
    std::string bytes(1 + static_cast<std::size_t>(round) * 7, '\0');
    for (char& c : bytes) c = alphabet[pick(generator)];
    IniFile file = Parsed(bytes);
    for (const std::string_view group : {"A", "a", "", "B"}) {
      file.SelectGroup(group);
      (void)file.ReadText("A", "");
      (void)file.ReadInteger("b", 0);
      (void)file.ReadReal("", 0.0);
      for (const Entry& entry : EntriesOf(file)) {
        EXPECT_EQ(entry.key.find_first_of("\r\n"), std::string::npos);
      }
    }
  }
}

struct IntegerCase {
  std::string_view text;
  int64_t value;
};

TEST(IniValues, IntegersReadTheLeadingDecimalNumber) {
  constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
  constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
  const IntegerCase cases[] = {
      {"42", 42},
      {"  -7x", -7},
      {"+5", 5},
      {"\t12", 12},
      {"1 2", 1},
      {"abc", 0},
      {"", 0},
      {"- 5", 0},
      {"0x10", 0},
      {"$10", 0},
      {"-0", 0},
      {"007", 7},
      {"99999999999999999999", kMax},
      {"-99999999999999999999", kMin},
      {"9223372036854775807", kMax},
      {"-9223372036854775808", kMin},
  };
  for (const IntegerCase& c : cases) EXPECT_EQ(ParseIniInteger(c.text), c.value) << c.text;
}

struct RealCase {
  std::string_view text;
  double value;
};

TEST(IniValues, RealsReadTheLeadingNumberAtFloatPrecision) {
  const double inf = std::numeric_limits<double>::infinity();
  const RealCase cases[] = {
      {"1.5", 1.5},
      {"  -2.25e1", -22.5},
      {"abc", 0.0},
      {".5", 0.5},
      {"1.", 1.0},
      {"3e", 3.0},
      {"1.5abc", 1.5},
      {"+2", 2.0},
      {"+Infinity", inf},
      {"-INFINITY", -inf},
      {"1e400", inf},
      {"-1e400", -inf},
      {"1e-400", 0.0},
      {"inf", 0.0},
      {"Infinity", 0.0},
      {"", 0.0},
      {"0.1", static_cast<double>(0.1f)},
      {"1.00000001", 1.0},
  };
  for (const RealCase& c : cases) EXPECT_EQ(ParseIniReal(c.text), c.value) << c.text;
  EXPECT_TRUE(std::isnan(ParseIniReal("nan")));
  EXPECT_TRUE(std::isnan(ParseIniReal(" NaN ")));
}

TEST(IniValues, RealsAreWrittenWithSixDecimals) {
  EXPECT_EQ(FormatIniReal(1.5), "1.500000");
  EXPECT_EQ(FormatIniReal(1.0), "1.000000");
  EXPECT_EQ(FormatIniReal(-0.25), "-0.250000");
  EXPECT_EQ(FormatIniReal(static_cast<double>(0.1f)), "0.100000");
  EXPECT_EQ(FormatIniReal(1234567.0), "1234567.000000");
  EXPECT_EQ(FormatIniReal(std::numeric_limits<double>::infinity()), "+Infinity");
  EXPECT_EQ(FormatIniReal(-std::numeric_limits<double>::infinity()), "-Infinity");
  EXPECT_EQ(FormatIniReal(std::numeric_limits<double>::quiet_NaN()), "NaN");
}

TEST(IniWriting, ExactBytes) {
  IniWriter writer;
  writer.SelectGroup("General");
  writer.WriteInteger("CFG", 17);
  writer.WriteText("Language", "en");
  writer.WriteReal("Gamma", 1.5);
  writer.WriteText("Empty", "");
  writer.WriteComment("");
  writer.SelectGroup("Next");
  writer.WriteInteger("Negative", -3);
  writer.SelectGroup("General");  // a group already started gets no second header
  writer.WriteComment("end");
  EXPECT_EQ(writer.Bytes(),
            "\xEF\xBB\xBF\r\n"
            "[General]\r\n"
            "CFG = 17\r\n"
            "Language = en\r\n"
            "Gamma = 1.500000\r\n"
            "Empty = \r\n"
            "; \r\n"
            "[Next]\r\n"
            "Negative = -3\r\n"
            "; end\r\n");
}

TEST(IniWriting, LineBreaksInValuesCannotStartNewEntries) {
  IniWriter writer;
  writer.SelectGroup("A");
  writer.WriteText("Folder", "/tmp/x\r\n[B]\nKey = 1");
  IniFile file = Parsed(writer.Bytes());
  EXPECT_FALSE(file.SelectGroup("B"));
  file.SelectGroup("A");
  EXPECT_EQ(file.ReadText("Folder", ""), "/tmp/x[B]Key = 1");
}

TEST(IniWriting, RoundTripThroughAFile) {
  TempFolder folder;
  const std::string path = folder.File("round.ini");
  IniWriter writer;
  writer.SelectGroup("A");
  writer.WriteText("Text", "h\xC3\xA9llo world");
  writer.WriteInteger("Int", -2147483648LL);
  writer.WriteReal("Real", 0.25);
  ASSERT_TRUE(writer.Save(path));
  EXPECT_EQ(ReadFileBytes(path), writer.Bytes());

  IniFile file;
  ASSERT_TRUE(file.Open(path));
  ASSERT_TRUE(file.SelectGroup("A"));
  EXPECT_EQ(file.ReadText("Text", ""), "h\xC3\xA9llo world");
  EXPECT_EQ(file.ReadInteger("Int", 0), -2147483648LL);
  EXPECT_EQ(file.ReadReal("Real", 0), 0.25);
}

TEST(IniWriting, SaveReplacesOnlyWithACompleteFileAndLeavesNoTemporary) {
  TempFolder folder;
  const std::string path = folder.File("config.ini");
  WriteFileBytes(path, "old");
  IniWriter writer;
  writer.SelectGroup("A");
  ASSERT_TRUE(writer.Save(path));
  EXPECT_EQ(ReadFileBytes(path), writer.Bytes());
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
    (void)entry;
    ++files;
  }
  EXPECT_EQ(files, 1);
}

TEST(IniWriting, FailedSaveLeavesNothingBehind) {
  TempFolder folder;
  IniWriter writer;
  // The target is a folder: the rename fails and the temporary file must go.
  const std::string target = folder.File("config.ini");
  std::filesystem::create_directory(target);
  EXPECT_FALSE(writer.Save(target));
  EXPECT_FALSE(writer.Save(folder.File("no/such/folder/config.ini")));
  EXPECT_FALSE(writer.Save(""));
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
    (void)entry;
    ++files;
  }
  EXPECT_EQ(files, 1);
  EXPECT_TRUE(std::filesystem::is_directory(target));
}

}  // namespace
}  // namespace vecrast
