#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <new>
#include <thread>
#include <vector>

#include "engine/conversion_worker.h"
#include "engine/convert_file.h"
#include "engine/file_timestamp.h"
#include "engine/input_file_map.h"
#include "engine/naming.h"
#include "engine/progress_state.h"
#include "engine_test_helpers.h"
#include "metafile/metafile.h"
#include "settings/settings.h"
#include "wmf_writer.h"

using namespace vecrast;
using enginetest::TempFolder;

namespace {

// A stand-in for ConvertFile: each call takes the next scripted outcome, records the token
// values it saw, and on success writes a small output file the way a save would.
struct Script {
  std::vector<bool> outcomes;
  size_t calls = 0;
  size_t stopAtCall = 0;  // clears keepRunning during this call (1-based); 0 never
  std::vector<int32_t> sequenceSeen;
  std::vector<int32_t> randomSeen;
  std::vector<std::string> notes;  // what every call reports the player could not do
};
Script script;

bool ScriptedConvert() {
  const size_t call = script.calls++;
  script.sequenceSeen.push_back(ConversionJob.sequenceNumber);
  script.randomSeen.push_back(ConversionJob.randomToken);
  if (script.stopAtCall == call + 1) StopConversion();
  ConversionJob.outputPath = BuildOutputPath();
  const bool ok = call < script.outcomes.size() && script.outcomes[call];
  if (ok) enginetest::WriteBytes(ConversionJob.outputPath, {'j', 'p', 'g'});
  lastFailureReason = ok ? "" : "scripted failure";
  lastConversionNotes = script.notes;
  return ok;
}

int32_t nextRandom = 0;
int32_t CountingRandom(int32_t, int32_t) { return ++nextRandom; }

timespec ModificationTime(const std::string& path) {
  struct stat info {};
  stat(path.c_str(), &info);
  return info.st_mtim;
}

class Worker : public ::testing::Test {
 protected:
  void SetUp() override {
    enginetest::ResetRunRecords();
    script = Script{};
    nextRandom = 1000;
    SetRandomSource(CountingRandom);
    ConversionJob.outputFolder = out.path();
    ConversionJob.randomToken = 500;
    ConversionJob.sequenceNumber = 1;
    Settings.filenameMask = "%filename%_%n%_%rnd%.%ext%";
    InputFileMap.clear();
    ResetProgressState();
  }
  void TearDown() override {
    SetRandomSource(nullptr);
    InputFileMap.clear();
  }

  // Adds input files named f1.wmf ... fN.wmf (content irrelevant to the scripted convert).
  void AddInputs(int count) {
    for (int i = 1; i <= count; ++i) {
      const std::string path = in.path() + "f" + std::to_string(i) + ".wmf";
      enginetest::WriteBytes(path, {1, 2, 3});
      InputFileMap[path] = InputFileEntry{};
    }
  }

  TempFolder in;
  TempFolder out;
};

}  // namespace

TEST_F(Worker, TokensAdvanceOnlyAfterASavedFile) {
  AddInputs(4);
  script.outcomes = {false, true, false, true};
  EXPECT_EQ(RunConversion(ScriptedConvert), 0);
  EXPECT_EQ(script.calls, 4u);
  EXPECT_EQ(script.sequenceSeen, (std::vector<int32_t>{1, 1, 2, 2}));
  EXPECT_EQ(script.randomSeen, (std::vector<int32_t>{500, 500, 1001, 1001}));
  EXPECT_EQ(ConversionJob.sequenceNumber, 3);
  EXPECT_EQ(ConversionJob.randomToken, 1002);
  EXPECT_EQ(ProgressState.convertedCount, 2);
  EXPECT_EQ(ProgressState.index, 4);
  EXPECT_EQ(out.Entries().size(), 2u);
}

bool ConvertOrRunOutOfMemory() {
  if (script.calls == 1) {
    ++script.calls;
    throw std::bad_alloc();
  }
  return ScriptedConvert();
}

