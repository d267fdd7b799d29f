#include "ui/preferences/preferences_window.h"

#include <wx/button.h>
#include <wx/panel.h>
#include <wx/stattext.h>
#include <wx/treectrl.h>

#include <algorithm>

#include "settings/configuration.h"
#include "settings/settings.h"
#include "texts/texts.h"
#include "ui/ids.h"
#include "ui/message_boxes.h"
#include "ui/themes.h"
#include "ui/wx_text.h"

namespace vecrast::prefs {

namespace {

constexpr int kInterfacePage = 1;
constexpr int kClientWidth = 600;
constexpr int kClientHeight = 350;
constexpr int kButtonsTop = 315;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 25;
constexpr int kHeaderFontPoints = 10;

std::function<void()> appearanceApplier;

struct Appearance {
  std::string theme;
  int32_t size = 0;
};

Appearance CurrentAppearance() { return {Settings.uiTheme, Settings.uiSize}; }

void SetAppearanceFlag(const Appearance& before, const Appearance& after) {
  ConversionJob.appearanceFlag =
      AppearanceFlag(before.theme, before.size, after.theme, after.size, ConversionJob.appearanceFlag);
}

void ApplyAppearance() {
  if (appearanceApplier) {
    appearanceApplier();
  } else {
    ApplyAppearanceChange();
  }
}

// On exactly when a colour adjustment has something to do.
int8_t ColourCorrectionNeeded() {
  return Settings.imageBrightness != 0 || Settings.imageContrast != 0 || Settings.imageGamma != 1.0 ||
                 Settings.imageInvert != 0
             ? 1
             : 0;
}

wxButton* Button(wxWindow* parent, int id, const char* key, int x) {
  auto* button = new wxButton(parent, id, ToWx(GetText("Dialog", key)));
  button->SetSize(x, kButtonsTop, kButtonWidth, std::max(kButtonHeight, button->GetBestSize().y));
  return button;
}

}  // namespace

void SetAppearanceApplier(std::function<void()> applier) { appearanceApplier = std::move(applier); }

int32_t AppearanceFlag(const std::string& themeBefore, int32_t sizeBefore, const std::string& themeAfter,
                       int32_t sizeAfter, int32_t flag) {
  if (sizeAfter != sizeBefore) flag = 2;
  if (themeAfter != themeBefore) flag = 1;
  return flag;
}

PreferencesWindow::PreferencesWindow(wxWindow* owner)
    : wxDialog(owner, kPreferencesWindow, ToWx(GetText("Preferences", "Title")), wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX),
      tables_(PreferencePages()) {
  BuildFrame();
  const SideWidths sides = MeasureSideWidths(this);
  for (const PageTable& table : tables_) {
    pages_.push_back(std::make_unique<PageView>(this, table, sides));
    items_.push_back(categories_->AppendItem(categories_->GetRootItem(), ToWx(GetText("Preferences", table.category))));
  }
  for (const auto& page : pages_) page->Fill();
  const int start = ConversionJob.preferencesStartPage;
  ShowCategory(start >= 0 && start < static_cast<int>(pages_.size()) ? start : 0);
  ConversionJob.preferencesStartPage = 0;
  CentreOnParent();

  categories_->Bind(wxEVT_TREE_SEL_CHANGED, [this](wxTreeEvent& event) {
    const auto found = std::find(items_.begin(), items_.end(), event.GetItem());
    if (found != items_.end()) ShowCategory(static_cast<int>(found - items_.begin()));
  });
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Ok(); }, wxID_OK);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Cancel(); }, wxID_CANCEL);
  defaults_->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Defaults(); });
  Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { Cancel(); });
  Bind(wxEVT_INIT_DIALOG, [this](wxInitDialogEvent& event) {
    categories_->SetFocus();
    event.Skip();
  });
}

PreferencesWindow::~PreferencesWindow() { DestroyChildren(); }

void PreferencesWindow::BuildFrame() {
  categories_ = new wxTreeCtrl(this, wxID_ANY, wxPoint(10, 10), wxSize(120, 295),
                               wxTR_HIDE_ROOT | wxTR_SINGLE | wxTR_NO_LINES | wxTR_NO_BUTTONS |
                                   wxTR_FULL_ROW_HIGHLIGHT | wxBORDER_THEME);
  categories_->AddRoot(wxEmptyString);
  categories_->SetIndent(0);  // one level: no room for branches
  auto* band = new wxPanel(this, wxID_ANY, wxPoint(kPageX, 10), wxSize(kPageWidth, 30));
  band->SetBackgroundColour(*wxWHITE);
  header_ = new wxStaticText(band, wxID_ANY, wxEmptyString, wxPoint(10, 7), wxDefaultSize, wxST_NO_AUTORESIZE);
  header_->SetFont(wxFontInfo(kHeaderFontPoints).Bold());
  // The title sits at 150, 17 of the client area; the band is 30 high.
  const int titleHeight = header_->GetBestSize().y;
  header_->SetSize(10, std::max(0, (30 - titleHeight) / 2), kPageWidth - 20, titleHeight);
  header_->SetForegroundColour(*wxBLACK);
  defaults_ = Button(this, wxID_ANY, "Defaults", 10);
  wxButton* ok = Button(this, wxID_OK, "OK", 420);
  Button(this, wxID_CANCEL, "Cancel", 510);
  ok->SetDefault();
  SetEscapeId(wxID_CANCEL);
  SetClientSize(kClientWidth, std::max(kClientHeight, ok->GetRect().GetBottom() + 1 + 10));
}

void PreferencesWindow::ShowCategory(int index) {
  if (index < 0 || index >= static_cast<int>(pages_.size()) || index == current_) return;
  if (current_ >= 0) pages_[static_cast<size_t>(current_)]->Window()->Hide();
  current_ = index;
  const size_t page = static_cast<size_t>(index);
  header_->SetLabel(ToWx(GetText("Preferences", tables_[page].category)));
  pages_[page]->Window()->Show();
  if (categories_->GetSelection() != items_[page]) categories_->SelectItem(items_[page]);
}

RowControl* PreferencesWindow::FindRow(std::string_view group, std::string_view key) {
  for (const auto& page : pages_) {
    if (page->Table().category != group) continue;
    if (RowControl* row = page->FindRow(key)) return row;
  }
  return nullptr;
}

void PreferencesWindow::Ok() {
  const Appearance before = CurrentAppearance();
  Settings.language = "en";
  for (const auto& page : pages_) page->Commit();
  Settings.doImageColorCorrection = ColourCorrectionNeeded();
  SetAppearanceFlag(before, CurrentAppearance());
  SaveConfiguration();
  ApplyAppearance();
  Finish(wxID_OK);
}

void PreferencesWindow::Defaults() {
  if (!AskYesNo(GetText("Msg", "Reset to Defaults"), GetText("Msg", "Ask reset to defaults"))) return;
  // The theme and icon size as the dialog shows them, read by the Interface page's own commit.
  const SettingsRecord kept = Settings;
  pages_[kInterfacePage]->Commit();
  const Appearance selected = CurrentAppearance();
  Settings = kept;
  ResetSettings(false);
  SetAppearanceFlag(selected, CurrentAppearance());
  SaveConfiguration();
  ApplyAppearance();
  Finish(wxID_OK);
}

void PreferencesWindow::Cancel() { Finish(wxID_CANCEL); }

void PreferencesWindow::Finish(int code) {
  if (IsModal()) {
    EndModal(code);
  } else {
    SetReturnCode(code);
    Hide();
  }
}

}  // namespace vecrast::prefs
