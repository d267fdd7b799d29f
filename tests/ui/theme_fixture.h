// Themes under test: a private "gfx/" folder that the tests fill with archives they write,
// the built-in images loaded, and the theme state put back afterwards.
#pragma once

#include <gtest/gtest.h>
#include <wx/bitmap.h>
#include <wx/colour.h>

#include <string>
#include <vector>

#include "settings/settings.h"
#include "temp_folder.h"
#include "ui/image_sets.h"
#include "zip_packer.h"

namespace vecrast::uitest {

// A PNG of one colour, width x height pixels.
std::string PngBytes(int width, int height, const wxColour& colour);

// "theme.cfg" text: the lines joined with CR LF, each line ended by one.
std::string ConfigText(const std::vector<std::string>& lines);

// The colour at the centre of a picture.
wxColour CentreColour(const wxBitmap& bitmap);

// The same size and the same colour in every pixel.
bool SamePicture(const wxBitmap& a, const wxBitmap& b);

class ThemeTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Writes gfx/<key>.zip holding `entries`; returns its path.
  std::string WriteTheme(const std::string& key, const std::vector<icon_art::ZipEntry>& entries);
  // Writes raw bytes as gfx/<name>; returns its path.
  std::string WriteGfxFile(const std::string& name, const std::string& bytes);

  std::string Gfx() const { return folder.path() + "/gfx/"; }

  testing::TempFolder folder;

 private:
  SettingsRecord savedSettings_;
};

}  // namespace vecrast::uitest
