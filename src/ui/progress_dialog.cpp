#include "ui/progress_dialog.h"

#include <wx/button.h>
#include <wx/gauge.h>
#include <wx/stattext.h>

#include "app/fill_placeholders.h"
#include "engine/conversion_worker.h"
#include "engine/input_file_map.h"
#include "engine/progress_state.h"
#include "texts/texts.h"
#include "ui/ids.h"
#include "ui/main_window.h"
#include "ui/message_boxes.h"
#include "ui/shorten_for_display.h"
#include "ui/wx_text.h"

namespace vecrast {

namespace {

constexpr int kPollMilliseconds = 15;
constexpr int kTextWidth = 280;

ProgressDialogObserver observer;

std::string Counted(const std::string& caption, int index, int total) {
  return caption + " " + FillPlaceholders(GetText("Msg", "Progress"), std::to_string(index), std::to_string(total));
}

}  // namespace

ProgressDialog::ProgressDialog(ConverterWindow& owner, ConversionRunner runner)
    : wxDialog(&owner, kProgressWindow, ToWx(GetText("Dialog", "Convert Progress"))),
      owner_(owner),
      runner_(runner ? std::move(runner) : ConversionRunner(ConversionWorker)),
      total_(static_cast<int>(InputFileMap.size())),
      poll_(this) {
  fileText_ = new wxStaticText(this, wxID_ANY, wxEmptyString, wxPoint(10, 13), wxSize(kTextWidth, 20),
                               wxST_NO_AUTORESIZE | wxST_ELLIPSIZE_MIDDLE);
  gauge_ = new wxGauge(this, wxID_ANY, total_ + 1, wxPoint(10, 40), wxSize(kTextWidth, 20), wxGA_HORIZONTAL | wxGA_SMOOTH);
  okButton_ = new wxButton(this, wxID_OK, ToWx(GetText("Dialog", "OK")));
  const int buttonHeight = std::max(25, okButton_->GetBestSize().y);
  okButton_->SetSize(110, 75, 80, buttonHeight);
  okButton_->Disable();
  SetClientSize(300, std::max(110, 75 + buttonHeight + 10));
  CentreOnParent();

  // The widest characters of a path, averaged: how many characters fit the text line.
  const int measured = GetTextExtent("abc123:\\-").x / 9;
  characterWidth_ = measured > 0 ? measured : 7;

  Bind(wxEVT_BUTTON, &ProgressDialog::OnOk, this, wxID_OK);
  Bind(wxEVT_CLOSE_WINDOW, &ProgressDialog::OnClose, this);
  Bind(wxEVT_TIMER, [this](wxTimerEvent&) { Poll(); });
  CallAfter([this] {
    StartWorker();
    if (observer) observer(*this);
  });
}

ProgressDialog::~ProgressDialog() {
  poll_.Stop();
  HoldBetweenFiles(false);
  if (worker_.joinable()) worker_.join();
}

std::string ProgressDialog::CurrentText() const { return FromWx(fileText_->GetLabel()); }

void ProgressDialog::StartWorker() {
  ResetProgressState();
  worker_ = std::thread([this] {
    runner_();
    workerDone_ = true;
  });
  poll_.Start(kPollMilliseconds);
}

void ProgressDialog::Poll() {
  if (finished_) return;
  if (!workerDone_) {
    ShowProgress();
    return;
  }
  worker_.join();
  poll_.Stop();
  finished_ = true;
  // A short run can end between two polls: its last file is shown before the outcome, so that
  // the title counts the files the run went through.
  ShowProgress();
  ShowOutcome();
}

void ProgressDialog::ShowProgress() {
  int index = 0;
  std::string file;
  {
    std::lock_guard<std::mutex> lock(ProgressState.mutex);
    index = ProgressState.index;
    file = ProgressState.currentFile;
  }
  if (index <= lastShown_) return;
  lastShown_ = index;
  SetTitle(ToWx(Counted(GetText("Dialog", "Convert Progress"), index, total_)));
  const wxString name = ToWx(file);
  const int longestInFull = kTextWidth / characterWidth_;
  const bool tooWide = static_cast<int>(name.length()) * characterWidth_ > kTextWidth;
  fileText_->SetLabel(tooWide ? ToWx(ShortenForDisplay(file, longestInFull)) : name);
  gauge_->SetValue(std::min(index, total_ + 1));
}

void ProgressDialog::ShowOutcome() {
  int converted = 0;
  {
    std::lock_guard<std::mutex> lock(ProgressState.mutex);
    converted = ProgressState.convertedCount;
  }
  if (stopRequested_) {
    const std::string stopped = GetText("Msg", "Conversion is not complete");
    owner_.SetStatusText(ToWx(stopped));
    SetTitle(ToWx(Counted(stopped, lastShown_, total_)));
    fileText_->SetLabel(ToWx(stopped));
  } else {
    const std::string complete = GetText("Msg", "Conversion complete");
    owner_.SetStatusText(ToWx(complete));
    SetTitle(ToWx(Counted(complete, lastShown_, total_)));
    fileText_->SetLabel(
        ToWx(FillPlaceholders(GetText("Msg", "Files converted"), std::to_string(converted), std::to_string(total_))));
    gauge_->SetValue(total_ + 1);
  }
  okButton_->Enable();
  okButton_->SetFocus();
}

void ProgressDialog::OnOk(wxCommandEvent&) {
  if (finished_) EndModal(wxID_OK);
}

// The close box (or Escape) while the worker runs asks whether to stop. The worker is held
// before its next file while the question is open, so the answer decides what comes next
// exactly as if the worker had been paused.
void ProgressDialog::OnClose(wxCloseEvent& event) {
  if (finished_) {
    EndModal(wxID_OK);
    return;
  }
  event.Veto();
  HoldBetweenFiles(true);
  if (AskStopConversion()) {
    stopRequested_ = true;
    StopConversion();
  }
  HoldBetweenFiles(false);
}

int ConversionProgressDialog(ConverterWindow& window, ConversionRunner runner) {
  ProgressDialog dialog(window, std::move(runner));
  dialog.ShowModal();
  window.Raise();
  return 0;
}

void SetProgressDialogObserver(ProgressDialogObserver newObserver) { observer = std::move(newObserver); }

bool AskStopConversion() { return AskYesNo(GetText("Msg", "Warning"), GetText("Msg", "Ask break conversion")); }

}  // namespace vecrast
