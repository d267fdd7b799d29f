#include "engine/watermark_layout.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "base/ascii_case.h"

namespace vecrast {
namespace {

constexpr std::string_view kLineBreak = "%eol%";

bool StartsWithLineBreak(std::string_view text, std::size_t at) {
  return base::EqualsIgnoringAsciiCase(text.substr(at, kLineBreak.size()), kLineBreak);
}

int ClampToInt(long long value) {
  return static_cast<int>(std::clamp<long long>(value, std::numeric_limits<int>::min(),
                                                std::numeric_limits<int>::max()));
}

int RoundHalfAwayFromZero(float value) { return static_cast<int>(std::round(value)); }

// Half of the free room, rounded toward zero.
long long Centre(long long room, long long size) { return (room - size) / 2; }

}  // namespace

std::vector<std::string> SplitWatermarkLines(std::string_view text) {
  std::vector<std::string> lines(1);
  for (std::size_t at = 0; at < text.size();) {
    if (StartsWithLineBreak(text, at)) {
      lines.emplace_back();
      at += kLineBreak.size();
    } else {
      lines.back() += text[at++];
    }
  }
  return lines;
}

int AlignLine(int boxWidth, int lineWidth, int padding, int alignment) {
  switch (alignment) {
    case static_cast<int>(TextAlignment::kLeft):
      return padding;
    case static_cast<int>(TextAlignment::kCentre):
      return RoundHalfAwayFromZero(static_cast<float>(static_cast<long long>(boxWidth) - lineWidth) / 2.0f);
    case static_cast<int>(TextAlignment::kRight):
      return ClampToInt(static_cast<long long>(boxWidth) - lineWidth - padding);
    default:
      return 0;
  }
}

TextBoxLayout LayoutTextBox(const std::vector<int>& lineWidths, int lineHeight, int leading,
                            int padding, int alignment) {
  // 64-bit sums, clamped at the end: padding, leading and the number of lines come from
  // settings. A box too large to draw fails later, when its canvas is made.
  TextBoxLayout layout;
  if (lineWidths.empty()) return layout;
  const long long margin = 2LL * padding;
  if (lineWidths.size() == 1) {
    layout.box = {ClampToInt(lineWidths[0] + margin), ClampToInt(lineHeight + margin)};
    layout.lineOrigins.push_back({padding, padding});
    return layout;
  }
  const long long contentWidth =
      std::max(10, *std::max_element(lineWidths.begin(), lineWidths.end()));
  const long long height = std::max(10, lineHeight);
  const long long pitch = height + leading;
  const long long breaks = static_cast<long long>(lineWidths.size()) - 1;
  layout.box = {ClampToInt(contentWidth + margin), ClampToInt(height + pitch * breaks + margin)};
  for (std::size_t i = 0; i < lineWidths.size(); ++i) {
    layout.lineOrigins.push_back(
        {AlignLine(layout.box.width, lineWidths[i], padding, alignment),
         ClampToInt(padding + static_cast<long long>(i) * pitch)});
  }
  return layout;
}

WatermarkArea AvailableArea(int imageWidth, int imageHeight, bool insideFrame, FrameBands bands) {
  if (!insideFrame) return {0, 0, imageWidth, imageHeight};
  const FrameBands inside = ClampFrameBands(bands, imageWidth, imageHeight);
  return {inside.left, inside.top, imageWidth - inside.left - inside.right,
          imageHeight - inside.top - inside.bottom};
}

PixelSize CroppedSize(PixelSize watermark, const WatermarkArea& area, int offsetX, int offsetY) {
  // 64-bit sums: offsets come from settings and may be anything.
  if (static_cast<long long>(watermark.width) + offsetX > area.width)
    watermark.width = static_cast<int>(std::max<long long>(
        static_cast<long long>(area.width) - offsetX, -1));
  if (static_cast<long long>(watermark.height) + offsetY > area.height)
    watermark.height = static_cast<int>(std::max<long long>(
        static_cast<long long>(area.height) - offsetY, -1));
  return watermark;
}

PixelPoint PlaceWatermark(PixelSize watermark, const WatermarkArea& area, int position,
                          int offsetX, int offsetY) {
  if (position < 0 || position > 8) return {area.left, area.top};
  // 64-bit arithmetic: offsets come from settings and may be anything. Positions run
  // row by row: left, centre, right across; top, middle, bottom down.
  const long long w = watermark.width;
  const long long h = watermark.height;
  const long long across[3] = {offsetX, Centre(area.width, w), area.width - w - offsetX};
  const long long down[3] = {offsetY, Centre(area.height, h), area.height - h - offsetY};
  const long long x = across[position % 3];
  const long long y = down[position / 3];
  return {ClampToInt(x + area.left), ClampToInt(y + area.top)};
}

bool IsWatermarkRotation(int degrees) { return degrees >= 1 && degrees <= 359; }

}  // namespace vecrast
