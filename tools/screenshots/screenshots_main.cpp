// make screenshots: vecrast_screenshots OUTPUT_FOLDER [NAME_PART...]
// Runs every registered scene (or those whose name contains one of the given parts) on the
// display of the environment and writes one PNG per captured window.
#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/utils.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>

#include "app/run_setup.h"
#include "scene.h"
#include "settings/settings.h"
#include "texts/texts.h"
#include "ui/image_sets.h"
#include "ui/toolkit.h"
#include "ui/window_capture.h"
#include "wmf_writer.h"

namespace screenshots {

namespace {

std::map<std::string, SceneFunction>& Scenes() {
  static std::map<std::string, SceneFunction> scenes;
  return scenes;
}

bool Wanted(const std::string& name, int argc, char** argv) {
  if (argc <= 2) return true;
  for (int i = 2; i < argc; ++i) {
    if (name.find(argv[i]) != std::string::npos) return true;
  }
  return false;
}

// The state every scene starts from: the windowed defaults with a private configuration
// file, the built-in texts and images.
void PrepareState(const std::string& scratch) {
  vecrast::SetUpOfferedFormats();
  vecrast::ResetSettings(false);
  vecrast::Settings.configurationPath = scratch + "config.ini";
  vecrast::Settings.updateRange = 5;
  vecrast::ResetConversionJob();
  vecrast::LoadTextTable();
  vecrast::LoadIcons();
}

}  // namespace

bool RegisterScene(const std::string& name, SceneFunction scene) {
  Scenes()[name] = std::move(scene);
  return true;
}

void SceneContext::Flush() {
  for (int i = 0; i < 10; ++i) {
    wxYield();
    wxTheApp->ProcessIdle();
    wxMilliSleep(10);
  }
}

bool SceneContext::RunUntil(const std::function<bool()>& done, double seconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    wxYield();
    wxMilliSleep(5);
  }
  return true;
}

bool SceneContext::Capture(wxWindow& window, const std::string& name) {
  window.Raise();
  Flush();
  const wxImage picture = vecrast::CaptureWindow(window);
  const std::string path = folder_ + "/" + name + ".png";
  if (!picture.IsOk() || !picture.SaveFile(wxString::FromUTF8(path), wxBITMAP_TYPE_PNG)) {
    std::fprintf(stderr, "screenshots: cannot write %s\n", path.c_str());
    return false;
  }
  written.push_back(path);
  return true;
}

std::string SceneContext::SampleMetafile(const std::string& name) {
  wmfw::WmfWriter writer;
  writer.SetWindowExt(3000, 1500);
  writer.CreateBrush(0, wmfw::Rgb(40, 120, 200));
  writer.SelectObject(0);
  writer.Ellipse(0, 0, 3000, 1500);
  const std::string path = ScratchFolder() + name;
  wmfw::WriteFile(path, writer.Placeable(0, 0, 3000, 1500, 1440));
  return path;
}

}  // namespace screenshots

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: vecrast_screenshots OUTPUT_FOLDER [NAME_PART...]\n");
    return 2;
  }
  const std::string folder = std::filesystem::absolute(argv[1]).string();
  std::filesystem::create_directories(folder + "/scratch");
  if (!vecrast::StartToolkit()) {
    std::fprintf(stderr, "screenshots: no display (run through tests/ui/with_display.sh)\n");
    return 1;
  }
  // Scenes run inside an active event loop, so that the toolkit's idle work (deleting
  // destroyed windows among it) happens as in the program.
  wxEventLoop loop;
  wxEventLoopActivator activator(&loop);
  screenshots::SceneContext context(folder);
  int failed = 0;
  for (const auto& [name, scene] : screenshots::Scenes()) {
    if (!screenshots::Wanted(name, argc, argv)) continue;
    screenshots::PrepareState(context.ScratchFolder());
    const size_t before = context.written.size();
    scene(context);
    if (context.written.size() == before) {
      std::fprintf(stderr, "screenshots: scene %s captured nothing\n", name.c_str());
      ++failed;
    }
  }
  for (const std::string& path : context.written) std::printf("%s\n", path.c_str());
  vecrast::StopToolkit();
  std::filesystem::remove_all(folder + "/scratch");
  return failed == 0 ? 0 : 1;
}
