// The dependency-free utilities: UTF-8, ASCII case, little-endian reads, blanks and lines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/ascii_case.h"
#include "base/little_endian.h"
#include "base/text_lines.h"
#include "base/trim.h"
#include "base/utf8.h"

namespace {

struct Utf8Case {
  const char* name;
  std::string bytes;
  bool valid;
  std::string repaired;  // ValidUtf8
};

TEST(Utf8, StrictValidationAndRepair) {
  const Utf8Case cases[] = {
      {"ascii", "plain", true, "plain"},
      {"two bytes", "caf\xC3\xA9", true, "caf\xC3\xA9"},
      {"four bytes", "\xF0\x9F\x98\x80", true, "\xF0\x9F\x98\x80"},
      {"overlong slash", "\xC0\xAF", false, "\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"overlong three", "\xE0\x80\xAF", false, "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"surrogate", "\xED\xA0\x80", false, "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"beyond U+10FFFF", "\xF4\x90\x80\x80", false, "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"cut short", "ab\xE2\x82", false, "ab\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"stray continuation", "\x80x", false, "\xEF\xBF\xBDx"},
  };
  for (const Utf8Case& c : cases) {
    EXPECT_EQ(base::IsValidUtf8(c.bytes), c.valid) << c.name;
    EXPECT_EQ(base::ValidUtf8(c.bytes), c.repaired) << c.name;
    EXPECT_TRUE(base::IsValidUtf8(base::ValidUtf8(c.bytes))) << c.name;
  }
}

TEST(Utf8, DecodeAndAppendAreInverse) {
  for (const char32_t code : {U'A', U'\u00E9', U'\u20AC', U'\U0001F600', U'\U0010FFFF'}) {
    std::string text;
    base::AppendUtf8(text, code);
    char32_t decoded = 0;
    std::size_t length = 0;
    ASSERT_TRUE(base::DecodeUtf8(text, 0, decoded, length));
    EXPECT_EQ(decoded, code);
    EXPECT_EQ(length, text.size());
  }
  std::string replaced;
  base::AppendUtf8(replaced, 0xD800);
  base::AppendUtf8(replaced, 0x110000);
  EXPECT_EQ(replaced, "\xEF\xBF\xBD\xEF\xBF\xBD");
  char32_t code = 0;
  std::size_t length = 0;
  EXPECT_FALSE(base::DecodeUtf8("", 0, code, length));
}

TEST(Utf8, Latin1BytesAreTheirOwnCodePoints) {
  EXPECT_EQ(base::Latin1ToUtf8("Caf\xE9 \xFF!"), "Caf\xC3\xA9 \xC3\xBF!");
  EXPECT_EQ(base::Latin1ToUtf8(""), "");
}

TEST(AsciiCase, OnlyAsciiLettersChangeCase) {
  EXPECT_EQ(base::UpperAscii("--jpg-Quality=\xC3\xA9"), "--JPG-QUALITY=\xC3\xA9");
  EXPECT_EQ(base::LowerAscii("%EXT[U]%"), "%ext[u]%");
  EXPECT_TRUE(base::EqualsIgnoringAsciiCase("General", "gENERAL"));
  EXPECT_FALSE(base::EqualsIgnoringAsciiCase("General", "Genera"));
  EXPECT_FALSE(base::EqualsIgnoringAsciiCase("\xC3\xA9", "\xC3\x89")) << "UTF-8 letters are compared as bytes";
  EXPECT_EQ(base::FindIgnoringAsciiCase("name.%EXT%", "%ext%"), 5u);
  EXPECT_EQ(base::FindIgnoringAsciiCase("%ext% %Ext%", "%ext%", 1), 6u);
  EXPECT_EQ(base::FindIgnoringAsciiCase("abc", ""), std::string_view::npos);
  EXPECT_EQ(base::FindIgnoringAsciiCase("ab", "abc"), std::string_view::npos);
  EXPECT_TRUE(base::ContainsIgnoringAsciiCase("x.%Ext%", "%ext%"));
  EXPECT_EQ(base::HexDigitValue('7'), 7);
  EXPECT_EQ(base::HexDigitValue('b'), 11);
  EXPECT_EQ(base::HexDigitValue('F'), 15);
  EXPECT_EQ(base::HexDigitValue('g'), -1);
}

TEST(LittleEndian, ReadsLowByteFirst) {
  const uint8_t bytes[] = {0x34, 0x12, 0xFE, 0xFF, 0x00, 0x80};
  EXPECT_EQ(base::ReadLe16(bytes), 0x1234);
  EXPECT_EQ(base::ReadLeS16(bytes + 2), -2);
  EXPECT_EQ(base::ReadLe32(bytes + 2), 0x8000FFFEu);
  EXPECT_EQ(base::ReadLe32(bytes + 1), 0x00FFFE12u);
  EXPECT_EQ(base::ReadLe16(bytes + 4), 0x8000);
}

TEST(TextLines, LinesSkipBlanksAndEmptyLines) {
  std::vector<std::string> lines;
  base::ForEachLine("one\r\n\t two\r\r\n  \nthree", [&](std::string_view line) {
    lines.emplace_back(line);
    return true;
  });
  EXPECT_EQ(lines, (std::vector<std::string>{"one", "two", "three"}));
  int visited = 0;
  base::ForEachLine("a\nb\nc", [&](std::string_view) { return ++visited < 2; });
  EXPECT_EQ(visited, 2) << "a visitor that returns false ends the walk";
  EXPECT_EQ(base::HeaderName("[General] trailing"), "General");
  EXPECT_EQ(base::HeaderName("[Open"), "Open");
  EXPECT_EQ(base::TrimBlanks(" \t a b \t"), "a b");
  EXPECT_EQ(base::TrimBlanks(" \t a\t ", " "), "\t a\t");
  EXPECT_EQ(base::TrimBlanks(" \t "), "");
}

}  // namespace
