#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/arguments.h"
#include "app/single_instance.h"

namespace vecrast {
namespace {

Arguments Args(std::vector<std::string> list) { return list; }

TEST(ArgumentsFromArgv, SkipsTheProgramNameAndRemovesEveryDoubleQuote) {
  std::string a0 = "vecrast", a1 = "-i", a2 = "\"my file\".wmf", a3 = "--wm-text=\"Hello World\"";
  char* argv[] = {a0.data(), a1.data(), a2.data(), a3.data()};
  const Arguments arguments = ArgumentsFromArgv(4, argv);
  ASSERT_EQ(arguments.size(), 3u);
  EXPECT_EQ(arguments[0], "-i");
  EXPECT_EQ(arguments[1], "my file.wmf");
  EXPECT_EQ(arguments[2], "--wm-text=Hello World");
}

struct KeyValueCase {
  const char* argument;
  const char* key;
  const char* value;
};
void PrintTo(const KeyValueCase& c, std::ostream* os) { *os << '"' << c.argument << '"'; }

class OptionKeyAndValue : public testing::TestWithParam<KeyValueCase> {};

TEST_P(OptionKeyAndValue, SplitsTheArgument) {
  const Arguments arguments = Args({GetParam().argument});
  EXPECT_EQ(OptionKey(arguments, 0), GetParam().key);
  EXPECT_EQ(OptionValue(arguments, 0), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OptionKeyAndValue,
    testing::Values(KeyValueCase{"-i", "-I", "-i"}, KeyValueCase{"  -q  ", "-Q", "-q"},
                    KeyValueCase{"--input=a.wmf", "--INPUT", "a.wmf"},
                    KeyValueCase{"--Jpg-Quality=95", "--JPG-QUALITY", "95"},
                    KeyValueCase{"--width", "--WIDTH", "--width"},
                    KeyValueCase{"--width=", "--WIDTH", ""},
                    KeyValueCase{"--mask=a=b", "--MASK", "a=b"},
                    KeyValueCase{"-i=a.wmf", "-I=A.WMF", "-i=a.wmf"},
                    KeyValueCase{"a.wmf", "", "a.wmf"},
                    KeyValueCase{"--=x", "--", "x"},
                    KeyValueCase{"", "", ""}));

TEST(OptionKey, IndexBeyondTheLastArgumentIsEmpty) {
  const Arguments arguments = Args({"-i"});
  EXPECT_EQ(OptionKey(arguments, 1), "");
  EXPECT_EQ(OptionValue(arguments, 5), "");
}

TEST(SecondInstance, CommandLineActionsAreTheEarlySwitchesFirstOrAnInputAnywhere) {
  EXPECT_FALSE(AsksForCommandLineAction(Args({})));
  EXPECT_FALSE(AsksForCommandLineAction(Args({"-q"})));
  EXPECT_FALSE(AsksForCommandLineAction(Args({"-q", "-v"})));
  EXPECT_FALSE(AsksForCommandLineAction(Args({"-i=a.wmf"})));
  EXPECT_TRUE(AsksForCommandLineAction(Args({"-V"})));
  EXPECT_TRUE(AsksForCommandLineAction(Args({"--help"})));
  EXPECT_TRUE(AsksForCommandLineAction(Args({"-q", "-I", "a.wmf"})));
  EXPECT_TRUE(AsksForCommandLineAction(Args({"--input=a.wmf"})));
}

}  // namespace
}  // namespace vecrast
