// The preferences dialog under test: the main window fixture, a dialog shown without a modal
// loop, choosers that answer from queues, and helpers that change a control the way the
// toolkit reports a user's change (the control's value, then its event).
#pragma once

#include <deque>
#include <optional>
#include <string>

#include "ui/preferences/choosers.h"
#include "ui/preferences/preferences_window.h"
#include "ui_fixture.h"

namespace vecrast::uitest {

class PreferencesTest : public MainWindowTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A new dialog, filled from Settings and shown (replacing one opened before).
  prefs::PreferencesWindow& Open();
  prefs::PreferencesWindow& Dialog() { return *dialog_; }
  // The row of a setting; a failure of the test (and null) when the dialog has none.
  prefs::RowControl* Row(std::string_view group, std::string_view key);

  // A piece of the row (1 the first control) as a T; a failure (and null) when it is not one.
  template <typename T>
  T* Control(std::string_view group, std::string_view key, size_t piece = 1) {
    prefs::RowControl* row = Row(group, key);
    T* control = row != nullptr && piece < row->PieceCount() ? dynamic_cast<T*>(row->PieceAt(piece)) : nullptr;
    if (control == nullptr) ADD_FAILURE() << "row " << key << " has no such control " << piece;
    return control;
  }

  void Select(std::string_view group, std::string_view key, int position, size_t piece = 1);
  void SetCheck(std::string_view group, std::string_view key, bool on);
  void Type(std::string_view group, std::string_view key, const std::string& text, size_t piece = 1);
  // Types `text` into the row's spin field and lets the toolkit catch up.
  void TypeInSpin(std::string_view group, std::string_view key, const std::string& text);
  void Slide(std::string_view group, std::string_view key, int position);
  int SliderPosition(std::string_view group, std::string_view key);
  std::string SpinText(std::string_view group, std::string_view key);
  // Presses the row's button piece ("..." or the colour button).
  void Press(std::string_view group, std::string_view key);

  // The value of a setting as the configuration file writes it.
  static std::string Stored(std::string_view group, std::string_view key);
  std::string ConfigurationBytes() const;

  std::deque<std::optional<std::string>> colourAnswers;       // taken in order; nothing: cancelled
  std::deque<std::optional<prefs::FontChoice>> fontAnswers;
  std::deque<std::optional<std::string>> imageAnswers;

 private:
  prefs::PreferencesWindow* dialog_ = nullptr;
};

}  // namespace vecrast::uitest
