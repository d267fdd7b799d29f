#include "option_descriptions.h"

#include <array>

namespace vecrast::manual {

namespace {

// The depth options of the output formats share one text, made where the page is written.
constexpr std::array kDescriptions = {
    OptionDescription{"--INPUT", "FILE",
                      "The placeable metafile (.wmf, .wmz, .apm) to convert. One run converts one file: "
                      "further file names are reported and skipped. Giving this option makes the run a "
                      "command-line run."},
    OptionDescription{"--OUTPUT", "PATH",
                      "The folder the picture is written to; it must exist and is never created. A relative "
                      "folder is taken against the current folder; one beginning with \"..\" is refused. "
                      "Without this option the picture goes beside the input file."},
    OptionDescription{"--CONVERSION", "EXT",
                      "The output extension, in lower case: jpg, the only one this program writes."},
    OptionDescription{"--QUIET", "", "Print no status lines; errors, warnings and debug lines still appear."},
    OptionDescription{"--DEBUG", "",
                      "Print every option that matters for the run, and for the file \"Processing:\", "
                      "\"Saving As:\", \"OK\" or \"Not OK\" with the reason."},
    OptionDescription{"--PAUSE", "", "Wait for a key before ending, when standard input is a terminal."},
    OptionDescription{"--PROFILE", "FILE",
                      "Read options from the profile FILE (see PROFILE FILES) at this place among the options: "
                      "options before it are overridden by the profile, options after it override the profile. "
                      "FILE may be a pipe, such as <(...) or /dev/stdin."},
    OptionDescription{"--DDS-LOAD-AS", "", "How DDS input is loaded."},
    OptionDescription{"--GIF-FRAME-LOADING", "", "Which frames of GIF input are loaded."},
    OptionDescription{"--ICO-FRAME-LOADING", "", "Which frames of ICO input are loaded."},
    OptionDescription{"--TIFF-FRAME-LOADING", "", "Which frames of TIFF input are loaded."},
    OptionDescription{"--RAW-LOAD-AS", "", "How camera RAW input is loaded."},
    OptionDescription{"--RAW-HEADER-SIZE", "", "Header size of camera RAW input, in bytes."},
    OptionDescription{"--RAW-WIDTH", "", "Width of camera RAW input, in pixels."},
    OptionDescription{"--RAW-HEIGHT", "", "Height of camera RAW input, in pixels."},
    OptionDescription{"--RAW-TONE-MAPPING", "", "Tone mapping of camera RAW input."},
    OptionDescription{"--BMP-COMPRESSION", "", "Compression of BMP output."},
    OptionDescription{"--BMP-COLOR-TABLE", "", "Colour table of BMP output."},
    OptionDescription{"--EXR-COMPRESSION", "", "Compression of EXR output."},
    OptionDescription{"--JPG-QUALITY", "",
                      "JPEG quality, 1 (smallest file) to 100 (best picture); a value outside is refused."},
    OptionDescription{"--JPG-CHROMA", "", "Chroma subsampling of JPEG output."},
    OptionDescription{"--JPG-SAVE-AS", "", "Kind of JPEG file written."},
    OptionDescription{"--PNG-COMPRESSION", "", "Compression of PNG output."},
    OptionDescription{"--PNG-INTERLACED", "", "Write PNG output interlaced."},
    OptionDescription{"--TGA-COMPRESSION", "", "Compression of TGA output."},
    OptionDescription{"--TIFF-COMPRESSION", "", "Compression of TIFF output."},
    OptionDescription{"--TIFF-COLOR-MODEL", "", "Colour model of TIFF output."},
    OptionDescription{"--ROTATION", "",
                      "Turn the picture counter-clockwise by this many degrees; 1 to 359 turn, anything else "
                      "leaves the picture as it is."},
    OptionDescription{"--ROTATION-TYPE", "",
                      "simple grows the picture to hold the whole turned drawing and fills the corners with "
                      "--rotation-back-color; advanced keeps the size and mirrors the drawing into the corners."},
    OptionDescription{"--ROTATION-BACK-COLOR", "RRGGBB",
                      "Colour of the corners a simple rotation uncovers, six hexadecimal digits."},
    OptionDescription{"--WIDTH", "",
                      "Resize to this width (see --width-unit); needs --height as well, as 0 is refused. A side "
                      "may be at most 65500 pixels and the picture at most 2^28 pixels."},
    OptionDescription{"--WIDTH-UNIT", "", "Unit of --width."},
    OptionDescription{"--HEIGHT", "", "Resize to this height (see --height-unit); needs --width as well."},
    OptionDescription{"--HEIGHT-UNIT", "", "Unit of --height."},
    OptionDescription{"--KEEP-ASPECT-RATIO", "",
                      "Keep the picture's proportions: the longer side gets its target and the other follows. "
                      "A side that rounds to nothing fails the file."},
    OptionDescription{"--RESIZE-TYPE", "", "Resize every picture, or only pictures larger than the target."},
    OptionDescription{"--RESIZE-ALGORITHM", "", "Filter of the resize."},
    OptionDescription{"--FLIP-HORIZONTAL", "", "Mirror the picture left to right."},
    OptionDescription{"--FLIP-VERTICAL", "", "Mirror the picture top to bottom."},
    OptionDescription{"--BRIGHTNESS", "", "Brightness change, -100 to 100; a value outside is refused."},
    OptionDescription{"--CONTRAST", "", "Contrast change, -100 to 100; a value outside is refused."},
    OptionDescription{"--GAMMA", "", "Gamma correction, 0.01 to 9.99; a value outside is refused."},
    OptionDescription{"--INVERT", "", "Invert the colours."},
    OptionDescription{"--GREYSCALE", "", "Turn the picture grey."},
    OptionDescription{"--THRESHOLD", "", "Turn the picture black and white at this level, 0 to 255."},
    OptionDescription{"--FR-SOLID-LEFT", "", "Width of the frame's left band, in pixels; turns the frame on."},
    OptionDescription{"--FR-SOLID-RIGHT", "", "Width of the frame's right band, in pixels; turns the frame on."},
    OptionDescription{"--FR-SOLID-TOP", "", "Height of the frame's top band, in pixels; turns the frame on."},
    OptionDescription{"--FR-SOLID-BOTTOM", "", "Height of the frame's bottom band, in pixels; turns the frame on."},
    OptionDescription{"--FR-SOLID-LEFT-COLOR", "RRGGBB", "Colour of the left band."},
    OptionDescription{"--FR-SOLID-RIGHT-COLOR", "RRGGBB", "Colour of the right band."},
    OptionDescription{"--FR-SOLID-TOP-COLOR", "RRGGBB", "Colour of the top band."},
    OptionDescription{"--FR-SOLID-BOTTOM-COLOR", "RRGGBB", "Colour of the bottom band."},
    OptionDescription{"--FR-SOLID-OPACITY", "",
                      "Opacity of the frame, 1 to 255. In a profile this option is named --WM-SOLID-OPACITY."},
    OptionDescription{"--WM-TEXT", "TEXT",
                      "Stamp this text on the picture; it may hold the name tokens (see OUTPUT NAMES) and %eol% "
                      "for a line break."},
    OptionDescription{"--WM-FONT", "NAME", "Font of the text watermark; a name no font matches is refused."},
    OptionDescription{"--WM-FONT-SIZE", "", "Size of the watermark font, in points."},
    OptionDescription{"--WM-FONT-LEADING", "", "Extra pixels between the lines of the text watermark."},
    OptionDescription{"--WM-FONT-COLOR", "RRGGBB", "Colour of the watermark text."},
    OptionDescription{"--WM-FONT-STYLE", "", "Style of the watermark font."},
    OptionDescription{"--WM-FONT-EFFECT", "", "Effect of the watermark font."},
    OptionDescription{"--WM-TEXT-ANTIALIASING", "", "Draw the watermark text with smoothed edges."},
    OptionDescription{"--WM-TEXT-ALIGNMENT", "", "Alignment of the lines of the text watermark."},
    OptionDescription{"--WM-TEXT-PADDING", "", "Pixels between the text and the edge of its box."},
    OptionDescription{"--WM-TEXT-OPACITY", "", "Opacity of the watermark text, 1 to 255."},
    OptionDescription{"--WM-BACK-COLOR", "RRGGBB", "Colour of the box behind the watermark text."},
    OptionDescription{"--WM-BACK-OPACITY", "", "Opacity of the box behind the text, 1 to 255."},
    OptionDescription{"--WM-TEXT-BOUNDARY", "", "Place the text within the whole picture or within the frame."},
    OptionDescription{"--WM-TEXT-POSITION", "", "Where the text watermark is placed."},
    OptionDescription{"--WM-TEXT-X-OFFSET", "", "Pixels between the text watermark and the nearest side edge."},
    OptionDescription{"--WM-TEXT-Y-OFFSET", "", "Pixels between the text watermark and the nearest top or bottom edge."},
    OptionDescription{"--WM-TEXT-ROTATION", "", "Turn the text watermark counter-clockwise by this many degrees."},
    OptionDescription{"--WM-TEXT-SIZE", "", "Size mode of the text watermark."},
    OptionDescription{"--WM-IMAGE", "FILE",
                      "Stamp this PNG, BMP or JPEG picture on the picture; it must exist and not be empty. "
                      "A later --wm-text switches back to a text watermark, and the other way round."},
    OptionDescription{"--WM-IMAGE-GREYSCALE", "", "Draw the watermark picture in grey."},
    OptionDescription{"--WM-IMAGE-OPACITY", "", "Opacity of the watermark picture, 1 to 255."},
    OptionDescription{"--WM-IMAGE-BOUNDARY", "", "Place the picture within the whole picture or within the frame."},
    OptionDescription{"--WM-IMAGE-POSITION", "", "Where the watermark picture is placed."},
    OptionDescription{"--WM-IMAGE-X-OFFSET", "", "Pixels between the watermark picture and the nearest side edge."},
    OptionDescription{"--WM-IMAGE-Y-OFFSET", "",
                      "Pixels between the watermark picture and the nearest top or bottom edge."},
    OptionDescription{"--WM-IMAGE-ROTATION", "", "Turn the watermark picture counter-clockwise by this many degrees."},
    OptionDescription{"--WM-IMAGE-SIZE", "", "Size mode of the watermark picture."},
    OptionDescription{"--FILENAME-MASK", "MASK",
                      "How the output file is named, from the tokens of OUTPUT NAMES; literal text is written in "
                      "lower case. In a profile, outer double quotes keep blanks at its ends."},
    OptionDescription{"--FILE-TIMESTAMP", "",
                      "The written file's modification time: the time of writing, the input's, or "
                      "--file-timestamp-custom."},
    OptionDescription{"--FILE-TIMESTAMP-CUSTOM", "SECONDS",
                      "The modification time for --file-timestamp=custom, in seconds since 1970-01-01 00:00:00 "
                      "local time."},
    OptionDescription{"--NO-SUBFOLDERS", "", "Do not repeat the input's subfolder below the output folder."},
};

}  // namespace

const OptionDescription* FindOptionDescription(std::string_view longName) {
  for (const OptionDescription& description : kDescriptions) {
    if (description.longName == longName) return &description;
  }
  return nullptr;
}

}  // namespace vecrast::manual
