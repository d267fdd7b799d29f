// The themes the program ships: every image in every size, and a real change from the
// built-in look.
#include <wx/image.h>

#include <cstring>

#include "theme_fixture.h"
#include "ui/icon_keys.h"
#include "ui/themes.h"
#include "ui/themes/theme_archive.h"

namespace vecrast::uitest {
namespace {

std::string BuiltGfxFolder() {
  const std::string binary = VECRAST_BINARY;
  return binary.substr(0, binary.rfind('/') + 1) + "gfx/";
}

TEST_F(ThemeTest, TheShippedThemesAreListedWithTheirNames) {
  SetThemeFolder(BuiltGfxFolder());
  ListThemes();
  EXPECT_EQ(ThemeList["handdrawn"], "Hand-drawn");
  EXPECT_EQ(ThemeList["flat"], "Flat");
}

TEST_F(ThemeTest, TheShippedThemesReplaceEveryImageAtEverySize) {
  SetThemeFolder(BuiltGfxFolder());
  for (const char* theme : {"handdrawn", "flat"}) {
    ThemeArchive archive;
    ASSERT_TRUE(archive.Open(BuiltGfxFolder() + theme + ".zip")) << theme;
    for (int uiSize = 0; uiSize <= 4; ++uiSize) {
      Settings.uiTheme = theme;
      Settings.uiSize = uiSize;
      LoadIcons();
      LoadThemeImages(true, true, true);
      const int size = IconSizeForSetting(uiSize);
      for (std::string_view keyView : kIconKeys) {
        const std::string key(keyView);
        EXPECT_EQ(archive.Entries().count("icons/" + key + "_" + std::to_string(size) + ".png"), 1u) << theme << " " << key;
        EXPECT_EQ(ToolbarIcons[key].GetSize(), wxSize(size, size)) << theme << " " << key;
        EXPECT_FALSE(SamePicture(ToolbarIcons[key], BuiltinImage(key, size))) << theme << " " << key << " " << size;
        EXPECT_FALSE(SamePicture(MenuIcons[key], BuiltinImage(key, 16))) << theme << " " << key;
      }
      for (const auto& [key, formSize] : {std::pair{"Convert", 64}, std::pair{"InFiles", 48}, std::pair{"InFolder", 48}}) {
        EXPECT_EQ(GadgetImages[key].GetSize(), wxSize(formSize, formSize)) << theme << " " << key;
        EXPECT_FALSE(SamePicture(GadgetImages[key], BuiltinImage(key, formSize))) << theme << " " << key;
      }
    }
  }
}

}  // namespace
}  // namespace vecrast::uitest
