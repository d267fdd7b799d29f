#include "ui/preferences/page_view.h"

#include <wx/choice.h>
#include <wx/panel.h>
#include <wx/spinctrl.h>
#include <wx/scrolwin.h>

#include <algorithm>

#include "texts/texts.h"
#include "ui/wx_text.h"

namespace vecrast::prefs {

namespace {

wxScrolledWindow* ScrollingArea(wxWindow* parent, wxPoint at, wxSize size) {
  auto* area = new wxScrolledWindow(parent, wxID_ANY, at, size, wxVSCROLL | wxTAB_TRAVERSAL);
  area->SetScrollRate(0, kScrollStep);
  return area;
}

// The rows of a scrolling area sit on one panel as tall as they need, which the area moves as
// a whole when it scrolls.
wxPanel* RowPanel(wxScrolledWindow* area) {
  auto* panel = new wxPanel(area, wxID_ANY, wxPoint(0, 0), area->GetClientSize());
  return panel;
}

// Places the rows on the grid; returns the top a following row would have.
int LayOutRows(const std::vector<std::unique_ptr<RowControl>>& rows) {
  std::vector<GridRowHeight> heights;
  for (const auto& row : rows) heights.push_back(row->Height());
  const std::vector<int> tops = GridRowTops(heights);
  for (size_t index = 0; index < rows.size(); ++index) rows[index]->Place(tops[index]);
  return tops.back();
}

}  // namespace

SideWidths MeasureSideWidths(wxWindow* parent) {
  SideWidths sides;
  // The widest spin text any row shows: "-100", "360" or "9.99".
  auto* spin = new wxSpinCtrlDouble(parent, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                                    wxSP_ARROW_KEYS, -100, 999, 0, 1);
  spin->SetDigits(2);
  sides.spin = std::max(sides.spin, spin->GetBestSize().x);
  spin->Destroy();
  auto* units = new wxChoice(parent, wxID_ANY);
  for (const char* key : {"Pixels", "Percent", "Points", "Bytes"}) units->Append(ToWx(GetText("Preferences", key)));
  sides.units = std::max(sides.units, units->GetBestSize().x);
  units->Destroy();
  return sides;
}

PageView::PageView(wxWindow* dialog, const PageTable& table, const SideWidths& sides)
    : table_(table), sides_(sides) {
  const wxPoint at(kPageX, kPageY);
  const wxSize size(kPageWidth, kPageHeight);
  if (table.containers.empty()) {
    wxScrolledWindow* page = ScrollingArea(dialog, at, size);
    window_ = page;
    AddArea({}, RowPanel(page), page, table.rows);
  } else {
    window_ = new wxPanel(dialog, wxID_ANY, at, size);
    const int containerTop = LayOutRows(AddArea({}, window_, nullptr, table.rows).rows);
    for (const PageContainer& container : table.containers) {
      wxScrolledWindow* inner =
          ScrollingArea(window_, wxPoint(0, containerTop), wxSize(kPageWidth, kPageHeight - containerTop));
      AddArea(container.name, RowPanel(inner), inner, container.rows);
    }
  }
  for (Area& area : areas_) {
    if (area.scrolled != nullptr) LayOutRows(area.rows);
    for (const auto& row : area.rows) {
      if (row->Row().alwaysHidden) row->Show(false);
    }
  }
  window_->Hide();
}

PageView::Area& PageView::AddArea(const std::string& name, wxWindow* window, wxScrolledWindow* scrolled,
                                  const std::vector<PageRow>& rows) {
  Area& area = areas_.emplace_back();
  area.name = name;
  area.window = window;
  area.scrolled = scrolled;
  for (const PageRow& row : rows) area.rows.push_back(MakeRowControl(window, row, table_.category, *this));
  return area;
}

void PageView::Fill() {
  for (Area& area : areas_) {
    for (const auto& row : area.rows) row->Fill();
  }
  ApplyRules();
}

void PageView::Commit() {
  for (Area& area : areas_) {
    for (const auto& row : area.rows) row->Commit();
  }
}

void PageView::ApplyRules() {
  for (const PageRule& rule : table_.rules) {
    RowControl* controller = FindRow(rule.controller);
    if (controller == nullptr) continue;
    const bool on = std::find(rule.values.begin(), rule.values.end(), controller->RuleValue()) != rule.values.end();
    for (const std::string& target : rule.targets) {
      if (RowControl* row = FindRow(target)) {
        if (rule.effect == RuleEffect::Enable) row->Enable(on);
        if (rule.effect == RuleEffect::Show) row->Show(on && !row->Row().alwaysHidden);
      } else if (wxScrolledWindow* container = FindContainer(target)) {
        container->Show(on);
      }
    }
  }
  for (const Area& area : areas_) FitScrolling(area);
}

RowControl* PageView::FindRow(std::string_view key) {
  for (Area& area : areas_) {
    for (const auto& row : area.rows) {
      if (!row->Row().key.empty() && row->Row().key == key) return row.get();
    }
  }
  return nullptr;
}

wxScrolledWindow* PageView::FindContainer(std::string_view name) const {
  for (const Area& area : areas_) {
    if (!area.name.empty() && area.name == name) return area.scrolled;
  }
  return nullptr;
}

int PageView::ContentHeight(const Area& area) {
  int bottom = 0;
  for (const auto& row : area.rows) {
    if (row->IsShown()) bottom = std::max(bottom, row->Top() + row->Height().actual + kGridBottomMargin);
  }
  return bottom;
}

std::vector<int> PageView::ContentHeights() const {
  std::vector<int> heights;
  for (const Area& area : areas_) {
    if (area.scrolled != nullptr) heights.push_back(ContentHeight(area));
  }
  return heights;
}

// Rows keep their places; the area scrolls as far as its last visible row.
void PageView::FitScrolling(const Area& area) const {
  if (area.scrolled == nullptr) return;
  const int height = std::max(ContentHeight(area), area.scrolled->GetClientSize().y);
  area.window->SetSize(kPageWidth, height);
  area.scrolled->SetVirtualSize(1, height);
}

}  // namespace vecrast::prefs
