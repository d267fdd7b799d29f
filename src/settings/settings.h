// The global option record `Settings`, the record of the current run `ConversionJob`, and the
// start-up lists of offered input kinds and output extensions.
//
// Every stored field is named after its configuration key in lower camel case ("JPG Quality" ->
// jpgQuality). Where two groups share a key, the field carries the group: "Format" of "Input" and
// "Output" are inputFormat and outputFormat, "Image Rotation" of "Watermark" is
// watermarkImageRotation (the one of "Transform" is imageRotation).
//
// Value types: integers are int32_t; "small" values and on/off flags are int8_t (the file keeps
// only their low 8 bits, sign included); the one real is a double that holds a 32-bit float's
// value; colours are six upper-case hexadecimal digits RRGGBB; dates are seconds since
// 1970-01-01 00:00:00 local time (no time zone), kept in 64 bits.
//
// The defaults live in one table (settings_table.cpp): a default-constructed record holds zeros
// and empty texts; ResetSettings fills in the defaults. The global Settings starts with the
// windowed defaults.
//
// Operations read and write the fields directly. Code that names a setting by group and key
// (command line, profiles, debug dump, configuration file) goes through settings_table.h.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// LocalNow: the clock of "Update Date" and "Custom Timestamp".
#include "platform/local_time.h"

namespace vecrast {

struct SettingsRecord {
  // Run-time values, never stored.
  std::string configurationPath;  // full path of config.ini, built at windowed start-up
  int32_t instanceHandle = 0;     // single-instance lock handle; 0 when none is held
  int32_t menuHeight = 0;
  int32_t toolbarHeight = 0;
  int32_t topMargin = 0;
  int32_t panelTop = 30;
  int32_t statusBarHeight = 0;

  // [General]
  int32_t cfg{};  // version of the configuration layout
  std::string language;
  int32_t updateRange{};  // 0 day, 1 week, 2 month, 3 three months, 4 six months, 5 never
  int64_t updateDate{};   // when the update check was last offered
  int8_t saveWindowPosition{};

  // [Window]
  int8_t isMaximized{};
  int32_t x{};
  int32_t y{};
  int32_t width{};
  int32_t height{};
  int8_t hidePasswords{};  // this and the next four are read, never acted on, never written
  int8_t showSinglePassword{};
  int8_t showPasswordList{};
  int8_t showCharacterSet{};
  int8_t showAdvancedOptions{};

  // [Interface]
  std::string uiTheme;
  int32_t uiSize{};  // 0 small, 1 medium, 2 large

  // [Input] — options of raster input formats; stored and reported, not used by conversion.
  std::string inputFormat;    // "Format" of group "Input"
  int32_t ddsLoadAs{};        // 0 automatic, 1 BGRA, 2 RGBA
  int32_t gifFrameLoading{};  // 0 all, 1 first, 2 middle, 3 last, 4 random
  int32_t icoFrameLoading{};
  int32_t tiffFrameLoading{};
  int32_t rawLoadAs{};  // 0 auto, 1 RGB 8, 2 RGB 16, 3 RGB 24, 4 RGB 48 (HS), 5 RGB 48
  int32_t rawHeaderSize{};
  int32_t rawImageWidth{};
  int32_t rawImageHeight{};
  int32_t rawToneMapping{};  // 0 none, 1 linear, 2 adaptive log, 3 DR reduction, 4 gradient

