#include "ui/screenshot_picture.h"

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/font.h>

#include <cmath>

// After the toolkit's headers: FreeImage.h defines _WINDOWS_, which they take for Windows.
#include <FreeImage.h>

#include "engine/bitmap.h"
#include "engine/save_bitmap.h"
#include "ui/wx_text.h"

namespace vecrast {

namespace {

// Quality 9 on the scale of 0 to 10.
constexpr int kJpegQuality = 90;

// A 24-bit FreeImage bitmap with the picture's pixels (FreeImage keeps its rows bottom up,
// in blue, green, red order).
Bitmap BitmapOfImage(const wxImage& picture) {
  const int width = picture.GetWidth(), height = picture.GetHeight();
  Bitmap bitmap = Adopt(FreeImage_Allocate(width, height, 24, FI_RGBA_RED_MASK, FI_RGBA_GREEN_MASK, FI_RGBA_BLUE_MASK));
  if (!bitmap) return bitmap;
  const unsigned char* source = picture.GetData();
  for (int y = 0; y < height; ++y) {
    BYTE* row = FreeImage_GetScanLine(bitmap.get(), height - 1 - y);
    for (int x = 0; x < width; ++x, source += 3, row += 3) {
      row[FI_RGBA_RED] = source[0];
      row[FI_RGBA_GREEN] = source[1];
      row[FI_RGBA_BLUE] = source[2];
    }
  }
  return bitmap;
}

bool SaveJpeg(const wxImage& picture, const std::string& path, std::string& reason) {
  const Bitmap bitmap = BitmapOfImage(picture);
  if (!bitmap) {
    reason = "no memory for a " + std::to_string(picture.GetWidth()) + " x " + std::to_string(picture.GetHeight()) + " picture";
    return false;
  }
  return SaveBitmapReplacing(bitmap.get(), FIF_JPEG, path, kJpegQuality, reason);
}

}  // namespace

int ThumbnailHeight(int width, int height) {
  if (width <= 0) return 1;
  const float scaled = static_cast<float>(kThumbnailWidth) * static_cast<float>(height) / static_cast<float>(width);
  return std::max(1, static_cast<int>(std::lround(scaled)));
}

void DrawWebAddress(wxImage& picture, const std::string& address) {
  wxBitmap canvas(picture);
  {
    wxMemoryDC dc(canvas);
    dc.SetFont(wxFont(wxFontInfo(8).FaceName("Tahoma")));
    dc.SetTextForeground(*wxBLACK);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    const wxString text = ToWx(address);
    const wxSize extent = dc.GetTextExtent(text);
    dc.DrawText(text, picture.GetWidth() - extent.x - 35, picture.GetHeight() - 26);
  }
  picture = canvas.ConvertToImage();
}

bool SaveScreenshotPictures(const wxImage& picture, const std::string& folder, std::string& reason) {
  if (!SaveJpeg(picture, folder + "vecrast1.jpg", reason)) return false;
  const wxImage thumbnail = picture.Scale(kThumbnailWidth, ThumbnailHeight(picture.GetWidth(), picture.GetHeight()),
                                          wxIMAGE_QUALITY_NEAREST);
  return SaveJpeg(thumbnail, folder + "vecrast1x.jpg", reason);
}

}  // namespace vecrast
