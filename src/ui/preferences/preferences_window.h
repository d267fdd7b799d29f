// The preferences dialog (window 1): the category list, the header band with the page title,
// the nine pages, and the Defaults, OK and Cancel buttons. The controls are filled from
// Settings when it is built; Settings changes only on OK or Defaults, which also save the
// configuration and let the main window apply interface changes. Cancel, Escape and the close
// box change nothing (but the font and colour lists the choosers extended).
#pragma once

#include <wx/dialog.h>
#include <wx/treebase.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/preferences/page_table.h"
#include "ui/preferences/page_view.h"

class wxButton;
class wxStaticText;
class wxTreeCtrl;

namespace vecrast::prefs {

// What OK and Defaults call once the configuration is saved: ApplyAppearanceChange, unless a
// test installs its own to see the appearance flag the dialog set (empty restores it).
void SetAppearanceApplier(std::function<void()> applier);

// The appearance flag after a change from the theme and icon size `before` to `after`: 1 when
// the theme changed (whatever the size did), else 2 when the size changed, else `flag` as it was.
int32_t AppearanceFlag(const std::string& themeBefore, int32_t sizeBefore, const std::string& themeAfter,
                       int32_t sizeAfter, int32_t flag);

class PreferencesWindow : public wxDialog {
 public:
  // Builds and fills every page and shows the category ConversionJob.preferencesStartPage
  // names (then sets it back to 0).
  explicit PreferencesWindow(wxWindow* owner);
  // The controls go before the rows that handle their events.
  ~PreferencesWindow() override;

  // Shows the page of category `index` (0 "General" to 8 "Advanced"); other numbers are ignored.
  void ShowCategory(int index);
  int CurrentCategory() const { return current_; }

  // The three buttons; each closes the dialog except Defaults answered No.
  void Ok();
  void Defaults();
  void Cancel();

  size_t PageCount() const { return pages_.size(); }
  PageView& Page(size_t index) { return *pages_.at(index); }
  // The row of a setting, by its group and key; null when no page has it.
  RowControl* FindRow(std::string_view group, std::string_view key);

  wxTreeCtrl* Categories() const { return categories_; }
  wxStaticText* Header() const { return header_; }
  wxButton* DefaultsButton() const { return defaults_; }

 private:
  void BuildFrame();
  void Finish(int code);

  std::vector<PageTable> tables_;
  std::vector<std::unique_ptr<PageView>> pages_;
  std::vector<wxTreeItemId> items_;
  wxTreeCtrl* categories_ = nullptr;
  wxStaticText* header_ = nullptr;
  wxButton* defaults_ = nullptr;
  int current_ = -1;
};

}  // namespace vecrast::prefs
