// One row of a preferences page: its label and controls, built from the row's table entry,
// filled from Settings, committed into Settings, and placed on the page grid.
#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "settings/settings_table.h"
#include "ui/preferences/page_grid.h"
#include "ui/preferences/page_table.h"

class wxButton;
class wxWindow;

namespace vecrast::prefs {

class RowControl;

// What a row needs of the page around it.
class RowDirectory {
 public:
  virtual ~RowDirectory() = default;
  // The row of that setting key on the page; null when there is none.
  virtual RowControl* FindRow(std::string_view key) = 0;
  // A controlling value may have changed: the page applies its rules again.
  virtual void RowChanged() = 0;
  // The widths of the pieces beside a control on this toolkit.
  virtual const SideWidths& Sides() const = 0;
};

class RowControl {
 public:
  RowControl(wxWindow* parent, const PageRow& row, const SettingDescriptor* setting,
             RowDirectory& directory);
  virtual ~RowControl() = default;
  RowControl(const RowControl&) = delete;
  RowControl& operator=(const RowControl&) = delete;

  // Shows the setting's value; a value the control cannot show is shown as the nearest sound
  // one, so that OK stores it back sound.
  virtual void Fill() = 0;
  // Stores the control's value into the setting.
  virtual void Commit() = 0;
  // The value the page's rules look at: a list's position, a check box's state, a numeric
  // field's number; else 0.
  virtual int RuleValue() const { return 0; }
  // Takes a value another row's chooser found: a list's position, a numeric field's number.
  virtual void Put(int value);

  const PageRow& Row() const { return row_; }
  const SettingDescriptor* Setting() const { return setting_; }

  // Heights for the grid, and the placing of every piece centred on the row at `top`.
  GridRowHeight Height() const;
  void Place(int top);
  int Top() const { return top_; }

  void Enable(bool on);
  void Show(bool on);
  bool IsShown() const { return shown_; }
  bool IsEnabled() const { return enabled_; }

  // The row's windows: 0 is the label, then the controls left to right.
  size_t PieceCount() const { return pieces_.size(); }
  wxWindow* PieceAt(size_t index) const { return pieces_.at(index).window; }

 protected:
  // `originalHeight` 0: the piece is as tall as the toolkit wants and does not count for the
  // row's original height (the label). `width` 0: as wide as the toolkit wants, at least as
  // tall as the row (the square "..." button).
  void AddPiece(wxWindow* window, int x, int width, int originalHeight);
  // Adds `control` (214 wide originally) with a square "..." button beside it; returns the button.
  wxButton* AddWithChooserButton(wxWindow* control, int originalHeight);
  wxWindow* Parent() const { return parent_; }
  RowDirectory& Directory() const { return directory_; }

  const PageRow& row_;
  const SettingDescriptor* setting_;

 private:
  struct Piece {
    wxWindow* window;
    int x;
    int width;
    int originalHeight;
  };
  int PieceHeight(const Piece& piece) const;

  wxWindow* parent_;
  RowDirectory& directory_;
  std::vector<Piece> pieces_;
  int top_ = 0;
  bool shown_ = true;
  bool enabled_ = true;
};

// The control of the row's kind. `group` is the settings group of the page.
std::unique_ptr<RowControl> MakeRowControl(wxWindow* parent, const PageRow& row,
                                           std::string_view group, RowDirectory& directory);

}  // namespace vecrast::prefs
