// The main window under test: fresh windowed defaults, the built-in texts and images, a
// shown main window, and recorders in place of message boxes and the desktop's opener.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "settings/settings.h"
#include "temp_folder.h"
#include "ui/main_window.h"
#include "ui/message_boxes.h"

namespace vecrast::uitest {

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

 public:
  ConverterWindow& Window() { return *window_; }
  // Lets the toolkit handle what is queued (size events, calls after).
  void Flush();
  // Runs the toolkit's loop until `done` or `seconds` pass; false on time-out.
  bool RunUntil(const std::function<bool()>& done, double seconds = 10);

  // A small valid placeable metafile in the test's folder; returns its path.
  std::string WriteMetafile(const std::string& name);

  std::vector<MessageBoxRequest> boxes;  // every box shown, in order
  std::deque<bool> answers;              // answers to questions, taken in order (No when none)
  std::vector<std::string> opened;       // every target given to the desktop's opener
  testing::TempFolder folder;

 private:
  ConverterWindow* window_ = nullptr;
  SettingsRecord savedSettings_;
  ConversionJobRecord savedJob_;
};

}  // namespace vecrast::uitest
