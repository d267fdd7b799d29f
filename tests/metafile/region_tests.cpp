#include <gtest/gtest.h>

#include "metafile/region.h"

namespace {

using metafile::IntRect;
using metafile::Region;

long Area(const Region& r) {
  long a = 0;
  for (const IntRect& x : r.Rects()) a += long(x.right - x.left) * (x.bottom - x.top);
  return a;
}

bool Disjoint(const Region& r) {
  for (size_t i = 0; i < r.Rects().size(); ++i) {
    for (size_t j = i + 1; j < r.Rects().size(); ++j) {
      if (!metafile::Intersect(r.Rects()[i], r.Rects()[j]).Empty()) return false;
    }
  }
  return true;
}

TEST(Region, AddKeepsRectanglesDisjoint) {
  Region r;
  r.Add({0, 0, 10, 10});
  r.Add({5, 5, 15, 15});
  r.Add({0, 0, 10, 10});
  EXPECT_TRUE(Disjoint(r));
  EXPECT_EQ(Area(r), 100 + 100 - 25);
  EXPECT_TRUE(r.Contains(14, 14));
  EXPECT_FALSE(r.Contains(15, 14));
  const IntRect b = r.Bounds();
  EXPECT_EQ(b.left, 0);
  EXPECT_EQ(b.bottom, 15);
}

TEST(Region, ExcludeIntersectOffset) {
  Region r(IntRect{0, 0, 30, 30});
  r.Exclude({10, 10, 20, 20});
  EXPECT_EQ(Area(r), 900 - 100);
  EXPECT_FALSE(r.Contains(15, 15));
  r.IntersectWith({0, 0, 15, 30});
  EXPECT_EQ(Area(r), 450 - 50);
  r.Offset(100, 5);
  EXPECT_TRUE(r.Contains(100, 5));
  EXPECT_EQ(r.Bounds().left, 100);
  EXPECT_EQ(r.Bounds().top, 5);
  EXPECT_TRUE(Disjoint(r));
}

TEST(Region, FragmentationIsBounded) {
  Region r(IntRect{0, 0, 30000, 30000});
  for (int i = 0; i < 3000; ++i) r.Exclude({(i * 7) % 29000, (i * 13) % 29000, (i * 7) % 29000 + 3, (i * 13) % 29000 + 3});
  EXPECT_LE(r.Rects().size(), Region::kMaxRects);
  Region s;
  for (int i = 0; i < 3000; ++i) s.Add({i, 0, i + 1, 1});
  EXPECT_EQ(s.Rects().size(), Region::kMaxRects);
}

}  // namespace
