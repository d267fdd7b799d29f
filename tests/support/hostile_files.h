// Metafiles built to make the player work as hard as a small file can: each kind repeats
// one costly piece of work. The tests build them small and check that the work budget
// bounds them; the hostile-file benchmark builds them large and times them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "wmf_writer.h"

namespace hostile {

// How big one hostile file is: its canvas in pixels (at most 32767 a side and 2^28 in
// area), how many times its costly records repeat, and the size of one piece of work
// (glyph pixels, PNG side, rectangles of a region, points of a polygon; 0: the kind's own).
struct Size {
  int width = 100;
  int height = 100;
  int repeats = 1;
  int piece = 0;
};

struct Kind {
  const char* name;
  const char* what;
  wmfw::Bytes (*build)(const Size& size);
  Size full;  // the size the benchmark builds
};

// Every kind, in a fixed order.
const std::vector<Kind>& Kinds();

// The kind called `name`, or null.
const Kind* FindKind(const std::string& name);

// A PNG of side × side pixels that compresses to a few kilobytes (one-bit grey, all black).
wmfw::Bytes FlatPng(int side);

}  // namespace hostile
