// Short constructors for the rows of the page tables, so that a table reads as a list of rows.
#pragma once

#include <initializer_list>

#include "ui/preferences/page_table.h"

namespace vecrast::prefs {

using Items = std::initializer_list<std::string_view>;

inline PageRow Row(std::string_view label, RowKind kind, std::string_view key) {
  PageRow row;
  row.labelKey = label;
  row.kind = kind;
  row.key = key;
  return row;
}

inline PageTable Page(std::string_view category, std::vector<PageRow> rows,
                      std::vector<PageContainer> containers = {}, std::vector<PageRule> rules = {}) {
  PageTable page;
  page.category = category;
  page.rows = std::move(rows);
  page.containers = std::move(containers);
  page.rules = std::move(rules);
  return page;
}

inline PageRow ListRow(std::string_view label, std::string_view key, Items items) {
  PageRow row = Row(label, RowKind::List, key);
  row.items = items;
  return row;
}

inline PageRow CheckRow(std::string_view label, std::string_view key) {
  return Row(label, RowKind::Check, key);
}

// A numeric field whose unit list holds one fixed item.
inline PageRow NumericRow(std::string_view label, std::string_view key, std::string_view unit) {
  PageRow row = Row(label, RowKind::Numeric, key);
  row.items = {unit};
  return row;
}

// A numeric field whose unit list edits the setting `unitKey`.
inline PageRow NumericRow(std::string_view label, std::string_view key, std::string_view unitKey,
                          Items units) {
  PageRow row = Row(label, RowKind::Numeric, key);
  row.items = units;
  row.unitKey = unitKey;
  return row;
}

inline PageRow TrackRow(std::string_view label, std::string_view key, int minimum, int maximum,
                        SpinMapping mapping = SpinMapping::Plain) {
  PageRow row = Row(label, RowKind::TrackSpin, key);
  row.minimum = minimum;
  row.maximum = maximum;
  row.mapping = mapping;
  return row;
}

// The "Bits Per Pixel" row of an output format.
inline PageRow DepthRow(std::string_view key, std::string_view format) {
  PageRow row = Row("Bits Per Pixel", RowKind::List, key);
  row.source = ItemSource::Depths;
  row.format = format;
  return row;
}

}  // namespace vecrast::prefs
