// The modal progress dialog of a windowed conversion: it runs the conversion worker on a
// thread of its own, polls its progress every 15 ms, shows which file is being converted,
// lets the user stop the run between files and reports the result.
#pragma once

#include <wx/dialog.h>
#include <wx/timer.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

class wxButton;
class wxGauge;
class wxStaticText;

namespace vecrast {

class ConverterWindow;

// The work of the worker thread; ConversionWorker unless a test gives its own.
using ConversionRunner = std::function<int()>;

class ProgressDialog : public wxDialog {
 public:
  ProgressDialog(ConverterWindow& owner, ConversionRunner runner);
  ~ProgressDialog() override;

  bool WorkerFinished() const { return finished_; }
  std::string CurrentText() const;

 private:
  void StartWorker();
  void Poll();
  void ShowProgress();
  void ShowOutcome();
  void OnOk(wxCommandEvent& event);
  void OnClose(wxCloseEvent& event);

  ConverterWindow& owner_;
  ConversionRunner runner_;
  std::thread worker_;
  std::atomic<bool> workerDone_{false};
  bool finished_ = false;
  bool stopRequested_ = false;
  int total_ = 0;
  int lastShown_ = 0;
  int characterWidth_ = 7;
  wxStaticText* fileText_ = nullptr;
  wxGauge* gauge_ = nullptr;
  wxButton* okButton_ = nullptr;
  wxTimer poll_;
};

// Runs the dialog until the user closes it after the run; the main window is disabled
// meanwhile. Returns 0.
int ConversionProgressDialog(ConverterWindow& window, ConversionRunner runner = {});

// Called with the dialog once it is up and polling; tests act on the running dialog through it.
using ProgressDialogObserver = std::function<void(ProgressDialog& dialog)>;
void SetProgressDialogObserver(ProgressDialogObserver observer);

// The Yes/No question "Do you want to break the conversion?"; true on Yes.
bool AskStopConversion();

}  // namespace vecrast