  // [Output] — every "... BPP" is 0 for automatic or a depth allowed for its format.
  std::string outputFormat;  // "Format" of group "Output": current output extension
  int32_t bmpBpp{};
  int32_t bmpCompression{};  // 0 none, 1 RLE
  int32_t bmpColorTable{};   // 0 automatic, 1 exact
  int32_t ddsBpp{};
  int32_t exrBpp{};
  int32_t exrCompression{};  // 0 none, 1 ZIP, 2 PIZ, 3 PXR24, 4 B44
  int32_t gifBpp{};
  int32_t hdrBpp{};
  int32_t icoBpp{};
  int32_t j2kBpp{};
  int32_t jngBpp{};
  int32_t jp2Bpp{};
  int32_t jpgBpp{};
  int32_t jpgQuality{};  // 1 to 100
  int32_t jpgChroma{};   // 0 none, 1 low, 2 medium, 3 high subsampling
  int32_t jpgSaveAs{};   // 0 baseline standard, 1 baseline simple, 2 optimised, 3 progressive
  int32_t jxrBpp{};
  int32_t pbmBpp{};
  int32_t pcxBpp{};
  int32_t pfmBpp{};
  int32_t pgmBpp{};
  int32_t pngBpp{};
  int32_t pngCompression{};  // 0 library default, 1 ZLib level 1, 2 level 6, 3 level 9
  int8_t pngInterlaced{};
  int32_t ppmBpp{};
  int32_t psdBpp{};
  int32_t tgaBpp{};
  int32_t tgaCompression{};  // 0 none, 1 RLE
  int32_t tiffBpp{};
  // 0 none, 1 CCITT G3, 2 CCITT G4, 3 PackBits, 4 Deflate, 5 Adobe Deflate, 6 LZW, 7 JPEG, 8 LogLuv
  int32_t tiffCompression{};
  int32_t tiffColorModel{};  // 0 RGB, 1 CMYK
  int32_t wbmpBpp{};
  int32_t webpBpp{};
  int32_t xpmBpp{};

  // [Transform]
  int8_t doImageRotation{};
  int8_t imageRotationType{};  // 0 simple, 1 advanced
  int32_t imageRotation{};     // degrees, 0 to 360
  std::string imageRotationBackColor;
  int8_t doImageResize{};
  int32_t imageWidth{};
  int8_t imageWidthUnit{};  // 0 pixels, 1 percent
  int32_t imageHeight{};
  int8_t imageHeightUnit{};  // 0 pixels, 1 percent
  int8_t keepAspectRatio{};  // 1 in windowed mode, 0 in command-line mode
  int8_t imageResizeType{};  // 0 all images, 1 large images only
  // 0 box, 1 bilinear, 2 B-spline, 3 bicubic, 4 Catmull-Rom spline, 5 Lanczos
  int8_t imageResizeAlgorithm{};
  int8_t doImageFlipHorizontal{};
  int8_t doImageFlipVertical{};

  // [Adjustment]
  // On exactly when brightness or contrast is not 0, gamma is not 1.0 or invert is on.
  int8_t doImageColorCorrection{};
  int32_t imageBrightness{};  // -100 to 100
  int32_t imageContrast{};    // -100 to 100
  double imageGamma{};        // 0.01 to 9.99
  int8_t imageInvert{};
  int8_t doImageGreyscale{};
  int8_t doImageThreshold{};
  int32_t imageThreshold{};  // 0 to 255

  // [Frame]
  int8_t doFrame{};  // 0 none, 1 solid colour
  int32_t solidLeft{};
  int32_t solidRight{};
  int32_t solidTop{};
  int32_t solidBottom{};
  std::string solidLeftColor;
  std::string solidRightColor;
  std::string solidTopColor;
  std::string solidBottomColor;
  int32_t solidOpacity{};  // 1 to 255

  // [Watermark]
  int8_t doWatermark{};  // 0 none, 1 text, 2 image
  std::string text;      // watermark text; may hold file-name mask tokens
  std::string fonts;     // comma-separated
  std::string font;
  int32_t fontSize{};     // points
  int32_t fontLeading{};  // pixels between text lines
  std::string fontColors;
  std::string fontColor;
  int8_t fontStyle{};   // 0 regular, 1 bold, 2 italic, 3 bold italic
  int8_t fontEffect{};  // 0 none, 1 underline, 2 strikethrough
  int8_t textAntialiasing{};
  int8_t textAlignment{};  // 0 left, 1 centre, 2 right
  int32_t textPadding{};
  int32_t textOpacity{};  // 1 to 255
  std::string backColors;
  std::string backColor;
  int32_t backOpacity{};  // 1 to 255
  int8_t textBoundary{};  // 0 whole image, 1 inside the frame borders
  int8_t textPosition{};  // 0 top-left ... 8 bottom-right, row by row
  int32_t textXOffset{};
  int32_t textYOffset{};
  int32_t textRotation{};  // degrees, 0 to 360
  int8_t textSize{};       // 0 fixed size
  int32_t textScale{};     // 1 to 200
  std::string image;       // path of the watermark image
  int8_t imageGreyscale{};
  int32_t imageOpacity{};  // 1 to 255
  int8_t imageBoundary{};
  int8_t imagePosition{};
  int32_t imageXOffset{};
  int32_t imageYOffset{};
  int32_t watermarkImageRotation{};  // "Image Rotation" of group "Watermark"
  int8_t imageSize{};
  int32_t imageScale{};  // 1 to 200

