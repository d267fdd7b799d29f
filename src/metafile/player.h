// The state one playback works on, shared by every record handler: the device context and
// its save stack, the object table, the frame that places the picture on the canvas, and
// the back end that paints.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "metafile/backend.h"
#include "metafile/dc_state.h"
#include "metafile/mapping.h"
#include "metafile/object_table.h"

namespace metafile {

class Player {
 public:
  static constexpr size_t kMaxSavedStates = 1024;

  Player(Backend& backend, const Frame& frame, const DcState& initial, IntRect canvasBounds,
         size_t declaredObjects);

  DcState dc;
  ObjectTable objects;
  Backend& backend;

  const Frame& GetFrame() const { return frame_; }
  IntRect CanvasBounds() const { return canvasBounds_; }

  // Logical to canvas mapping under the current DC.
  Transform ToCanvas() const { return LogicalToCanvas(dc, frame_); }
  DevicePoint Map(double x, double y) const { return ToCanvas().Apply(x, y); }
  // A logical rectangle as canvas pixels (corners rounded, ordered).
  IntRect MapRect(int left, int top, int right, int bottom) const;
  Region MapRegion(const Region& logical) const;

  // A COLORREF as plain RGB: palette-index colours (high byte 1) are looked up in the
  // default palette (black past its end).
  ColorRef ResolveColor(ColorRef color) const;

  // The DC's painting attributes in canvas terms, colours resolved.
  DrawStyle Style() const;

  // SaveDC / RestoreDC: false when the stack is full or the level does not exist.
  bool Save();
  bool Restore(int level);
  size_t SavedCount() const { return saved_.size(); }

  // The clip as a region on the canvas (the whole canvas when none is set).
  Region CurrentClip() const;
  void SetClip(Region clip);

  // A record that could not be used leaves a note; playback goes on.
  void NoteBadRecord() { ++badRecords_; }
  size_t BadRecords() const { return badRecords_; }

  // A character drawn as the missing-glyph box.
  void NoteMissingGlyph() { ++missingGlyphs_; }
  size_t MissingGlyphs() const { return missingGlyphs_; }

 private:
  Frame frame_;
  IntRect canvasBounds_;
  std::vector<DcState> saved_;
  size_t badRecords_ = 0;
  size_t missingGlyphs_ = 0;
};

}  // namespace metafile
