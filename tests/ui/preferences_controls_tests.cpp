// Every control of every page, driven from the page tables themselves: a new value set through
// the control reaches its setting (and the saved file) on OK, and nothing else changes.
#include <wx/choice.h>
#include <wx/datectrl.h>
#include <wx/timectrl.h>

#include <map>

#include "preferences_fixture.h"
#include "settings/settings_table.h"
#include "base/ascii_case.h"
#include "ui/wx_text.h"

namespace vecrast::uitest {
namespace {

using prefs::PageRow;
using prefs::RowKind;

// Each window test runs in a process of its own on its own display, so the rows are changed
// together in one dialog, in table order (a later row's expectation replaces an earlier one's).
class EveryControl : public PreferencesTest {
 protected:
  // Changes the row through its control; returns the settings (key in the page's group) it
  // must change and their new values as the file writes them.
  std::map<std::string, std::string> Change(std::string_view group, const PageRow& row);
};

std::map<std::string, std::string> EveryControl::Change(std::string_view group, const PageRow& row) {
  const std::string key(row.key);
  switch (row.kind) {
    case RowKind::List: {
      if (row.key.empty()) return {};  // a list that stores nothing
      const auto* choice = Control<wxChoice>(group, row.key);
      if (choice == nullptr || choice->GetCount() < 2) return {};
      if (row.source == prefs::ItemSource::Depths) {
        const int last = static_cast<int>(choice->GetCount()) - 1;
        Select(group, row.key, last);
        return {{key, FromWx(choice->GetString(static_cast<unsigned>(last)))}};
      }
      const int next = (choice->GetSelection() + 1) % static_cast<int>(choice->GetCount());
      Select(group, row.key, next);
      return {{key, std::to_string(next)}};
    }
    case RowKind::FormatList: return {};  // one offered format: nothing to choose
    case RowKind::Check: {
      const bool on = Stored(group, row.key) != "0";
      SetCheck(group, row.key, !on);
      return {{key, on ? "0" : "1"}};
    }
    case RowKind::Numeric: {
      Type(group, row.key, "1234");
      if (row.unitKey.empty()) return {{key, "1234"}};
      Select(group, row.key, 1, 2);
      return {{key, "1234"}, {std::string(row.unitKey), "1"}};
    }
    case RowKind::TrackSpin: {
      if (row.mapping == prefs::SpinMapping::Offset) {
        Slide(group, row.key, 150);
        return {{key, "50"}};
      }
      if (row.mapping == prefs::SpinMapping::Hundredths) {
        Slide(group, row.key, 250);
        return {{key, "2.500000"}};
      }
      const int value = row.maximum - 1;
      Slide(group, row.key, value);
      return {{key, std::to_string(value)}};
    }
    case RowKind::ColourField:
      colourAnswers.push_back("12ab34");
      Press(group, row.key);
      return {{key, "12AB34"}};
    case RowKind::Text:
      Type(group, row.key, "  new\ttext ");
      return {{key, "newtext"}};
    case RowKind::ImagePath:
      imageAnswers.push_back("/pictures/stamp.png");
      Press(group, row.key);
      return {{key, "/pictures/stamp.png"}};
    case RowKind::FontList:
      fontAnswers.push_back(prefs::FontChoice{"Courier, New", 20, true, false, false, false});
      Press(group, row.key);
      return {{key, "Courier New"},
              {"Fonts", Stored(group, "Fonts")},  // joined at once: checked by its own test
              {"Font Size", "20"},
              {"Font Style", "1"}};
    case RowKind::ColourList:
      colourAnswers.push_back("123456");
      Press(group, row.key);
      return {{key, "123456"}, {key + "s", Stored(group, key + "s")}};
    case RowKind::Date: {
      Control<wxDatePickerCtrl>(group, row.key)->SetValue(wxDateTime(3, wxDateTime::Feb, 2001));
      Control<wxTimePickerCtrl>(group, row.key, 2)->SetTime(4, 5, 6);
      return {{key, "981173106"}};  // 2001-02-03 04:05:06 counted as wall-clock seconds
    }
  }
  return {};
}

bool DerivesColourCorrection(std::string_view key) {
  return key == "Image Brightness" || key == "Image Contrast" || key == "Image Gamma" || key == "Image Invert";
}

TEST_F(EveryControl, StoresItsNewValueAndNothingElseChanges) {
  const auto pages = prefs::PreferencePages();
  Open();
  std::map<std::string, std::string> before;
  for (const SettingDescriptor& setting : SettingTable()) {
    before[std::string(setting.group) + "/" + std::string(setting.key)] = FormatSettingValue(setting);
  }
  std::map<std::string, std::string> expected;  // "group/key" to the value the file writes
  size_t rowCount = 0;
  for (size_t page = 0; page < pages.size(); ++page) {
    Dialog().ShowCategory(static_cast<int>(page));
    const std::string group(pages[page].category);
    auto change = [&](const PageRow& row) {
      ++rowCount;
      for (const auto& [key, value] : Change(group, row)) expected[group + "/" + key] = value;
      if (DerivesColourCorrection(row.key)) expected["Adjustment/Do Image Color Correction"] = "1";
    };
    for (const PageRow& row : pages[page].rows) change(row);
    for (const prefs::PageContainer& container : pages[page].containers) {
      for (const PageRow& row : container.rows) change(row);
    }
  }
  EXPECT_GE(rowCount, 77u);
  Dialog().Ok();

  const std::string file = ConfigurationBytes();
  for (const SettingDescriptor& setting : SettingTable()) {
    const std::string name = std::string(setting.group) + "/" + std::string(setting.key);
    const auto found = expected.find(name);
    if (found == expected.end()) {
      EXPECT_EQ(FormatSettingValue(setting), before[name]) << name << " changed";
      continue;
    }
    EXPECT_EQ(FormatSettingValue(setting), found->second) << name;
    if (IsSettingSaved(setting)) {
      EXPECT_NE(file.find("\r\n" + std::string(setting.key) + " = " + found->second + "\r\n"), std::string::npos)
          << name << " not in the file";
    }
  }
}

}  // namespace
}  // namespace vecrast::uitest
