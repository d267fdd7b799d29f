#include "ui/screenshot_mode.h"

#include <wx/bmpcbox.h>
#include <wx/evtloop.h>
#include <wx/textctrl.h>
#include <wx/timer.h>

#include <random>

#include "engine/input_types.h"
#include "platform/program_folder.h"
#include "settings/settings.h"
#include "ui/first_show.h"
#include "ui/ids.h"
#include "ui/image_sets.h"
#include "ui/main_window.h"
#include "ui/window_capture.h"
#include "ui/wx_text.h"

namespace vecrast {

namespace {

constexpr int kDrawingTimeMs = 500;
constexpr const char* kSampleInputStem = "/home/user/images/zentrafax.";
constexpr const char* kSampleOutputFolder = "/home/user/converted/";

std::string SampleInputName() {
  if (inputExtensions.empty()) return std::string(kSampleInputStem) + "wmf";
  static std::mt19937 generator{std::random_device{}()};
  std::uniform_int_distribution<size_t> pick(0, inputExtensions.size() - 1);
  return kSampleInputStem + inputExtensions[pick(generator)];
}

void FillSampleContents(ConverterWindow& window) {
  window.InputField()->ChangeValue(ToWx(SampleInputName()));
  wxBitmapComboBox* folders = window.OutputFolderList();
  folders->Append(ToWx(kSampleOutputFolder), MenuIcons["FavFolder"]);
  folders->SetSelection(static_cast<int>(folders->GetCount()) - 1);
  for (int gadget : {kOutputFormatList, kOutputFolderList, kConvertButton}) {
    if (wxWindow* control = window.FindWindow(gadget)) control->SetFocus();
  }
}

// Runs the toolkit's events for the drawing time; false when the window was closed first.
bool LetItDraw(ConverterWindow& window) {
  wxGUIEventLoop loop;
  wxTimer timer;
  timer.Bind(wxEVT_TIMER, [&loop](wxTimerEvent&) { loop.Exit(); });
  window.Bind(wxEVT_CLOSE_WINDOW, [&loop](wxCloseEvent& event) {
    loop.Exit();
    event.Skip();
  });
  timer.StartOnce(kDrawingTimeMs);
  loop.Run();
  return MainWindow() == &window;
}

}  // namespace

std::string ScreenshotFolder(const std::string& argument) {
  std::string folder = argument.empty() ? ProgramFolder() : argument;
  if (folder.back() != '/') folder += '/';
  return folder;
}

wxImage PhotographMainWindow() {
  auto* window = new ConverterWindow;
  window->Move(400, 400);
  window->SetClientSize(kMainWindowMinimumWidth, window->GetClientSize().y);
  ShowMainWindow(*window);
  window->Raise();
  FillSampleContents(*window);
  if (!LetItDraw(*window)) return {};
  const wxImage picture = CaptureWindow(*window);
  window->Destroy();
  return picture;
}

}  // namespace vecrast
