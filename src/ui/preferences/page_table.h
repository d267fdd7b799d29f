// The preferences pages as data: each page is a table of rows (label, control kind, setting,
// items or range, mapping), optional inner containers below a selector row, and the rules that
// enable or show rows and containers. One table per page drives building, filling and
// committing; the settings of a page live in the settings group of the page's category name.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vecrast::prefs {

enum class RowKind : uint8_t {
  List,         // drop-down list; items from `source`
  Check,        // check box, 1 on, 0 off
  Numeric,      // digits-only field with a unit list beside it
  TrackSpin,    // track bar with a spin field, `minimum` to `maximum` after `mapping`
  ColourField,  // colour button with a read-only six-digit field
  Text,         // free text, cleaned on OK
  FontList,     // list of "Fonts" with a "..." button for the font chooser
  ColourList,   // image list of a colour list setting with a "..." button for the colour chooser
  ImagePath,    // text field with a "..." button for the watermark-image file chooser
  Date,         // date and time pickers
  FormatList,   // image list of the offered input kinds or output extensions
};

enum class ItemSource : uint8_t {
  TextKeys,  // keys of group "Preferences"; the stored value is the position
  Literal,   // texts shown as written
  Themes,    // the theme list; stores the theme key
  Depths,    // "Auto" and the depths the row's format allows; stores the depth, 0 for "Auto"
};

enum class SpinMapping : uint8_t {
  Plain,       // track bar and spin show the value
  Offset,      // the spin shows the value, the track bar the value + 100
  Hundredths,  // both hold the real setting times 100; the spin shows it with two decimals
};

struct PageRow {
  std::string_view labelKey;  // group "Preferences"
  RowKind kind = RowKind::List;
  std::string_view key;  // setting key in the page's group; empty for a row that stores nothing
  std::vector<std::string_view> items;  // list items; for Numeric, the unit list's items
  ItemSource source = ItemSource::TextKeys;
  int minimum = 0;  // TrackSpin range of the stored value (times 100 for Hundredths)
  int maximum = 0;
  SpinMapping mapping = SpinMapping::Plain;
  std::string_view unitKey;  // Numeric: the setting of the unit list; empty for a fixed unit
  std::string_view format;   // Depths: the output extension
  bool alwaysHidden = false;
};

enum class RuleEffect : uint8_t { Enable, Show };

// The targets are enabled (or shown) exactly when the controller's value is one of `values`.
// The controller is a row key; a target is a row key or a container name.
struct PageRule {
  std::string_view controller;
  std::vector<int> values;
  RuleEffect effect = RuleEffect::Enable;
  std::vector<std::string> targets;
};

// An inner container below the page's selector row, scrolling when its rows do not fit.
struct PageContainer {
  std::string name;
  std::vector<PageRow> rows;
};

struct PageTable {
  std::string_view category;  // key in group "Preferences", page title and settings group
  std::vector<PageRow> rows;  // with containers: the selector row
  std::vector<PageContainer> containers;
  std::vector<PageRule> rules;
};

// The nine pages in category order, with the containers of the offered input kinds and
// output extensions (inputKinds, outputExtensions) as they are now.
std::vector<PageTable> PreferencePages();

// The pages of the two files, in category order.
std::vector<PageTable> FormatPages();      // General, Interface, Input, Output
std::vector<PageTable> ProcessingPages();  // Transform, Adjustment, Frame, Watermark, Advanced

}  // namespace vecrast::prefs
