// CSS generic family names written as face names draw with Windows' standard face of that
// kind, not with whatever face the system's default would give an unknown name.
#include <gtest/gtest.h>

#include <string>

#include "render_helpers.h"

namespace {

using metafile_test::Render;
using wmfw::WmfWriter;

metafile::Picture Draw(const std::string& face) {
  WmfWriter w;
  w.SetBkMode(1).CreateFont(-40, face, 400, false, false, false, 0).SelectObject(0);
  w.TextOut(10, 10, "Sample Wim");
  return Render(w.Placeable(0, 0, 300, 80, 96));
}

struct GenericCase {
  const char* generic;
  const char* windowsFace;
};

void PrintTo(const GenericCase& c, std::ostream* os) { *os << c.generic << " -> " << c.windowsFace; }

class GenericFamily : public testing::TestWithParam<GenericCase> {};

TEST_P(GenericFamily, DrawsAsTheWindowsFace) {
  const metafile::Picture generic = Draw(GetParam().generic);
  EXPECT_EQ(generic.pixels, Draw(GetParam().windowsFace).pixels);
  EXPECT_NE(generic.pixels, Draw("No Such Face Anywhere").pixels);
}

TEST_P(GenericFamily, IgnoresCase) {
  std::string upper = GetParam().generic;
  for (char& c : upper) c = char(std::toupper(static_cast<unsigned char>(c)));
  EXPECT_EQ(Draw(upper).pixels, Draw(GetParam().windowsFace).pixels);
}

INSTANTIATE_TEST_SUITE_P(Names, GenericFamily,
                         testing::Values(GenericCase{"sans-serif", "Arial"}, GenericCase{"serif", "Times New Roman"},
                                         GenericCase{"monospace", "Courier New"}));

}  // namespace
