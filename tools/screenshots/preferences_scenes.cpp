// The preferences dialog: one picture of each of the nine pages, and the watermark page's
// image container. The frame and watermark pages are shown with their containers in use.
#include <wx/scrolwin.h>

#include <string>

#include "scene.h"
#include "settings/settings.h"
#include "ui/first_show.h"
#include "ui/main_window.h"
#include "ui/preferences/preferences_window.h"

namespace {

// `scrolled`: the page's scrolling area (or the named container) scrolled to its end.
void CapturePage(screenshots::SceneContext& context, int category, const std::string& name,
                 const char* scrolled = nullptr) {
  vecrast::Settings.doFrame = 1;
  vecrast::Settings.doImageRotation = 1;
  auto* window = new vecrast::ConverterWindow;
  vecrast::ShowMainWindow(*window);
  context.Flush();
  vecrast::ConversionJob.preferencesStartPage = static_cast<int8_t>(category);
  auto* dialog = new vecrast::prefs::PreferencesWindow(window);
  dialog->Show();
  if (scrolled != nullptr) {
    vecrast::prefs::PageView& page = dialog->Page(static_cast<size_t>(category));
    wxScrolledWindow* area = *scrolled != '\0' ? page.FindContainer(scrolled) : dynamic_cast<wxScrolledWindow*>(page.Window());
    if (area != nullptr) area->Scroll(0, 1000);
  }
  context.Capture(*dialog, name);
  dialog->Destroy();
  window->Destroy();
  context.Flush();
}

}  // namespace

SCREENSHOT_SCENE("preferences-1-general") { CapturePage(context, 0, "preferences-1-general"); }
SCREENSHOT_SCENE("preferences-2-interface") { CapturePage(context, 1, "preferences-2-interface"); }
SCREENSHOT_SCENE("preferences-3-input") { CapturePage(context, 2, "preferences-3-input"); }
SCREENSHOT_SCENE("preferences-4-output") { CapturePage(context, 3, "preferences-4-output"); }
SCREENSHOT_SCENE("preferences-5-transform") { CapturePage(context, 4, "preferences-5-transform"); }
SCREENSHOT_SCENE("preferences-6-adjustment") { CapturePage(context, 5, "preferences-6-adjustment"); }
SCREENSHOT_SCENE("preferences-7-frame") { CapturePage(context, 6, "preferences-7-frame"); }
SCREENSHOT_SCENE("preferences-8-watermark-text") {
  vecrast::Settings.doWatermark = 1;
  CapturePage(context, 7, "preferences-8-watermark-text");
}
SCREENSHOT_SCENE("preferences-8-watermark-image") {
  vecrast::Settings.doWatermark = 2;
  CapturePage(context, 7, "preferences-8-watermark-image");
}
SCREENSHOT_SCENE("preferences-9-advanced") {
  vecrast::Settings.fileTimestamp = 2;
  CapturePage(context, 8, "preferences-9-advanced");
}

// The ends of the areas that scroll.
SCREENSHOT_SCENE("preferences-5-transform-end") { CapturePage(context, 4, "preferences-5-transform-end", ""); }
SCREENSHOT_SCENE("preferences-6-adjustment-end") { CapturePage(context, 5, "preferences-6-adjustment-end", ""); }
SCREENSHOT_SCENE("preferences-7-frame-end") { CapturePage(context, 6, "preferences-7-frame-end", "solid"); }
SCREENSHOT_SCENE("preferences-8-watermark-text-end") {
  vecrast::Settings.doWatermark = 1;
  CapturePage(context, 7, "preferences-8-watermark-text-end", "text");
}
SCREENSHOT_SCENE("preferences-8-watermark-image-end") {
  vecrast::Settings.doWatermark = 2;
  CapturePage(context, 7, "preferences-8-watermark-image-end", "image");
}
