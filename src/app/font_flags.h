// The watermark font's style and effect settings as font flags (bold 256, italic 512,
// underline 4, strike-out 8); the font is loaded with the sum of the two.
#pragma once

namespace vecrast {

// "Font Style": 1 bold, 2 italic, 3 both; anything else none.
int FontStyleFlags(int fontStyle);
// "Font Effect": 1 underline, 2 strike-out; anything else none.
int FontEffectFlags(int fontEffect);

}  // namespace vecrast
