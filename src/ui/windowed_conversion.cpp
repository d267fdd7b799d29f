#include "ui/windowed_conversion.h"

#include <wx/bmpcbox.h>
#include <wx/textctrl.h>

#include "app/arguments.h"
#include "app/fill_placeholders.h"
#include "app/font_flags.h"
#include "engine/font_slots.h"
#include "engine/formats.h"
#include "engine/input_file_map.h"
#include "engine/input_types.h"
#include "platform/file_status.h"
#include "settings/settings.h"
#include "texts/texts.h"
#include "ui/main_window.h"
#include "ui/message_boxes.h"
#include "ui/output_folder_history.h"
#include "ui/wx_text.h"

namespace vecrast {

namespace {

void SetStatus(ConverterWindow& window, const std::string& group, const std::string& key) {
  window.SetStatusText(ToWx(GetText(group, key)));
}

// A failed check: "Conversion stopped" in the status bar, then the warning. Returns false.
bool StopWith(ConverterWindow& window, const std::string& warning) {
  SetStatus(window, "Msg", "Conversion is not complete");
  ShowWarning(warning);
  return false;
}

// A failed check that leaves the status bar alone. Returns false.
bool Warn(const std::string& warning) {
  ShowWarning(warning);
  return false;
}

std::string ChosenOutputExtension(ConverterWindow& window) {
  wxBitmapComboBox* list = window.OutputFormatList();
  const int selected = list->GetSelection();
  if (selected != wxNOT_FOUND) {
    const auto index = reinterpret_cast<size_t>(list->GetClientData(static_cast<unsigned>(selected)));
    if (index < outputExtensions.size()) return outputExtensions[index];
  }
  return outputExtensions.empty() ? std::string() : outputExtensions.front();
}

void QueueFieldInput() {
  InputFileMap.clear();
  const std::string& path = ConversionJob.inputPath;
  if (FileSize(path) > 0 && IsInputExtension(FileExtension(path))) InputFileMap[path] = InputFileEntry{1, {}};
}

// The watermark and resize checks, which show their own warnings. False when one failed.
bool CheckImageSettings(ConverterWindow& window, bool& watermarkFontLoaded) {
  if (Settings.doImageResize != 0) {
    if (Settings.imageWidth == 0) return StopWith(window, GetText("Msg", "Invalid width"));
    if (Settings.imageHeight == 0) return StopWith(window, GetText("Msg", "Invalid height"));
  }
  if (Settings.doWatermark == 1) {
    watermarkFontLoaded = LoadFont(kWatermarkFontSlot, Settings.font, Settings.fontSize,
                                   FontStyleFlags(Settings.fontStyle) + FontEffectFlags(Settings.fontEffect));
    if (!watermarkFontLoaded) return Warn(FillPlaceholders(GetText("Msg", "Invalid watermark font"), Settings.font));
  }
  if (Settings.doWatermark == 2) {
    if (Settings.image.empty()) return Warn(GetText("Msg", "Empty watermark image"));
    if (FileSize(Settings.image) <= 0) return Warn(FillPlaceholders(GetText("Msg", "Invalid watermark image"), Settings.image));
  }
  return true;
}

// Every check before a run, in order.
bool CheckRun(ConverterWindow& window, bool& watermarkFontLoaded) {
  if (InputFileMap.empty()) return StopWith(window, GetText("Msg", "Empty input files"));
  if (ConversionJob.outputFolder.empty()) return StopWith(window, GetText("Msg", "Empty output folder"));
  if (ConversionJob.outputFolder.back() != '/') ConversionJob.outputFolder += '/';
  if (!IsExistingFolder(ConversionJob.outputFolder)) {
    return StopWith(window, FillPlaceholders(GetText("Msg", "Invalid output folder"), ConversionJob.outputFolder));
  }
  return CheckImageSettings(window, watermarkFontLoaded);
}

}  // namespace

int StartWindowedConversion(ConverterWindow& window, ConversionRunner runner) {
  ConversionJob.inputPath = StripBlanks(FromWx(window.InputField()->GetValue()));
  QueueFieldInput();
  ConversionJob.outputFolder = StripBlanks(FromWx(window.OutputFolderList()->GetValue()));
  ConversionJob.outputExtension = ChosenOutputExtension(window);
  SetStatus(window, "General", "Preparing");

  bool watermarkFontLoaded = false;
  if (!CheckRun(window, watermarkFontLoaded)) {
    if (watermarkFontLoaded) FreeFont(kWatermarkFontSlot);
    return 0;
  }

  SetUpOutputFormat();
  if (RememberOutputFolder(ConversionJob.outputFolder)) RefreshOutputFolders(window);
  SetStatus(window, "General", "Converting");
  ConversionProgressDialog(window, std::move(runner));
  if (watermarkFontLoaded) FreeFont(kWatermarkFontSlot);
  return 0;
}

}  // namespace vecrast
