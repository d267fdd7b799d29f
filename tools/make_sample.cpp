// Writes the bundled sample metafile: a small chart with shapes in several colours.
#include <cstdio>

#include "wmf_writer.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_sample OUTPUT.wmf\n");
    return 1;
  }
  using wmfw::Rgb;
  wmfw::WmfWriter w;
  w.SetMapMode(8).SetWindowOrg(0, 0).SetWindowExt(4000, 3000);
  w.CreateBrush(0, Rgb(230, 240, 255)).SelectObject(0);  // background panel
  w.CreatePen(0, 20, Rgb(40, 60, 120)).SelectObject(1);
  w.RoundRect(100, 100, 3900, 2900, 300, 300);
  const uint32_t colors[] = {Rgb(220, 50, 47), Rgb(38, 139, 210), Rgb(133, 153, 0), Rgb(181, 137, 0)};
  const int16_t heights[] = {1400, 2000, 900, 1700};
  for (int i = 0; i < 4; ++i) {
    const int16_t left = int16_t(500 + i * 800);
    w.CreateBrush(0, colors[i]).SelectObject(2);  // slot 2: the lowest free one
    w.Rectangle(left, int16_t(2600 - heights[i]), int16_t(left + 600), 2600);
    w.SelectObject(0).DeleteObject(2);
  }
  w.CreateBrush(2, Rgb(0, 0, 0), 5).SelectObject(2);
  w.Ellipse(3000, 300, 3700, 1000);
  w.Polyline({{500, 800}, {1300, 1300}, {2100, 500}, {2900, 1000}});
  auto bytes = w.Placeable(0, 0, 4000, 3000, 1000);
  if (!wmfw::WriteFile(argv[1], bytes)) {
    std::perror(argv[1]);
    return 1;
  }
  return 0;
}
