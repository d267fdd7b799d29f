#include <gtest/gtest.h>

#include <set>

#include "engine/input_types.h"
#include "settings/settings.h"

using namespace vecrast;

TEST(InputTypes, TableHoldsSeventyNineExtensionsInSixteenKinds) {
  const auto& table = InputTypeTable();
  EXPECT_EQ(table.size(), 79u);
  std::set<std::string> kinds;
  std::set<std::string> descriptions;
  for (const auto& [extension, type] : table) {
    kinds.insert(type.kind);
    descriptions.insert(type.description);
    EXPECT_EQ(extension, NormaliseExtension(extension)) << "stored extensions are lower case without dot";
  }
  EXPECT_EQ(kinds.size(), 16u);
  // 16 descriptions of the other kinds (two for wmf) and 29 of camera formats.
  EXPECT_EQ(descriptions.size(), 45u);
}

TEST(InputTypes, LookupsGiveKindAndDescription) {
  struct Case {
    const char* extension;
    const char* kind;
    const char* description;
  };
  const Case cases[] = {
      {"wmf", "wmf", "Windows Metafile Format"},  {"WMZ", "wmf", "Windows Metafile Format"},
      {".apm", "wmf", "Aldus Placeable Metafile"}, {"emz", "emf", "Enhanced Metafile Format"},
      {"tif", "tiff", "Tagged Image File Format"}, {"jif", "jpg", "JPEG File"},
      {"ppcd", "pcd", "Kodak PhotoCD File"},       {"3fr", "raw", "Hasselblad Camera RAW Image"},
      {"dcs", "raw", "Kodak Camera RAW Image"},     {"rwl", "raw", "Leica Camera RAW Image"},
      {"targa", "tga", "Truevision Targa"},         {"hdri", "hdr", "High Dynamic Range File"},
  };
  for (const auto& c : cases) {
    const InputType* type = FindInputType(c.extension);
    ASSERT_NE(type, nullptr) << c.extension;
    EXPECT_EQ(type->kind, c.kind) << c.extension;
    EXPECT_EQ(type->description, c.description) << c.extension;
  }
  EXPECT_EQ(FindInputType("svg"), nullptr);
  EXPECT_EQ(FindInputType(""), nullptr);
}

TEST(InputTypes, WmfKindAcceptsWmfWmzApmOnly) {
  BuildInputExtensions(std::vector<std::string>{"wmf"});
  EXPECT_EQ(inputExtensions, (std::vector<std::string>{"wmf", "wmz", "apm"}));
  struct Case {
    const char* path;
    bool accepted;
  };
  const Case cases[] = {
      {"/in/plan.wmf", true},   {"/in/DRAWING.WMF", true}, {"plan.WMZ", true},     {"a.b/c.apm", true},
      {"/in/plan.emf", false},  {"/in/plan", false},       {"/in.wmf/plan", false}, {"/in/plan.wmf.bak", false},
      {"/in/plan.", false},     {"/in/wmf", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsInputExtension(FileExtension(c.path)), c.accepted) << c.path;
  EXPECT_FALSE(IsInputExtension("WMF")) << "the check is exact; callers lower-case first";
}

TEST(InputTypes, KindsKeepListOrder) {
  BuildInputExtensions(std::vector<std::string>{"tiff", "emf", "nosuchkind"});
  EXPECT_EQ(inputExtensions, (std::vector<std::string>{"tiff", "tif", "emf", "emz"}));
  BuildInputExtensions(std::vector<std::string>{"raw"});
  EXPECT_EQ(inputExtensions.size(), 48u);
  BuildInputExtensions(std::vector<std::string>{});
  EXPECT_TRUE(inputExtensions.empty());
  BuildInputExtensions();  // from the start-up list: this program's "wmf"
  EXPECT_EQ(inputExtensions, (std::vector<std::string>{"wmf", "wmz", "apm"}));
}

TEST(InputTypes, OpenFileFilterGroupsByDescription) {
  BuildInputExtensions(std::vector<std::string>{"wmf"});
  EXPECT_EQ(BuildInputFileFilter("All Supported Files", "All Files"),
            "All Supported Files|*.wmf;*.wmz;*.apm|Windows Metafile Format|*.wmf;*.wmz|"
            "Aldus Placeable Metafile|*.apm|All Files (*.*)|*.*");
}
