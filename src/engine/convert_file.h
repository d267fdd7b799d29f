// The conversion of one file: the placeable metafile at ConversionJob.inputPath rendered,
// passed through the image pipeline and saved as ConversionJob.outputPath.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace vecrast {

// Inputs larger than this are refused before anything is read.
constexpr size_t kMaxInputFileBytes = size_t{256} << 20;

// Why the last ConvertFile call failed, for debug output; empty after a success.
extern std::string lastFailureReason;

// What the metafile player could not do in the last ConvertFile call (records it could
// not use, the work budget running out), one sentence each, for debug output.
extern std::vector<std::string> lastConversionNotes;

// Converts the current file. Reads inputPath, subfolder, outputFolder, outputExtension,
// formatId, saveFlags, targetBpp, autoBpp; writes sourceBpp, targetBpp (when Auto),
// outputWidth, outputHeight and outputPath (empty until the path is built). Returns true
// when the output file was saved; prints nothing.
bool ConvertFile();

}  // namespace vecrast
