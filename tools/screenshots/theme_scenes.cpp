// The main window in each shipped theme at the smallest and the largest toolbar size, a
// change of icon size while the window is open, and the About dialog's banner.
#include "app/input_queue.h"
#include "scene.h"
#include "settings/settings.h"
#include "ui/about_dialog.h"
#include "ui/first_show.h"
#include "ui/image_sets.h"
#include "ui/main_window.h"
#include "ui/output_folder_choice.h"
#include "ui/themes.h"

namespace {

// The shipped themes as the build made them; "" for the built-in images.
void UseTheme(const std::string& key, int uiSize) {
  vecrast::SetThemeFolder(VECRAST_BUILD_GFX);
  vecrast::Settings.uiTheme = key;
  vecrast::Settings.uiSize = uiSize;
  vecrast::ListThemes();
  vecrast::LoadIcons();
  if (!key.empty()) vecrast::LoadThemeImages(true, true, true);
}

vecrast::ConverterWindow& ThemedMainWindow(screenshots::SceneContext& context) {
  auto* window = new vecrast::ConverterWindow;
  vecrast::ShowMainWindow(*window);
  vecrast::AddInputFile(context.SampleMetafile("drawing.wmf"));
  vecrast::TakeOutputFolder(*window, context.ScratchFolder());
  context.Flush();
  return *window;
}

void CaptureThemedWindow(screenshots::SceneContext& context, const std::string& theme, int uiSize,
                         const std::string& name) {
  UseTheme(theme, uiSize);
  vecrast::ConverterWindow& window = ThemedMainWindow(context);
  context.Capture(window, name);
  window.Destroy();
  context.Flush();
  vecrast::SetThemeFolder({});
}

}  // namespace

SCREENSHOT_SCENE("theme-handdrawn-16") { CaptureThemedWindow(context, "handdrawn", 0, "theme-handdrawn-16"); }
SCREENSHOT_SCENE("theme-handdrawn-64") { CaptureThemedWindow(context, "handdrawn", 4, "theme-handdrawn-64"); }
SCREENSHOT_SCENE("theme-flat-16") { CaptureThemedWindow(context, "flat", 0, "theme-flat-16"); }
SCREENSHOT_SCENE("theme-flat-64") { CaptureThemedWindow(context, "flat", 4, "theme-flat-64"); }

// The preferences' OK with a larger icon size and another theme: the window rebuilds its
// toolbar and keeps its form.
SCREENSHOT_SCENE("theme-changed-while-open") {
  UseTheme("flat", 2);
  vecrast::ConverterWindow& window = ThemedMainWindow(context);
  vecrast::Settings.uiTheme = "handdrawn";
  vecrast::Settings.uiSize = 3;
  vecrast::ConversionJob.appearanceFlag = 1;
  vecrast::ApplyAppearanceChange();
  context.Flush();
  context.Capture(window, "theme-changed-while-open");
  window.Destroy();
  context.Flush();
  vecrast::SetThemeFolder({});
}

SCREENSHOT_SCENE("theme-about-banner") {
  UseTheme("handdrawn", 2);
  vecrast::ConverterWindow& window = ThemedMainWindow(context);
  auto* dialog = new vecrast::AboutDialog(&window);
  dialog->Show();
  context.Capture(*dialog, "theme-about-banner");
  dialog->Destroy();
  window.Destroy();
  context.Flush();
  vecrast::SetThemeFolder({});
}
