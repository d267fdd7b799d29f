#include "ui/preferences/row_control.h"

#include <wx/button.h>
#include <wx/stattext.h>

#include <algorithm>

#include "texts/texts.h"
#include "ui/preferences/row_kinds.h"
#include "ui/wx_text.h"

namespace vecrast::prefs {

RowControl::RowControl(wxWindow* parent, const PageRow& row, const SettingDescriptor* setting,
                       RowDirectory& directory)
    : row_(row), setting_(setting), parent_(parent), directory_(directory) {
  auto* label = new wxStaticText(parent, wxID_ANY, ToWx(GetText("Preferences", row.labelKey)),
                                 wxDefaultPosition, wxDefaultSize, wxST_NO_AUTORESIZE);
  AddPiece(label, kLabelX, kLabelWidth, 0);
}

void RowControl::Put(int) {}

void RowControl::AddPiece(wxWindow* window, int x, int width, int originalHeight) {
  pieces_.push_back({window, x, width, originalHeight});
}

wxButton* RowControl::AddWithChooserButton(wxWindow* control, int originalHeight) {
  auto* button = new wxButton(parent_, wxID_ANY, "...", wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT);
  const wxSize buttonSize = button->GetBestSize();
  const int side = std::max({kDotsButtonSide, control->GetBestSize().y, buttonSize.x, buttonSize.y});
  const SideBySide fitted = FitSideBySide(kNarrowWidth, kDotsButtonX, kDotsButtonSide, side);
  AddPiece(control, kControlX, fitted.mainWidth, originalHeight);
  AddPiece(button, fitted.sideX, 0, kDotsButtonSide);
  return button;
}

int RowControl::PieceHeight(const Piece& piece) const {
  return std::max(piece.originalHeight, piece.window->GetBestSize().y);
}

GridRowHeight RowControl::Height() const {
  GridRowHeight height{0, 0};
  for (const Piece& piece : pieces_) {
    height.original = std::max(height.original, piece.originalHeight);
    height.actual = std::max(height.actual, PieceHeight(piece));
  }
  return height;
}

void RowControl::Place(int top) {
  top_ = top;
  const int rowHeight = Height().actual;
  for (const Piece& piece : pieces_) {
    int height = PieceHeight(piece);
    int width = piece.width;
    if (width == 0) {
      height = rowHeight;
      width = std::max(rowHeight, piece.window->GetBestSize().x);
    }
    piece.window->SetSize(piece.x, CentredTop(top, rowHeight, height), width, height);
  }
}

void RowControl::Enable(bool on) {
  enabled_ = on;
  for (const Piece& piece : pieces_) piece.window->Enable(on);
}

void RowControl::Show(bool on) {
  shown_ = on;
  for (const Piece& piece : pieces_) piece.window->Show(on);
}

const SettingDescriptor* ItemListSetting(const SettingDescriptor* setting) {
  return setting != nullptr ? FindSetting(setting->group, std::string(setting->key) + "s") : nullptr;
}

std::unique_ptr<RowControl> MakeRowControl(wxWindow* parent, const PageRow& row,
                                           std::string_view group, RowDirectory& directory) {
  const SettingDescriptor* setting = row.key.empty() ? nullptr : FindSetting(group, row.key);
  switch (row.kind) {
    case RowKind::List: return MakeListRow(parent, row, setting, directory);
    case RowKind::FormatList: return MakeFormatListRow(parent, row, setting, directory);
    case RowKind::Check: return MakeCheckRow(parent, row, setting, directory);
    case RowKind::Numeric: return MakeNumericRow(parent, row, setting, directory, FindSetting(group, row.unitKey));
    case RowKind::TrackSpin: return MakeTrackSpinRow(parent, row, setting, directory);
    case RowKind::ColourField: return MakeColourFieldRow(parent, row, setting, directory);
    case RowKind::Text: return MakeTextRow(parent, row, setting, directory);
    case RowKind::ImagePath: return MakeImagePathRow(parent, row, setting, directory);
    case RowKind::FontList: return MakeFontListRow(parent, row, setting, directory);
    case RowKind::ColourList: return MakeColourListRow(parent, row, setting, directory);
    case RowKind::Date: return MakeDateRow(parent, row, setting, directory);
  }
  return nullptr;
}

}  // namespace vecrast::prefs
