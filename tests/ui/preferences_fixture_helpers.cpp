#include "preferences_fixture.h"

#include <wx/bmpcbox.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/slider.h>
#include <wx/spinctrl.h>
#include <wx/textctrl.h>

#include <fstream>
#include <iterator>

#include "app/run_setup.h"
#include "settings/settings_table.h"
#include "ui/themes.h"
#include "ui/wx_text.h"

namespace vecrast::uitest {

namespace {

template <typename T>
std::optional<T> Take(std::deque<std::optional<T>>& answers) {
  if (answers.empty()) return std::nullopt;
  std::optional<T> answer = answers.front();
  answers.pop_front();
  return answer;
}

void Send(wxWindow* control, wxEventType type, int number = 0, const wxString& text = {}) {
  wxCommandEvent event(type, control->GetId());
  event.SetEventObject(control);
  event.SetInt(number);
  event.SetString(text);
  control->GetEventHandler()->ProcessEvent(event);
}

}  // namespace

void PreferencesTest::SetUp() {
  MainWindowTest::SetUp();
  prefs::SetChoosers({[this](wxWindow*, const std::string&) { return Take(colourAnswers); },
                      [this](wxWindow*, const std::string&, int) { return Take(fontAnswers); },
                      [this](wxWindow*, const std::string&) { return Take(imageAnswers); }});
}

void PreferencesTest::TearDown() {
  if (dialog_ != nullptr) dialog_->Destroy();
  dialog_ = nullptr;
  prefs::SetChoosers({});
  prefs::SetAppearanceApplier({});
  ThemeList.clear();
  SetUpOfferedFormats();  // tests may offer more formats
  MainWindowTest::TearDown();
}

prefs::PreferencesWindow& PreferencesTest::Open() {
  if (dialog_ != nullptr) dialog_->Destroy();
  dialog_ = new prefs::PreferencesWindow(&Window());
  dialog_->Show();
  return *dialog_;
}

prefs::RowControl* PreferencesTest::Row(std::string_view group, std::string_view key) {
  prefs::RowControl* row = dialog_ != nullptr ? dialog_->FindRow(group, key) : nullptr;
  if (row == nullptr) ADD_FAILURE() << "no row " << group << "/" << key;
  return row;
}

void PreferencesTest::Select(std::string_view group, std::string_view key, int position, size_t piece) {
  wxWindow* window = Control<wxWindow>(group, key, piece);
  if (auto* combo = dynamic_cast<wxBitmapComboBox*>(window)) {
    combo->SetSelection(position);
    Send(combo, wxEVT_COMBOBOX, position);
  } else if (auto* choice = dynamic_cast<wxChoice*>(window)) {
    choice->SetSelection(position);
    Send(choice, wxEVT_CHOICE, position);
  } else {
    ADD_FAILURE() << "not a list: " << key;
  }
}

void PreferencesTest::SetCheck(std::string_view group, std::string_view key, bool on) {
  auto* box = Control<wxCheckBox>(group, key);
  if (box == nullptr) return;
  box->SetValue(on);
  Send(box, wxEVT_CHECKBOX, on ? 1 : 0);
}

void PreferencesTest::Type(std::string_view group, std::string_view key, const std::string& text, size_t piece) {
  if (auto* field = Control<wxTextCtrl>(group, key, piece)) field->SetValue(ToWx(text));
}

void PreferencesTest::TypeInSpin(std::string_view group, std::string_view key, const std::string& text) {
  // The entry takes the text (the toolkit may bring it into range at once), then reports the
  // change with the typed text, as a keystroke does.
  auto* spin = Control<wxSpinCtrlDouble>(group, key, 2);
  if (spin == nullptr) return;
  spin->SetValue(ToWx(text));
  Send(spin, wxEVT_TEXT, 0, ToWx(text));
  Flush();
}

void PreferencesTest::Slide(std::string_view group, std::string_view key, int position) {
  auto* slider = Control<wxSlider>(group, key);
  if (slider == nullptr) return;
  slider->SetValue(position);
  Send(slider, wxEVT_SLIDER, position);
}

int PreferencesTest::SliderPosition(std::string_view group, std::string_view key) {
  auto* slider = Control<wxSlider>(group, key);
  return slider != nullptr ? slider->GetValue() : -1;
}

std::string PreferencesTest::SpinText(std::string_view group, std::string_view key) {
  auto* spin = Control<wxSpinCtrlDouble>(group, key, 2);
  return spin != nullptr ? FromWx(spin->GetTextValue()) : std::string();
}

void PreferencesTest::Press(std::string_view group, std::string_view key) {
  prefs::RowControl* row = Row(group, key);
  for (size_t piece = 1; row != nullptr && piece < row->PieceCount(); ++piece) {
    if (auto* button = dynamic_cast<wxButton*>(row->PieceAt(piece))) {
      Send(button, wxEVT_BUTTON);
      return;
    }
  }
  ADD_FAILURE() << "no button: " << key;
}

std::string PreferencesTest::Stored(std::string_view group, std::string_view key) {
  const SettingDescriptor* setting = FindSetting(group, key);
  if (setting == nullptr) ADD_FAILURE() << "no setting " << key;
  return setting != nullptr ? FormatSettingValue(*setting) : std::string();
}

std::string PreferencesTest::ConfigurationBytes() const {
  std::ifstream file(Settings.configurationPath, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace vecrast::uitest
