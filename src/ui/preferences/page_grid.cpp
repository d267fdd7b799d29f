#include "ui/preferences/page_grid.h"

#include <algorithm>

namespace vecrast::prefs {

std::vector<int> GridRowTops(std::span<const GridRowHeight> rows, int firstTop) {
  std::vector<int> tops;
  tops.reserve(rows.size() + 1);
  int top = firstTop;
  for (const GridRowHeight& row : rows) {
    tops.push_back(top);
    top += kRowPitch + std::max(0, row.actual - row.original);
  }
  tops.push_back(top);
  return tops;
}

SideBySide FitSideBySide(int mainWidth, int sideX, int sideWidth, int neededSideWidth) {
  const int gap = sideX - kControlX - mainWidth;
  SideBySide fitted;
  fitted.sideWidth = std::max(sideWidth, neededSideWidth);
  fitted.sideX = sideX + sideWidth - fitted.sideWidth;
  fitted.mainWidth = std::min(mainWidth, fitted.sideX - gap - kControlX);
  return fitted;
}

}  // namespace vecrast::prefs
