#include "engine/convert_file.h"

#include <cstdint>
#include <cstring>
#include <functional>
#include <new>
#include <string>
#include <vector>

#include "engine/bitmap.h"
#include "engine/drop_alpha.h"
#include "engine/formats.h"
#include "engine/naming.h"
#include "engine/pipeline.h"
#include "engine/save_bitmap.h"
#include "metafile/allocation.h"
#include "metafile/metafile.h"
#include "platform/read_file.h"
#include "settings/settings.h"

namespace vecrast {

std::string lastFailureReason;
std::vector<std::string> lastConversionNotes;
std::string lastStepProblem;

namespace {

constexpr size_t kPlaceableHeaderBytes = 22;

bool Fail(const std::string& reason) {
  lastFailureReason = reason;
  return false;
}

// Reads a whole regular file of a sane size; a FIFO or a folder is refused.
bool ReadInputFile(const std::string& path, std::string& bytes) {
  std::string reason;
  if (!ReadWholeFile(path, kMaxInputFileBytes, FileKinds::kRegular, bytes, reason)) {
    return Fail("cannot read the input file: " + reason);
  }
  if (bytes.empty()) return Fail("the input file is empty");
  if (bytes.size() < kPlaceableHeaderBytes) return Fail("the input file is shorter than the placeable header");
  return true;
}

// The depth of every rendered picture.
constexpr int kPictureBpp = 32;

bool HasPictureShape(const metafile::Picture& picture) {
  return picture.width > 0 && picture.height > 0 &&
         picture.pixels.size() == static_cast<size_t>(picture.width) * static_cast<size_t>(picture.height);
}

// The picture's rows are top first, FreeImage's bottom first; the pixel layout (blue,
// green, red, alpha in memory) is the same.
Bitmap PictureToBitmap(const metafile::Picture& picture) {
  if (!HasPictureShape(picture)) return nullptr;
  const auto width = static_cast<size_t>(picture.width);
  const auto height = static_cast<size_t>(picture.height);
  Bitmap bitmap = Adopt(FreeImage_Allocate(picture.width, picture.height, kPictureBpp, FI_RGBA_RED_MASK,
                                           FI_RGBA_GREEN_MASK, FI_RGBA_BLUE_MASK));
  if (!bitmap) return nullptr;
  for (size_t row = 0; row < height; ++row) {
    BYTE* line = FreeImage_GetScanLine(bitmap.get(), static_cast<int>(height - 1 - row));
    std::memcpy(line, picture.pixels.data() + row * width, width * sizeof(uint32_t));
  }
  return bitmap;
}

// The same copy straight into a 24-bit bitmap, with the alpha byte dropped: what the copy
// followed by the 24-bit reduction gives, in one pass over the pixels.
Bitmap PictureTo24BitBitmap(const metafile::Picture& picture) {
  if (!HasPictureShape(picture)) return nullptr;
  const auto width = static_cast<size_t>(picture.width);
  const auto height = static_cast<size_t>(picture.height);
  Bitmap bitmap = Adopt(
      FreeImage_Allocate(picture.width, picture.height, 24, FI_RGBA_RED_MASK, FI_RGBA_GREEN_MASK, FI_RGBA_BLUE_MASK));
  if (!bitmap) return nullptr;
  for (size_t row = 0; row < height; ++row) {
    BYTE* line = FreeImage_GetScanLine(bitmap.get(), static_cast<int>(height - 1 - row));
    DropAlphaFromLine(reinterpret_cast<const BYTE*>(picture.pixels.data() + row * width), line,
                      static_cast<unsigned>(width));
  }
  return bitmap;
}

// True when every image step before the depth reduction is switched off, so the rendered
// pixels reach the reduction untouched and a 24-bit target can be made in the first copy.
bool OnlyTheDepthChanges() {
  return !Settings.doImageRotation && !Settings.doImageResize && !Settings.doImageFlipHorizontal &&
         !Settings.doImageFlipVertical && !Settings.doImageColorCorrection && !Settings.doImageGreyscale &&
         !Settings.doImageThreshold && Settings.doFrame == 0 && Settings.doWatermark == 0;
}

bool RenderPicture(metafile::Picture& picture) {
  std::string bytes;
  if (!ReadInputFile(ConversionJob.inputPath, bytes)) return false;
  std::string reason;
  if (!metafile::RenderPlaceableMetafile(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), picture,
                                         reason)) {
    return Fail("the metafile was not rendered: " + reason);
  }
  lastConversionNotes = picture.notes;
  return true;
}

std::string SizeText(int width, int height) { return std::to_string(width) + " x " + std::to_string(height); }

// Renders the input and sets the source depth and, when Auto, the target depth.
Bitmap RenderInput() {
  metafile::Picture picture;
  if (!RenderPicture(picture)) return nullptr;
  ConversionJob.sourceBpp = kPictureBpp;
  if (ConversionJob.autoBpp) ConversionJob.targetBpp = ChooseAutoBpp(ConversionJob.outputExtension, kPictureBpp);
  const bool straightTo24 = ConversionJob.targetBpp == 24 && OnlyTheDepthChanges();
  Bitmap bitmap = straightTo24 ? PictureTo24BitBitmap(picture) : PictureToBitmap(picture);
  if (!bitmap) {
    Fail("the image library could not make a " + SizeText(picture.width, picture.height) +
         " image for the rendered picture (not enough memory?)");
  }
  return bitmap;
}

void RecordOutputSize(const Bitmap& bitmap) {
  if (!bitmap) return;
  ConversionJob.outputWidth = static_cast<int32_t>(FreeImage_GetWidth(bitmap.get()));
  ConversionJob.outputHeight = static_cast<int32_t>(FreeImage_GetHeight(bitmap.get()));
}

int WidthOf(const Bitmap& bitmap) { return static_cast<int>(FreeImage_GetWidth(bitmap.get())); }
int HeightOf(const Bitmap& bitmap) { return static_cast<int>(FreeImage_GetHeight(bitmap.get())); }

// Runs one pipeline step on an image. A step that turns it into none fails the file,
// saying which step, from what size, and why.
bool RunStep(const char* name, Bitmap& bitmap, const std::function<Bitmap(Bitmap)>& step) {
  const std::string size = SizeText(WidthOf(bitmap), HeightOf(bitmap));
  lastStepProblem.clear();
  bitmap = step(std::move(bitmap));
  if (bitmap) return true;
  Fail(std::string("the ") + name + " step made no image from the " + size + " image: " +
       (lastStepProblem.empty() ? "the image library returned none (not enough memory?)" : lastStepProblem));
  return false;
}

Bitmap RunPipeline(Bitmap bitmap) {
  const int& outputWidth = ConversionJob.outputWidth;
  const int& outputHeight = ConversionJob.outputHeight;
  const bool ran =
      RunStep("rotation", bitmap, RotateImage) &&
      RunStep("resize", bitmap, [](Bitmap b) { return ResizeImage(std::move(b), WidthOf(b), HeightOf(b)); }) &&
      RunStep("flip", bitmap, FlipImage) && RunStep("colour adjustment", bitmap, AdjustImageColors) &&
      RunStep("greyscale", bitmap, GreyscaleImage) && RunStep("threshold", bitmap, ThresholdImage) &&
      RunStep("frame", bitmap, [&](Bitmap b) { return DrawFrame(std::move(b), outputWidth, outputHeight); }) &&
      RunStep("watermark", bitmap, [&](Bitmap b) { return DrawWatermark(std::move(b), outputWidth, outputHeight); }) &&
      RunStep("colour depth", bitmap, ReduceColorDepth);
  return ran ? std::move(bitmap) : nullptr;
}

bool Convert() {
  Bitmap bitmap = RenderInput();
  if (!bitmap) return false;
  RecordOutputSize(bitmap);
  bitmap = RunPipeline(std::move(bitmap));
  ConversionJob.outputPath = BuildOutputPath();
  if (!bitmap) return false;
  std::string reason;
  if (!SaveBitmapReplacing(bitmap.get(), ConversionJob.formatId, ConversionJob.outputPath, ConversionJob.saveFlags,
                           reason)) {
    return Fail(reason);
  }
  return true;
}

}  // namespace

bool ConvertFile() {
  lastFailureReason.clear();
  lastConversionNotes.clear();
  ConversionJob.outputPath.clear();
  // Every buffer sized by the file is allocated so that running out of memory is reported
  // where it happens; this catches what the libraries underneath may still throw.
  try {
    return Convert();
  } catch (const std::bad_alloc&) {
    return Fail("there is not enough memory to convert the file");
  }
}

}  // namespace vecrast
