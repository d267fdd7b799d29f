// The console run's option checks and its debug dump of the effective options. Each check
// that fails prints its one error line and ends the run; with debug on, every option that
// matters for the run is printed as "Label: value" in a fixed order.
#pragma once

#include <string>

namespace vecrast {

// The load options of an input kind (debug only; the offered kind "wmf" has none).
void ReportInputKindOptions(const std::string& inputKind, bool debug);

// The output format's depth and save options: prints them with debug, then checks the
// depth and, for jpg, the quality. False after printing the error line.
bool CheckOutputFormatOptions(const std::string& extension, bool debug);

// Rotation, resize, flips, colour correction, greyscale, threshold, frame, watermark and
// naming: prints them with debug and checks sizes, colour ranges and the watermark's font or
// image. False after printing the error line. A text watermark's font is left loaded in its
// slot for the conversion.
bool CheckImageOptions(bool debug);

// Releases the watermark font a successful CheckImageOptions loaded.
void ReleaseWatermarkFont();

}  // namespace vecrast
