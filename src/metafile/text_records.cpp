// TEXTOUT and EXTTEXTOUT. A string is decoded by the font's character set, laid out with
// the font's whole-pixel advances (or the record's dx values), aligned on its reference
// point, and painted glyph by glyph over the optional opaque rectangle and text cell.
#include "metafile/text_records.h"

#include <cmath>
#include <mutex>
#include <numbers>
#include <unordered_set>
#include <vector>

#include "metafile/charset_decode.h"
#include "metafile/font_cache.h"
#include "metafile/saturate.h"
#include "metafile/text_layout.h"
#include "metafile/text_paint.h"
#include "metafile/work_budget.h"

namespace metafile {

namespace {

enum : uint16_t { kTextOut = 0x0521, kExtTextOut = 0x0A32 };
enum : uint16_t { kEtoOpaque = 0x0002, kEtoClipped = 0x0004, kEtoGlyphIndex = 0x0010, kEtoPdy = 0x2000 };

// Height used for a font recorded with height 0 (GDI's default), in canvas pixels.
constexpr int kDefaultFontHeight = 16;
// A mapped font height becomes whole pixels by truncation, as in GDI (rounding made text a
// pixel too large in about a third of the reference renderings). Heights within this much
// of the next pixel count as that pixel, so that the picture frame's tiny stretch does not
// take a pixel off heights that map to whole pixels.
constexpr double kHeightRoundUp = 0.01;
// Characters drawn of one string; the rest of a longer one is left out.
constexpr size_t kMaxTextChars = 8192;

struct TextCall {
  int x = 0;
  int y = 0;
  const uint8_t* bytes = nullptr;
  size_t count = 0;
  uint16_t options = 0;
  bool hasRect = false;
  int rect[4] = {0, 0, 0, 0};  // logical left, top, right, bottom
  std::vector<int16_t> dx;     // one per byte, or (x, y) pairs with ETO_PDY; empty: none
};

// The text's own frame on the canvas: x along the baseline, y down across it.
struct TextFrame {
  double originX = 0;
  double originY = 0;
  double cs = 1;
  double sn = 0;
  bool Rotated() const { return std::fabs(sn) > 1e-9 && std::fabs(cs) > 1e-9; }
  DevicePoint At(double along, double down) const {
    return {originX + along * cs + down * sn, originY - along * sn + down * cs};
  }
};

FontRequest RequestFor(const Font& font, const Transform& t) {
  FontRequest request;
  request.faceName = font.faceName;
  request.charSet = font.charSet;
  request.weight = font.weight;
  request.italic = font.italic != 0;
  request.escapement = font.escapement;
  if (font.height == 0) {
    request.height = kDefaultFontHeight;
  } else {
    const double pixels = std::min(std::fabs(font.height * t.scaleY), double(kMaxFontPixels) * 4);
    request.height = int(std::floor(pixels + kHeightRoundUp)) * (font.height < 0 ? -1 : 1);
  }
  request.width = int(std::lround(std::min(std::fabs(font.width * t.scaleX), double(kMaxFontPixels) * 4)));
  return request;
}

// Fills the rectangle [along0, along1) × [down0, down1) of the text frame.
void FillTextRect(Player& p, const TextFrame& frame, int along0, int down0, int along1, int down1,
                  ColorRef color, const Region* clip) {
  if (along1 <= along0 || down1 <= down0) return;
  DrawStyle style = p.Style();
  style.rop2 = kR2CopyPen;
  style.clip = clip;
  style.pen.style = kPenNull;
  const Brush brush{kBrushSolid, color, 0, nullptr};
  style.brush = brush;
  const DevicePoint corners[4] = {frame.At(along0, down0), frame.At(along1, down0), frame.At(along1, down1),
                                  frame.At(along0, down1)};
  if (!frame.Rotated()) {
    IntRect r{RoundToPixel(corners[0].x), RoundToPixel(corners[0].y), RoundToPixel(corners[2].x),
              RoundToPixel(corners[2].y)};
    if (r.left > r.right) std::swap(r.left, r.right);
    if (r.top > r.bottom) std::swap(r.top, r.bottom);
    p.backend.FillRegion(Region(r), brush, style);
    return;
  }
  Shape shape;
  shape.fill.push_back({corners[0], corners[1], corners[2], corners[3]});
  p.backend.DrawShape(shape, style);
}

// With ETO_GLYPH_INDEX the string holds the font's glyph indices, little-endian words; an odd
// last byte is no glyph. Each glyph counts as two of the string's bytes for the dx values.
std::vector<DecodedChar> GlyphIndices(const uint8_t* bytes, size_t count) {
  std::vector<DecodedChar> glyphs;
  glyphs.reserve(count / 2);
  for (size_t i = 0; i + 1 < count; i += 2) {
    DecodedChar c;
    c.code = char32_t(bytes[i] | (bytes[i + 1] << 8));
    c.byteCount = 2;
    c.firstByte = bytes[i];
    c.glyphIndex = true;
    glyphs.push_back(c);
  }
  return glyphs;
}

// Record dx values in canvas pixels, one per decoded character (a double-byte character
// takes the sum of its bytes' values).
void MapSpacing(const TextCall& call, const std::vector<DecodedChar>& chars, const Transform& t,
                TextSpacing& spacing) {
  if (call.dx.empty()) return;
  const bool pairs = (call.options & kEtoPdy) != 0;
  size_t at = 0;
  for (const DecodedChar& c : chars) {
    double dx = 0, dy = 0;
    for (size_t k = 0; k < c.byteCount; ++k, ++at) {
      if (pairs) {
        dx += call.dx[2 * at];
        dy += call.dx[2 * at + 1];
      } else {
        dx += call.dx[at];
      }
    }
    spacing.dx.push_back(dx * std::fabs(t.scaleX));
    // A positive dy moves up the page, whichever way the mapping's y runs.
    if (pairs) spacing.dy.push_back(-dy * std::fabs(t.scaleY));
  }
}

// Paints the glyphs that can reach the visible area. Each distinct glyph of the string pays
// once for being rendered (its em square: the font may not have kept it from an earlier
// string), and every glyph pays for the pixels it paints, so that no string (glyphs
// stacked by zero dx, say) can make playback take long.
void PaintGlyphs(Player& p, SizedFont& font, const std::vector<DecodedChar>& chars, const TextLayout& layout,
                 const TextFrame& frame, const BaselineShift& shift, const Region* clip) {
  const IntRect visible = clip ? Intersect(clip->Bounds(), p.CanvasBounds()) : p.CanvasBounds();
  if (visible.Empty()) return;
  const FontMetrics& metrics = MetricsOf(font);
  // Every glyph lies within this distance of its pen position (italics and rotation included).
  const double reach = 2.0 * std::max(metrics.pixelsPerEm, metrics.pixelsPerEmX) + 2;
  const int64_t renderCost = int64_t(std::max(1, metrics.pixelsPerEm)) * std::max(1, metrics.pixelsPerEmX) *
                             cost::kGlyphRenderPixel;
  std::unordered_set<uint64_t> rendered;
  for (size_t i = 0; i < chars.size(); ++i) {
    double along = shift.along + layout.offsets[i];
    DevicePoint pen = frame.At(along, shift.down + layout.rise[i]);
    if (pen.x + reach < visible.left || pen.x - reach > visible.right || pen.y + reach < visible.top ||
        pen.y - reach > visible.bottom) {
      continue;
    }
    const uint64_t key = uint64_t(chars[i].code) << 1 | (chars[i].glyphIndex ? 1 : 0);
    if (rendered.insert(key).second && !p.backend.Charge(renderCost)) return;
    const GlyphImage* glyph = GlyphFor(font, chars[i]);
    if (!glyph) continue;
    if (glyph->missing) p.NoteMissingGlyph();
    if (glyph->centred) {
      const int cell = (i + 1 < chars.size() ? layout.offsets[i + 1] : layout.width) - layout.offsets[i];
      along += std::floor((cell - glyph->width) / 2.0) - glyph->left;
      pen = frame.At(along, shift.down + layout.rise[i]);
    }
    PaintGlyph(p.backend, *glyph, RoundToPixel(pen.x), RoundToPixel(pen.y), p.dc.textColor, clip);
  }
}

void DrawText(Player& p, const TextCall& call) {
  // Every byte of the string is decoded; at most kMaxTextChars characters are laid out.
  if (!p.backend.Charge(cost::kTextRecord + int64_t(call.count) * cost::kCharacter)) return;
  const Transform t = p.ToCanvas();
  Region textClip;
  const Region* clip = p.dc.clip.get();
  if (call.hasRect) {
    const IntRect r = p.MapRect(call.rect[0], call.rect[1], call.rect[2], call.rect[3]);
    if (call.options & kEtoOpaque) {
      DrawStyle style = p.Style();
      style.rop2 = kR2CopyPen;
      p.backend.FillRegion(Region(r), Brush{kBrushSolid, p.dc.bkColor, 0, nullptr}, style);
    }
    if (call.options & kEtoClipped) {
      const int64_t clipRects = p.dc.clip ? int64_t(p.dc.clip->Rects().size()) : 1;
      if (!p.backend.Charge(2 * clipRects * cost::kRegionRect)) return;
      textClip = p.CurrentClip();
      textClip.IntersectWith(r);
      clip = &textClip;
    }
  }
  if (call.count == 0) return;

  std::lock_guard<std::mutex> lock(FontLock());
  const Font& logFont = p.dc.font;
  SizedFont* font = RealizeFont(RequestFor(logFont, t));
  if (!font) return;
  const FontMetrics metrics = MetricsOf(*font);
  const TextEncoding encoding = EncodingOf(*font, logFont.charSet);
  std::vector<DecodedChar> chars = (call.options & kEtoGlyphIndex)
                                       ? GlyphIndices(call.bytes, call.count)
                                       : DecodeText(call.bytes, call.count, encoding, logFont.charSet);
  if (chars.size() > kMaxTextChars) chars.resize(kMaxTextChars);

  std::vector<int> advances;
  std::vector<bool> isBreak;
  advances.reserve(chars.size());
  for (const DecodedChar& c : chars) {
    advances.push_back(AdvanceFor(*font, c));
    isBreak.push_back(!c.glyphIndex && c.code == U' ');
  }
  TextSpacing spacing;
  MapSpacing(call, chars, t, spacing);
  spacing.charExtra = TextPixels(std::fabs(p.dc.textCharExtra * t.scaleX));
  spacing.breakExtra = TextPixels(p.dc.breakExtra * std::fabs(t.scaleX));
  spacing.breakCount = p.dc.breakCount;
  const TextLayout layout = LayOutText(advances, isBreak, spacing);

  const bool updateCp = (p.dc.textAlign & kTaUpdateCp) != 0;
  const DevicePoint ref = updateCp ? p.Map(p.dc.position.x, p.dc.position.y) : p.Map(call.x, call.y);
  TextFrame frame;
  frame.originX = RoundToPixel(ref.x);
  frame.originY = RoundToPixel(ref.y);
  const double angle = logFont.escapement * std::numbers::pi / 1800.0;
  frame.cs = std::cos(angle);
  frame.sn = std::sin(angle);
  if (!frame.Rotated()) {
    frame.cs = std::round(frame.cs);
    frame.sn = std::round(frame.sn);
  }
  const BaselineShift shift = AlignBaseline(p.dc.textAlign, layout.width, metrics.ascent, metrics.descent);

  const bool opaqueRectCovers = (call.options & kEtoOpaque) && (call.options & kEtoClipped) && call.hasRect;
  if (p.dc.bkMode == kOpaque && !opaqueRectCovers) {
    FillTextRect(p, frame, shift.along, shift.down - metrics.ascent, shift.along + layout.width,
                 shift.down + metrics.descent, p.dc.bkColor, clip);
  }
  PaintGlyphs(p, *font, chars, layout, frame, shift, clip);
  if (logFont.underline) {
    const int top = shift.down - metrics.underlinePosition - metrics.underlineThickness / 2;
    FillTextRect(p, frame, shift.along, top, shift.along + layout.width, top + metrics.underlineThickness,
                 p.dc.textColor, clip);
  }
  if (logFont.strikeOut) {
    const int top = shift.down - metrics.strikeoutPosition - metrics.strikeoutThickness / 2;
    FillTextRect(p, frame, shift.along, top, shift.along + layout.width, top + metrics.strikeoutThickness,
                 p.dc.textColor, clip);
  }
  if (updateCp && t.scaleX != 0 && t.scaleY != 0) {
    const int sign = (p.dc.textAlign & kTaHorizontalMask) == kTaRight ? -1
                     : (p.dc.textAlign & kTaHorizontalMask) == kTaCenter ? 0 : 1;
    const double along = sign * layout.width;
    const double down = layout.endRise;
    // The position accumulates string after string; it saturates rather than overflows.
    p.dc.position.x = SaturateToInt(p.dc.position.x + std::round((along * frame.cs + down * frame.sn) / t.scaleX));
    p.dc.position.y = SaturateToInt(p.dc.position.y + std::round((-along * frame.sn + down * frame.cs) / t.scaleY));
  }
}

// Parameters: byte count, the string (padded to a word), y, x.
void TextOut(Player& p, const Record& r) {
  TextCall call;
  if (!r.Has(1)) {
    p.NoteBadRecord();
    return;
  }
  call.count = r.U16(0);
  const size_t padded = call.count + (call.count & 1);
  call.bytes = r.BytesAt(2, call.count);
  if (!call.bytes || !r.HasBytes(2 + padded, 4)) {
    p.NoteBadRecord();
    return;
  }
  call.y = r.S16((2 + padded) / 2);
  call.x = r.S16((2 + padded) / 2 + 1);
  DrawText(p, call);
}

// Parameters: y, x, byte count, options, the rectangle when the options use it, the
// string (padded to a word), then optionally one dx per byte (two with ETO_PDY).
void ExtTextOut(Player& p, const Record& r) {
  TextCall call;
  if (!r.Has(4)) {
    p.NoteBadRecord();
    return;
  }
  call.y = r.S16(0);
  call.x = r.S16(1);
  call.count = r.U16(2);
  call.options = r.U16(3);
  size_t offset = 8;
  call.hasRect = (call.options & (kEtoOpaque | kEtoClipped)) != 0;
  if (call.hasRect) {
    if (!r.Has(8)) {
      p.NoteBadRecord();
      return;
    }
    for (int i = 0; i < 4; ++i) call.rect[i] = r.S16(size_t(4 + i));
    offset = 16;
  }
  call.bytes = r.BytesAt(offset, call.count);
  if (!call.bytes) {
    p.NoteBadRecord();
    return;
  }
  const size_t dxOffset = offset + call.count + (call.count & 1);
  const size_t dxCount = (call.options & kEtoPdy) ? 2 * call.count : call.count;
  if (call.count > 0 && r.HasBytes(dxOffset, 2 * dxCount)) {
    call.dx.resize(dxCount);
    for (size_t i = 0; i < dxCount; ++i) call.dx[i] = r.S16(dxOffset / 2 + i);
  }
  DrawText(p, call);
}

}  // namespace

void RegisterTextRecords(RecordTable& table) {
  table.Add(kTextOut, TextOut);
  table.Add(kExtTextOut, ExtTextOut);
}

}  // namespace metafile
