// Screenshots of every window and page (make screenshots): each scene builds a window in a
// known state and captures it. Scene files register themselves; any file of this folder is
// compiled into the screenshot program.
#pragma once

#include <wx/window.h>

#include <functional>
#include <string>
#include <vector>

namespace screenshots {

class SceneContext {
 public:
  explicit SceneContext(std::string folder) : folder_(std::move(folder)) {}

  // Lets the toolkit draw what is pending.
  void Flush();
  // Runs the toolkit's loop until `done` or `seconds` pass.
  bool RunUntil(const std::function<bool()>& done, double seconds = 10);
  // Writes the window as it is on the screen to "<folder>/<name>.png".
  bool Capture(wxWindow& window, const std::string& name);
  // A small placeable metafile written into a scratch folder; returns its path.
  std::string SampleMetafile(const std::string& name);
  // A scratch folder for the scene's files.
  std::string ScratchFolder() const { return folder_ + "/scratch/"; }

  std::vector<std::string> written;

 private:
  std::string folder_;
};

using SceneFunction = std::function<void(SceneContext&)>;

// Adds a scene; used through SCREENSHOT_SCENE.
bool RegisterScene(const std::string& name, SceneFunction scene);

}  // namespace screenshots

#define SCREENSHOT_SCENE_CONCAT2(a, b) a##b
#define SCREENSHOT_SCENE_CONCAT(a, b) SCREENSHOT_SCENE_CONCAT2(a, b)
// SCREENSHOT_SCENE("name") { ... context ... }
#define SCREENSHOT_SCENE(name)                                                                  \
  static void SCREENSHOT_SCENE_CONCAT(Scene, __LINE__)(screenshots::SceneContext & context);   \
  static const bool SCREENSHOT_SCENE_CONCAT(registered, __LINE__) =                             \
      screenshots::RegisterScene(name, SCREENSHOT_SCENE_CONCAT(Scene, __LINE__));               \
  static void SCREENSHOT_SCENE_CONCAT(Scene, __LINE__)(screenshots::SceneContext & context)
