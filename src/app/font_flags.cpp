#include "app/font_flags.h"

namespace vecrast {

namespace {
constexpr int kBold = 256;
constexpr int kItalic = 512;
constexpr int kUnderline = 4;
constexpr int kStrikeOut = 8;
}  // namespace

int FontStyleFlags(int fontStyle) {
  switch (fontStyle) {
    case 1: return kBold;
    case 2: return kItalic;
    case 3: return kBold + kItalic;
    default: return 0;
  }
}

int FontEffectFlags(int fontEffect) {
  switch (fontEffect) {
    case 1: return kUnderline;
    case 2: return kStrikeOut;
    default: return 0;
  }
}

}  // namespace vecrast
