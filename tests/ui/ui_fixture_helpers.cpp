#include "ui_fixture.h"

#include <wx/app.h>
#include <wx/utils.h>

#include <chrono>

#include "app/run_setup.h"
#include "engine/formats.h"
#include "engine/input_file_map.h"
#include "engine/input_types.h"
#include "texts/texts.h"
#include "ui/first_show.h"
#include "ui/image_sets.h"
#include "ui/shell_open.h"
#include "wmf_writer.h"

namespace vecrast::uitest {

void MainWindowTest::SetUp() {
  savedSettings_ = Settings;
  savedJob_ = ConversionJob;
  SetUpOfferedFormats();
  ResetSettings(false);
  Settings.configurationPath = folder.File("config.ini");
  Settings.updateRange = 5;  // no scheduled question in the middle of a test
  ResetConversionJob();
  InputFileMap.clear();
  LoadTextTable();
  LoadIcons();
  SetMessagePresenter([this](const MessageBoxRequest& request) {
    boxes.push_back(request);
    if (request.kind != MessageKind::Question || answers.empty()) return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  });
  SetShellOpener([this](const std::string& target) { opened.push_back(target); });
  window_ = new ConverterWindow;
  ShowMainWindow(*window_);
  Flush();
}

void MainWindowTest::TearDown() {
  if (MainWindow() != nullptr) MainWindow()->Destroy();
  Flush();
  SetMessagePresenter({});
  SetShellOpener({});
  InputFileMap.clear();
  Settings = savedSettings_;
  ConversionJob = savedJob_;
}

void MainWindowTest::Flush() {
  for (int i = 0; i < 5; ++i) {
    wxYield();
    wxTheApp->ProcessPendingEvents();
    wxTheApp->ProcessIdle();
  }
}

bool MainWindowTest::RunUntil(const std::function<bool()>& done, double seconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    wxYield();
    wxMilliSleep(5);
  }
  return true;
}

std::string MainWindowTest::WriteMetafile(const std::string& name) {
  // A red box filling a 200 x 100 picture (1440 units per inch: 3000 x 1500 units).
  wmfw::WmfWriter writer;
  writer.SetWindowExt(3000, 1500);
  writer.CreateBrush(0, wmfw::Rgb(255, 0, 0));
  writer.SelectObject(0);
  writer.Rectangle(0, 0, 3000, 1500);
  const std::string path = folder.File(name);
  wmfw::WriteFile(path, writer.Placeable(0, 0, 3000, 1500, 1440));
  return path;
}

}  // namespace vecrast::uitest
