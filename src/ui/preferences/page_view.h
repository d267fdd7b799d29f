// One page of the preferences built from its table: the rows on a page area (scrolling where
// they do not fit), the inner containers below a selector row, and the page's rules.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/preferences/page_table.h"
#include "ui/preferences/row_control.h"

class wxScrolledWindow;
class wxWindow;

namespace vecrast::prefs {

// The page area: position and size in the dialog's client area.
inline constexpr int kPageX = 140;
inline constexpr int kPageY = 50;
inline constexpr int kPageWidth = 450;
inline constexpr int kPageHeight = 255;
inline constexpr int kScrollStep = 10;

// The widths the spin fields and unit lists need here, measured on throw-away controls.
SideWidths MeasureSideWidths(wxWindow* parent);

class PageView : public RowDirectory {
 public:
  // Builds the page hidden in `dialog`'s page area.
  PageView(wxWindow* dialog, const PageTable& table, const SideWidths& sides);

  const PageTable& Table() const { return table_; }
  wxWindow* Window() const { return window_; }

  // Fills every row from Settings, then applies the rules.
  void Fill();
  // Commits every row, hidden ones and those of hidden containers included, in table order.
  void Commit();
  // Enables and shows rows and containers as the rules say, and sizes the scrolling areas.
  void ApplyRules();

  RowControl* FindRow(std::string_view key) override;
  void RowChanged() override { ApplyRules(); }
  const SideWidths& Sides() const override { return sides_; }
  // The container of that name; null when the page has none.
  wxScrolledWindow* FindContainer(std::string_view name) const;
  // The heights the page's scrolling areas need for their visible rows.
  std::vector<int> ContentHeights() const;

 private:
  struct Area {
    std::string name;  // empty for the page's own rows
    wxWindow* window = nullptr;
    wxScrolledWindow* scrolled = nullptr;  // window, when it scrolls
    std::vector<std::unique_ptr<RowControl>> rows;
  };

  Area& AddArea(const std::string& name, wxWindow* window, wxScrolledWindow* scrolled,
                const std::vector<PageRow>& rows);
  void FitScrolling(const Area& area) const;
  static int ContentHeight(const Area& area);

  const PageTable& table_;
  const SideWidths sides_;
  wxWindow* window_ = nullptr;
  std::vector<Area> areas_;  // the page's own rows first, then the containers in table order
};

}  // namespace vecrast::prefs
