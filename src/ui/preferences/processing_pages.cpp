// The pages "Transform", "Adjustment", "Frame", "Watermark" and "Advanced".
#include "ui/preferences/row_makers.h"

namespace vecrast::prefs {

namespace {

const Items kPositions = {"Top-Left",    "Top-Center",    "Top-Right",
                          "Middle-Left", "Middle-Center", "Middle-Right",
                          "Bottom-Left", "Bottom-Center", "Bottom-Right"};
const Items kBoundaries = {"Bound Image", "Bound Frame"};

PageTable TransformPage() {
  return Page("Transform",
          {CheckRow("Image Rotation", "Do Image Rotation"),
                   ListRow("Rotation Type", "Image Rotation Type",
                           {"Simple Rotation", "Advanced Rotation"}),
                   TrackRow("Rotation Angle", "Image Rotation", 0, 360),
                   Row("Background Color", RowKind::ColourField, "Image Rotation Back Color"),
                   CheckRow("Image Resize", "Do Image Resize"),
                   NumericRow("Image Width", "Image Width", "Image Width Unit", {"Pixels", "Percent"}),
                   NumericRow("Image Height", "Image Height", "Image Height Unit",
                              {"Pixels", "Percent"}),
                   CheckRow("Keep Aspect Ratio", "Keep Aspect Ratio"),
                   ListRow("Resize Type", "Image Resize Type", {"All Images", "Large Images"}),
                   ListRow("Resize Algorithm", "Image Resize Algorithm",
                           {"Box", "Bilinear", "Bspline", "Bicubic", "Catmullrom", "Lanczos"}),
                   CheckRow("Image Flip Horizontal", "Do Image Flip Horizontal"),
                   CheckRow("Image Flip Vertical", "Do Image Flip Vertical")},
          {},
          {{"Do Image Rotation",
                     {1},
                     RuleEffect::Enable,
                     {"Image Rotation Type", "Image Rotation", "Image Rotation Back Color"}},
                    {"Do Image Resize",
                     {1},
                     RuleEffect::Enable,
                     {"Image Width", "Image Height", "Keep Aspect Ratio", "Image Resize Type",
                      "Image Resize Algorithm"}}});
}

PageTable AdjustmentPage() {
  return Page("Adjustment",
          {TrackRow("Image Brightness", "Image Brightness", -100, 100, SpinMapping::Offset),
                   TrackRow("Image Contrast", "Image Contrast", -100, 100, SpinMapping::Offset),
                   TrackRow("Image Gamma", "Image Gamma", 1, 999, SpinMapping::Hundredths),
                   CheckRow("Image Invert", "Image Invert"),
                   CheckRow("Image Greyscale", "Do Image Greyscale"),
                   CheckRow("Image Threshold", "Do Image Threshold"),
                   TrackRow("Threshold Level", "Image Threshold", 0, 255)},
          {},
          {{"Do Image Threshold", {1}, RuleEffect::Enable, {"Image Threshold"}}});
}

PageTable FramePage() {
  return Page("Frame",
          {ListRow("Frame Type", "Do Frame", {"None", "Frame Solid"})},
          {{"solid",
                          {NumericRow("Left", "Solid Left", "Pixels"),
                           NumericRow("Right", "Solid Right", "Pixels"),
                           NumericRow("Top", "Solid Top", "Pixels"),
                           NumericRow("Bottom", "Solid Bottom", "Pixels"),
                           Row("Left Color", RowKind::ColourField, "Solid Left Color"),
                           Row("Right Color", RowKind::ColourField, "Solid Right Color"),
                           Row("Top Color", RowKind::ColourField, "Solid Top Color"),
                           Row("Bottom Color", RowKind::ColourField, "Solid Bottom Color"),
                           TrackRow("Opacity", "Solid Opacity", 1, 255)}}},
          {{"Do Frame", {1}, RuleEffect::Show, {"solid"}}});
}

std::vector<PageRow> TextWatermarkRows() {
  return {Row("Text", RowKind::Text, "Text"),
          Row("Font", RowKind::FontList, "Font"),
          NumericRow("Font Size", "Font Size", "Points"),
          NumericRow("Font Leading", "Font Leading", "Pixels"),
          Row("Font Color", RowKind::ColourList, "Font Color"),
          ListRow("Font Style", "Font Style", {"Regular", "Bold", "Italic", "Bold Italic"}),
          ListRow("Font Effect", "Font Effect", {"None", "Underline", "Strikeout"}),
          CheckRow("Antialiasing", "Text Antialiasing"),
          ListRow("Text Alignment", "Text Alignment", {"Align Left", "Align Center", "Align Right"}),
          NumericRow("Text Padding", "Text Padding", "Pixels"),
          TrackRow("Text Opacity", "Text Opacity", 1, 255),
          Row("Background Color", RowKind::ColourList, "Back Color"),
          TrackRow("Background Opacity", "Back Opacity", 1, 255),
          ListRow("Boundary", "Text Boundary", kBoundaries),
          ListRow("Position", "Text Position", kPositions),
          NumericRow("X-Offset", "Text X Offset", "Pixels"),
          NumericRow("Y-Offset", "Text Y Offset", "Pixels"),
          TrackRow("Rotation Angle", "Text Rotation", 0, 360),
          ListRow("Size", "Text Size", {"Fixed"}),
          TrackRow("Scale", "Text Scale", 1, 200)};
}

std::vector<PageRow> ImageWatermarkRows() {
  return {Row("Image", RowKind::ImagePath, "Image"),
          CheckRow("Image Greyscale", "Image Greyscale"),
          TrackRow("Opacity", "Image Opacity", 1, 255),
          ListRow("Boundary", "Image Boundary", kBoundaries),
          ListRow("Position", "Image Position", kPositions),
          NumericRow("X-Offset", "Image X Offset", "Pixels"),
          NumericRow("Y-Offset", "Image Y Offset", "Pixels"),
          TrackRow("Rotation Angle", "Image Rotation", 0, 360),
          ListRow("Size", "Image Size", {"Fixed"}),
          TrackRow("Scale", "Image Scale", 1, 200)};
}

PageTable WatermarkPage() {
  return Page("Watermark",
          {ListRow("Watermark Type", "Do Watermark",
                           {"None", "Watermark Text", "Watermark Image"})},
          {{"text", TextWatermarkRows()}, {"image", ImageWatermarkRows()}},
          {{"Do Watermark", {1}, RuleEffect::Show, {"text"}},
                    {"Do Watermark", {2}, RuleEffect::Show, {"image"}},
                    // Only a "Size" other than "Fixed" scales; the list offers no such size.
                    {"Text Size", {1}, RuleEffect::Show, {"Text Scale"}},
                    {"Image Size", {1}, RuleEffect::Show, {"Image Scale"}}});
}

PageTable AdvancedPage() {
  PageRow keepSubfolders = CheckRow("Keep Subfolders", "Keep Subfolders");
  keepSubfolders.alwaysHidden = true;  // this converter takes one file, never a folder tree
  return Page("Advanced",
          {Row("Filename Mask", RowKind::Text, "Filename Mask"),
                   ListRow("File Timestamp", "File Timestamp", {"Current", "Original", "Custom"}),
                   Row("Custom Timestamp", RowKind::Date, "Custom Timestamp"),
                   ListRow("Out Folders History", "Out Folders History",
                           {"Clean On Exit", "Keep Folders"}),
                   TrackRow("Out Folders Number", "Out Folders Number", 1, 50),
                   keepSubfolders},
          {},
          {{"File Timestamp", {2}, RuleEffect::Enable, {"Custom Timestamp"}}});
}

}  // namespace

std::vector<PageTable> ProcessingPages() {
  return {TransformPage(), AdjustmentPage(), FramePage(), WatermarkPage(), AdvancedPage()};
}

}  // namespace vecrast::prefs
