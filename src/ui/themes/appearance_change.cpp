// ApplyAppearanceChange: the main window after the preferences changed the theme or the
// toolbar's icon size.
#include <wx/bmpbuttn.h>
#include <wx/bmpcbox.h>

#include "settings/settings.h"
#include "ui/image_sets.h"
#include "ui/main_window.h"
#include "ui/output_folder_history.h"
#include "ui/themes.h"

namespace vecrast {

namespace {

constexpr int kThemeChanged = 1;
constexpr int kIconSizeChanged = 2;

// The built-in pictures first, at the current sizes, so that an image the theme lacks shows
// the built-in one rather than what the previous theme or size left behind. Every set is
// reloaded, so that the sets always hold the pictures the window shows.
void ReloadImages() {
  LoadIcons();
  LoadThemeImages(true, true, true);
}

void ReimageFormControls(ConverterWindow& window) {
  window.ConvertButton()->SetBitmap(GadgetImages["Convert"]);
  wxBitmapComboBox* folders = window.OutputFolderList();
  for (unsigned i = 0; i < folders->GetCount(); ++i) folders->SetItemBitmap(i, MenuIcons["FavFolder"]);
  wxBitmapComboBox* formats = window.OutputFormatList();
  for (unsigned i = 0; i < formats->GetCount(); ++i) formats->SetItemBitmap(i, MenuIcons["New"]);
}

void SelectOutputFormat(ConverterWindow& window) {
  wxBitmapComboBox* formats = window.OutputFormatList();
  for (unsigned i = 0; i < formats->GetCount(); ++i) {
    const auto index = reinterpret_cast<size_t>(formats->GetClientData(i));
    if (index < outputExtensions.size() && outputExtensions[index] == Settings.outputFormat) {
      formats->SetSelection(static_cast<int>(i));
    }
  }
}

}  // namespace

void ApplyAppearanceChange() {
  ConverterWindow* window = MainWindow();
  const int flag = ConversionJob.appearanceFlag;
  ConversionJob.appearanceFlag = 0;
  if (window == nullptr) return;
  if (flag == kIconSizeChanged) {
    ReloadImages();
    window->BuildMainToolbar();
    window->FitToToolbar();
  } else if (flag == kThemeChanged) {
    ReloadImages();
    window->BuildMainMenu();
    window->BuildMainToolbar();
    window->ReimageFieldButtons();
    ReimageFormControls(*window);
    window->FitToToolbar();
  }
  SelectOutputFormat(*window);
  if (static_cast<int>(window->OutputFolderList()->GetCount()) != Settings.outFoldersNumber) {
    RefreshOutputFolders(*window);
  }
}

}  // namespace vecrast