TEST_F(Worker, RunningOutOfMemoryFailsThatFileAndTheRunGoesOn) {
  AddInputs(3);
  script.outcomes = {true, true, true};
  EXPECT_EQ(RunConversion(ConvertOrRunOutOfMemory), 0);
  EXPECT_EQ(script.calls, 3u);
  EXPECT_EQ(ProgressState.convertedCount, 2);
  EXPECT_EQ(out.Entries().size(), 2u);
}

TEST_F(Worker, ClearingKeepRunningStopsAfterTheCurrentFile) {
  AddInputs(5);
  script.outcomes = {true, true, true, true, true};
  script.stopAtCall = 2;
  RunConversion(ScriptedConvert);
  EXPECT_EQ(script.calls, 2u) << "the file being converted is finished, no further one is started";
  EXPECT_EQ(ProgressState.convertedCount, 2);
  EXPECT_EQ(ProgressState.index, 2);
  EXPECT_EQ(ConversionJob.sequenceNumber, 3) << "the stopped file was still counted";
}

TEST_F(Worker, StoppedBeforeTheStartConvertsNothing) {
  AddInputs(3);
  script.outcomes = {true, true, true};
  StopConversion();
  std::thread worker(RunConversion, ScriptedConvert);
  worker.join();
  EXPECT_EQ(script.calls, 0u);
  std::lock_guard<std::mutex> lock(ProgressState.mutex);
  EXPECT_EQ(ProgressState.convertedCount, 0);
  EXPECT_EQ(ProgressState.index, 0);
  EXPECT_TRUE(ProgressState.currentFile.empty());
}

TEST_F(Worker, PublishesTheCurrentFileAndItsSubfolder) {
  const std::string path = in.path() + "deep.wmf";
  enginetest::WriteBytes(path, {1});
  InputFileMap[path] = InputFileEntry{1, "sub/"};
  ASSERT_EQ(mkdir((out.path() + "sub").c_str(), 0755), 0);
  script.outcomes = {true};
  RunConversion(ScriptedConvert);
  EXPECT_EQ(ProgressState.currentFile, path);
  EXPECT_EQ(ConversionJob.subfolder, "sub/");
  EXPECT_EQ(ConversionJob.outputPath, out.path() + "sub/deep_00001_00500.jpg");
  EXPECT_TRUE(enginetest::FileExists(ConversionJob.outputPath));
}

TEST_F(Worker, FileTimestampOneCopiesTheInputTime) {
  AddInputs(1);
  const std::string input = InputFileMap.begin()->first;
  const timespec old[2] = {{UTIME_OMIT, UTIME_OMIT}, {1000000000, 123456789}};  // 2001-09-09
  ASSERT_EQ(utimensat(AT_FDCWD, input.c_str(), old, 0), 0);
  Settings.fileTimestamp = 1;
  script.outcomes = {true};
  RunConversion(ScriptedConvert);
  const timespec written = ModificationTime(ConversionJob.outputPath);
  EXPECT_EQ(written.tv_sec, 1000000000);
  EXPECT_EQ(written.tv_nsec, 123456789);
}

TEST_F(Worker, FileTimestampTwoUsesTheCustomLocalTime) {
  AddInputs(1);
  // 2001-02-03 04:05:06 as a count of local seconds.
  Settings.customTimestamp = 981173106;
  Settings.fileTimestamp = 2;
  script.outcomes = {true};
  RunConversion(ScriptedConvert);
  const std::time_t written = ModificationTime(ConversionJob.outputPath).tv_sec;
  std::tm local{};
  localtime_r(&written, &local);
  EXPECT_EQ(local.tm_year, 101);
  EXPECT_EQ(local.tm_mon, 1);
  EXPECT_EQ(local.tm_mday, 3);
  EXPECT_EQ(local.tm_hour, 4);
  EXPECT_EQ(local.tm_min, 5);
  EXPECT_EQ(local.tm_sec, 6);
}

TEST_F(Worker, FileTimestampZeroLeavesTheSaveTime) {
  AddInputs(1);
  const timespec old[2] = {{UTIME_OMIT, UTIME_OMIT}, {1000000000, 0}};
  ASSERT_EQ(utimensat(AT_FDCWD, InputFileMap.begin()->first.c_str(), old, 0), 0);
  script.outcomes = {true};
  const std::time_t before = std::time(nullptr);
  RunConversion(ScriptedConvert);
  EXPECT_GE(ModificationTime(ConversionJob.outputPath).tv_sec, before - 1);
}

