// Writes the metafiles the command-line conversion is timed on: pictures of several sizes,
// each with a fixed mix of filled shapes, outlines and polygons.
//
//   make_cli_bench_files FOLDER   writes FOLDER/small.wmf, medium.wmf, large.wmf
#include <cstdio>
#include <string>

#include "wmf_writer.h"

namespace {

struct BenchPicture {
  const char* name;
  int16_t width;   // pixels at 96 units per inch
  int16_t height;
  int shapes;
};

constexpr BenchPicture kPictures[] = {
    {"small", 400, 300, 60},
    {"medium", 1000, 750, 300},
    {"large", 2000, 1500, 1000},
};

// A small linear congruential generator: the same pictures on every machine.
struct Sequence {
  uint32_t state = 12345;
  int Next(int limit) {
    state = state * 1103515245u + 12345u;
    return static_cast<int>((state >> 8) % static_cast<uint32_t>(limit));
  }
};

wmfw::Bytes Draw(const BenchPicture& picture) {
  wmfw::WmfWriter w;
  Sequence random;
  w.SetWindowOrg(0, 0).SetWindowExt(picture.width, picture.height);
  for (int i = 0; i < picture.shapes; ++i) {
    const auto x = static_cast<int16_t>(random.Next(picture.width - 60));
    const auto y = static_cast<int16_t>(random.Next(picture.height - 60));
    const auto w2 = static_cast<int16_t>(10 + random.Next(50));
    const auto h2 = static_cast<int16_t>(10 + random.Next(50));
    const uint32_t fill = wmfw::Rgb(uint8_t(random.Next(256)), uint8_t(random.Next(256)), uint8_t(random.Next(256)));
    // Objects 0 (pen) and 1 (brush) are created, used and deleted for every shape.
    w.CreatePen(0, static_cast<int16_t>(1 + random.Next(3)), wmfw::Rgb(0, 0, 0)).SelectObject(0);
    w.CreateBrush(0, fill).SelectObject(1);
    switch (i % 5) {
      case 0: w.Rectangle(x, y, int16_t(x + w2), int16_t(y + h2)); break;
      case 1: w.Ellipse(x, y, int16_t(x + w2), int16_t(y + h2)); break;
      case 2: w.RoundRect(x, y, int16_t(x + w2), int16_t(y + h2), 8, 8); break;
      case 3: w.Polygon({{x, y}, {int16_t(x + w2), y}, {int16_t(x + w2 / 2), int16_t(y + h2)}}); break;
      default: w.Polyline({{x, y}, {int16_t(x + w2), int16_t(y + h2 / 2)}, {x, int16_t(y + h2)}}); break;
    }
    w.DeleteObject(0).DeleteObject(1);
  }
  return w.Placeable(0, 0, picture.width, picture.height, 96);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_cli_bench_files FOLDER\n");
    return 1;
  }
  for (const BenchPicture& picture : kPictures) {
    const std::string path = std::string(argv[1]) + "/" + picture.name + ".wmf";
    if (!wmfw::WriteFile(path, Draw(picture))) {
      std::perror(path.c_str());
      return 1;
    }
    std::printf("%s %dx%d %d shapes\n", path.c_str(), picture.width, picture.height, picture.shapes);
  }
  return 0;
}
