// The main window, its progress dialog and its small dialogs.
#include <wx/textctrl.h>

#include <atomic>
#include <thread>

#include "app/input_queue.h"
#include "engine/input_file_map.h"
#include "engine/progress_state.h"
#include "scene.h"
#include "settings/settings.h"
#include "ui/about_dialog.h"
#include "ui/converter_search.h"
#include "ui/first_show.h"
#include "ui/main_window.h"
#include "ui/output_folder_choice.h"
#include "ui/progress_dialog.h"

namespace {

vecrast::ConverterWindow& ShownMainWindow(screenshots::SceneContext& context, int width) {
  vecrast::Settings.width = width;
  auto* window = new vecrast::ConverterWindow;
  vecrast::ShowMainWindow(*window);
  window->SetClientSize(width, window->GetClientSize().y);
  context.Flush();
  return *window;
}

// A main window with a file and a folder chosen, as a user sees it before Convert.
vecrast::ConverterWindow& FilledMainWindow(screenshots::SceneContext& context, int width) {
  vecrast::ConverterWindow& window = ShownMainWindow(context, width);
  vecrast::AddInputFile(context.SampleMetafile("drawing.wmf"));
  vecrast::TakeOutputFolder(window, context.ScratchFolder());
  window.SetStatusText("Ready");
  context.Flush();
  return window;
}

}  // namespace

SCREENSHOT_SCENE("main-window-510") {
  vecrast::ConverterWindow& window = FilledMainWindow(context, 510);
  context.Capture(window, "main-window-510");
  window.Destroy();
  context.Flush();
}

SCREENSHOT_SCENE("main-window-800") {
  vecrast::ConverterWindow& window = FilledMainWindow(context, 800);
  context.Capture(window, "main-window-800");
  window.Destroy();
  context.Flush();
}

SCREENSHOT_SCENE("main-window-empty") {
  vecrast::ConverterWindow& window = ShownMainWindow(context, 510);
  context.Capture(window, "main-window-empty");
  window.Destroy();
  context.Flush();
}

SCREENSHOT_SCENE("about-dialog") {
  vecrast::ConverterWindow& window = ShownMainWindow(context, 510);
  auto* dialog = new vecrast::AboutDialog(&window);
  dialog->Show();
  context.Capture(*dialog, "about-dialog");
  dialog->Destroy();
  window.Destroy();
  context.Flush();
}

SCREENSHOT_SCENE("converter-search") {
  vecrast::ConverterWindow& window = ShownMainWindow(context, 510);
  auto* dialog = new vecrast::ConverterSearchDialog(&window);
  dialog->Show();
  dialog->FromField()->ChangeValue("wmf");
  dialog->ToField()->ChangeValue("jpg");
  context.Capture(*dialog, "converter-search");
  dialog->Destroy();
  window.Destroy();
  context.Flush();
}

// The progress dialog while a file converts (the worker waits until it has been captured),
// then when the run is over.
SCREENSHOT_SCENE("progress-dialog") {
  vecrast::ConverterWindow& window = FilledMainWindow(context, 510);
  vecrast::InputFileMap.clear();
  vecrast::InputFileMap[context.ScratchFolder() + "a-rather-long-folder-name/with-a-long-drawing-name.wmf"] = {1, {}};
  std::atomic<bool> release{false};
  auto* dialog = new vecrast::ProgressDialog(window, [&release] {
    {
      std::lock_guard<std::mutex> lock(vecrast::ProgressState.mutex);
      vecrast::ProgressState.index = 1;
      vecrast::ProgressState.currentFile = vecrast::InputFileMap.begin()->first;
    }
    while (!release) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    std::lock_guard<std::mutex> lock(vecrast::ProgressState.mutex);
    vecrast::ProgressState.convertedCount = 1;
    return 0;
  });
  dialog->Show();
  context.RunUntil([&] { return !dialog->CurrentText().empty(); });
  context.Capture(*dialog, "progress-dialog-running");
  release = true;
  context.RunUntil([&] { return dialog->WorkerFinished(); });
  context.Capture(*dialog, "progress-dialog-finished");
  dialog->Destroy();
  window.Destroy();
  context.Flush();
}
