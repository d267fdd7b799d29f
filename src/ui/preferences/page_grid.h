// The page grid of the preferences as a pure function of the heights the toolkit needs. Rows
// are 30 pixels apart from y 10 at the original heights (lists 21, fields 20, colour buttons
// 22); a row whose controls are taller on this toolkit pushes the rows below it down by what it
// grew, and every piece of a row (label, control, unit list, button) is centred on the row.
#pragma once

#include <span>
#include <vector>

namespace vecrast::prefs {

inline constexpr int kFirstRowTop = 10;
inline constexpr int kRowPitch = 30;
inline constexpr int kGridBottomMargin = 10;  // below the last row of a page or container

// Column x positions and widths of the grid.
inline constexpr int kLabelX = 10;
inline constexpr int kLabelWidth = 160;
inline constexpr int kControlX = 170;
inline constexpr int kControlWidth = 240;    // lists and text fields
inline constexpr int kTrackWidth = 170;      // a track bar, with its spin field at kSideX
inline constexpr int kNumericWidth = 160;    // a numeric field, with its unit list at kSideX
inline constexpr int kSideX = 340;
inline constexpr int kSideWidth = 70;
inline constexpr int kNarrowWidth = 214;     // a list or field with a "..." button beside it
inline constexpr int kDotsButtonX = 389;
inline constexpr int kDotsButtonSide = 22;
inline constexpr int kColourButtonWidth = 44;
inline constexpr int kColourFieldX = 220;
inline constexpr int kColourFieldWidth = 190;

struct GridRowHeight {
  int original = 20;  // the row's tallest control at the original sizes
  int actual = 20;    // the same control here: the larger of the original and the toolkit's
};

// The top of every row, then the top a following row (or an inner container) would have.
std::vector<int> GridRowTops(std::span<const GridRowHeight> rows, int firstTop = kFirstRowTop);

// The widths the toolkit needs for the spin fields and unit lists; one width for each kind, so
// that the rows line up.
struct SideWidths {
  int spin = kSideWidth;
  int units = kSideWidth;
};

// A control with a second one beside it (a spin field, a unit list, a "..." button).
struct SideBySide {
  int mainWidth = 0;
  int sideX = 0;
  int sideWidth = 0;
};

// The pair on the grid when the side piece needs `neededSideWidth` here: the side piece keeps
// its right edge and grows to that width; the main piece keeps its x and the gap it had, and
// gives up what the side piece took. At the original widths nothing moves.
SideBySide FitSideBySide(int mainWidth, int sideX, int sideWidth, int neededSideWidth);

// Where a piece `height` high goes in a row `rowHeight` high that starts at `rowTop`.
inline int CentredTop(int rowTop, int rowHeight, int height) { return rowTop + (rowHeight - height) / 2; }

}  // namespace vecrast::prefs
