// Keeps the global settings state of the process as it was before a test.
#pragma once

#include <gtest/gtest.h>

#include "settings/settings.h"

namespace vecrast::testing {

inline bool FullHdDisplay(int32_t& width, int32_t& height) {
  width = 1920;
  height = 1080;
  return true;
}

class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override { SetDisplaySizeSource(&FullHdDisplay); }
  void TearDown() override {
    Settings = savedSettings_;
    ConversionJob = savedJob_;
    inputKinds = savedInputKinds_;
    outputExtensions = savedOutputExtensions_;
    SetDisplaySizeSource(nullptr);
  }

 private:
  SettingsRecord savedSettings_ = Settings;
  ConversionJobRecord savedJob_ = ConversionJob;
  std::vector<std::string> savedInputKinds_ = inputKinds;
  std::vector<std::string> savedOutputExtensions_ = outputExtensions;
};

}  // namespace vecrast::testing
