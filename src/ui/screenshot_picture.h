// The screenshot mode's pictures: the photographed window with the maker's web address drawn
// in, saved as JPEG through the engine, and its thumbnail.
#pragma once

#include <wx/image.h>

#include <string>

namespace vecrast {

inline constexpr int kThumbnailWidth = 180;

// The thumbnail's height for a width x height picture: 180 x height / width, the quotient
// held as a 32-bit float and rounded half away from zero; at least 1.
int ThumbnailHeight(int width, int height);

// Draws `address` in black, Tahoma 8 points, over the picture's lower right corner: its left
// edge 35 pixels plus its width from the right, its top 26 pixels from the bottom.
void DrawWebAddress(wxImage& picture, const std::string& address);

// Saves `picture` as "vecrast1.jpg" and its thumbnail (scaled without smoothing to 180 pixels
// wide) as "vecrast1x.jpg" in `folder` (ending in "/"), JPEG quality 90, each file written
// whole or not at all. False, with the reason, when either cannot be saved.
bool SaveScreenshotPictures(const wxImage& picture, const std::string& folder, std::string& reason);

}  // namespace vecrast