  // [Advanced]
  std::string filenameMask;
  int8_t fileTimestamp{};  // 0 now, 1 the input file's time, 2 customTimestamp
  int64_t customTimestamp{};
  int8_t outFoldersHistory{};  // 0 clear the recent output folders at exit, 1 keep them
  int8_t outFoldersNumber{};   // 1 to 50
  int8_t keepSubfolders{};

  // [File]
  std::string txtFields;         // read from the file, never written
  std::string csvDelimiter;      // read from the file, never written
  std::string recentOutFolders;  // tab-separated, most recent first
  std::string recentFiles;       // kept as read

  // [Privacy]
  int8_t cleanRecentFiles{};  // kept as read
};

struct ConversionJobRecord {
  std::string programFolder;  // folder of the running program, ending in "/"
  std::string inputPath;      // full path of the file being converted
  std::string inputArgument;  // file or folder named by -i
  std::string subfolder;      // input's folder relative to where it was found, ending in "/", or ""
  std::string outputPath;     // full path of the file written for the current input
  std::string outputFolder;   // output folder, ending in "/"
  int32_t randomToken = 1;    // 1 to 99999, drawn anew after each saved file
  int32_t sequenceNumber = 1;   // running number, increased after each saved file
  std::string inputKind;        // input kind of the console run; first of inputKinds when empty
  int32_t sourceBpp = 0;        // depth of the freshly rendered image
  int32_t formatId = 0;         // image library format identifier of the output extension
  std::string outputExtension;  // lower case, no dot; first of outputExtensions when empty
  int32_t targetBpp = 0;        // depth to save with; 0 automatic
  int32_t saveFlags = 0;        // image library save flags of the output format
  int8_t autoBpp = 0;           // 1 when the format's BPP setting is 0
  int32_t appearanceFlag = 0;   // 0 nothing, 1 theme changed, 2 only the icon size changed
  int8_t consoleRun = 0;        // 1 when an input was given with -i
  std::string runModeTag;       // "T" with -T, "DEBUG" with -D / --DEBUG, else ""
  int32_t outputWidth = 0;      // image size after resizing, before frame and watermark
  int32_t outputHeight = 0;
  std::string searchFrom;           // "From" extension of the converter search
  std::string searchTo;             // "To" extension of the converter search
  int8_t preferencesStartPage = 0;  // category the preferences dialog opens on
};

extern SettingsRecord Settings;
extern ConversionJobRecord ConversionJob;

// Lower-case extensions without dot, set at start-up: the offered input kinds ("wmf") and output
// extensions ("jpg"). Their first entries are the defaults of the two "Format" settings, and the
// configuration file holds the per-format options of these entries only.
extern std::vector<std::string> inputKinds;
extern std::vector<std::string> outputExtensions;

// Fills every stored field of Settings with its default; the run-time fields stay as they are.
// "Update Date" and "Custom Timestamp" become now; "X" and "Y" centre a 510 x 260 window on the
// first display (100 where the display is not larger than the window or unknown).
// commandLineMode decides only "Keep Aspect Ratio": 0 when on, 1 when off.
void ResetSettings(bool commandLineMode);

// Sets ConversionJob to its start values: the program folder, a fresh random token, running
// number 1, everything else empty or 0.
void ResetConversionJob();

// The size of the first display in pixels, or false when there is none. The windowed front end
// installs its own; without one, ResetSettings sees no display.
using DisplaySizeSource = bool (*)(int32_t& width, int32_t& height);
void SetDisplaySizeSource(DisplaySizeSource source);

}  // namespace vecrast