TEST_F(Worker, RealConversionFailureIsReportedInDebugAndAdvancesNothing) {
  const std::string missing = in.path() + "gone.wmf";
  InputFileMap[missing] = InputFileEntry{};
  ConversionJob.consoleRun = 1;
  ConversionJob.runModeTag = "DEBUG";
  testing::internal::CaptureStdout();
  EXPECT_EQ(ConversionWorker(), 0);
  const std::string printed = testing::internal::GetCapturedStdout();
  EXPECT_EQ(printed, "Processing: " + missing + "\nSaving As: \nNot OK\nReason: " + lastFailureReason + "\n");
  EXPECT_NE(lastFailureReason.find("cannot read the input file"), std::string::npos) << lastFailureReason;
  EXPECT_EQ(ProgressState.convertedCount, 0);
  EXPECT_EQ(ConversionJob.sequenceNumber, 1);
  EXPECT_EQ(ConversionJob.randomToken, 500);
}

TEST_F(Worker, NoDebugOutputWithoutTheDebugTag) {
  AddInputs(2);
  ConversionJob.consoleRun = 1;
  ConversionJob.runModeTag = "";
  script.outcomes = {true, false};
  testing::internal::CaptureStdout();
  RunConversion(ScriptedConvert);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

TEST_F(Worker, DebugLinesForASavedFile) {
  AddInputs(1);
  ConversionJob.consoleRun = 1;
  ConversionJob.runModeTag = "DEBUG";
  script.outcomes = {true};
  testing::internal::CaptureStdout();
  RunConversion(ScriptedConvert);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "Processing: " + in.path() + "f1.wmf\nSaving As: " +
                                                         out.path() + "f1_00001_00500.jpg\nOK\n");
}

TEST_F(Worker, DebugLinesNameWhatThePlayerCouldNotDo) {
  AddInputs(1);
  ConversionJob.consoleRun = 1;
  ConversionJob.runModeTag = "DEBUG";
  script.notes = {"a POLYGON record could not be used (byte 50)", "the work budget ran out"};
  const std::string notes = "Notes: a POLYGON record could not be used (byte 50)\nNotes: the work budget ran out\n";
  for (const bool saved : {true, false}) {
    script.outcomes = {saved};
    script.calls = 0;
    testing::internal::CaptureStdout();
    RunConversion(ScriptedConvert);
    const std::string status = saved ? "OK\n" : "Not OK\nReason: scripted failure\n";
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Processing: " + in.path() + "f1.wmf\nSaving As: " + out.path() +
                                                          (saved ? "f1_00001_00500.jpg\n" : "f1_00002_01001.jpg\n") +
                                                          status + notes);
  }
}

TEST_F(Worker, RealFilesEndToEnd) {
  wmfw::WmfWriter w;
  w.SetWindowOrg(0, 0).SetWindowExt(960, 480);
  w.Rectangle(100, 100, 400, 300);
  const wmfw::Bytes bytes = w.Placeable(0, 0, 960, 480, 960);
  for (const char* name : {"a.wmf", "b.wmf", "c.wmf"}) {
    ASSERT_TRUE(wmfw::WriteFile(in.path() + name, bytes));
    InputFileMap[in.path() + name] = InputFileEntry{};
  }
  enginetest::WriteBytes(in.path() + "bad.wmf", {0xD7, 0xCD});
  InputFileMap[in.path() + "bad.wmf"] = InputFileEntry{};
  Settings.filenameMask = "%filename%.%ext%";
  EXPECT_EQ(ConversionWorker(), 0);
  EXPECT_EQ(ProgressState.convertedCount, 3);
  EXPECT_EQ(ProgressState.index, 4);
  EXPECT_EQ(out.Entries(), (std::vector<std::string>{"a.jpg", "b.jpg", "c.jpg"}));
  EXPECT_EQ(ConversionJob.sequenceNumber, 4);
}
