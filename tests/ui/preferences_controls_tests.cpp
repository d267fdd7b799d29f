// Every control of every page, driven from the page tables themselves: a new value set through
// the control reaches its setting (and the saved file) on OK, and nothing else changes.
#include <wx/choice.h>
#include <wx/datectrl.h>
#include <wx/timectrl.h>

#include <map>

#include "preferences_fixture.h"
#include "settings/settings_table.h"
#include "texts/ascii_case.h"
#include "ui/wx_text.h"

namespace vecrast::uitest {
namespace {

using prefs::PageRow;
using prefs::RowKind;

struct RowCase {
  size_t page;
  int container;  // -1: the page's own rows
  size_t row;
  std::string name;
};

const PageRow& RowOf(const std::vector<prefs::PageTable>& pages, const RowCase& c) {
  const prefs::PageTable& page = pages[c.page];
  return c.container < 0 ? page.rows[c.row] : page.containers[static_cast<size_t>(c.container)].rows[c.row];
}

std::vector<RowCase> EveryRow() {
  std::vector<RowCase> cases;
  const auto pages = prefs::PreferencePages();
  for (size_t page = 0; page < pages.size(); ++page) {
    auto add = [&](int container, const std::vector<PageRow>& rows) {
      for (size_t row = 0; row < rows.size(); ++row) {
        std::string name = std::string(pages[page].category) + "_" +
                           std::string(rows[row].key.empty() ? rows[row].labelKey : rows[row].key);
        for (char& c : name) {
          if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
        }
        cases.push_back({page, container, row, name});
      }
    };
    add(-1, pages[page].rows);
    for (size_t container = 0; container < pages[page].containers.size(); ++container) {
      add(static_cast<int>(container), pages[page].containers[container].rows);
    }
  }
  return cases;
}

class EveryControl : public PreferencesTest, public ::testing::WithParamInterface<RowCase> {
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

TEST_P(EveryControl, StoresTheNewValueAndNothingElse) {
  const RowCase c = GetParam();
  const auto pages = prefs::PreferencePages();
  const PageRow& row = RowOf(pages, c);
  const std::string_view group = pages[c.page].category;
  Open();
  Dialog().ShowCategory(static_cast<int>(c.page));
  std::map<std::string, std::string> before;
  for (const SettingDescriptor& setting : SettingTable()) {
    before[std::string(setting.group) + "/" + std::string(setting.key)] = FormatSettingValue(setting);
  }

  std::map<std::string, std::string> expected = Change(group, row);
  if (DerivesColourCorrection(row.key)) expected["Do Image Color Correction"] = "1";
  Dialog().Ok();

  const std::string file = ConfigurationBytes();
  for (const auto& [key, value] : expected) {
    EXPECT_EQ(Stored(group, key), value) << key;
    const SettingDescriptor* setting = FindSetting(group, key);
    if (setting != nullptr && IsSettingSaved(*setting)) {
      EXPECT_NE(file.find("\r\n" + key + " = " + value + "\r\n"), std::string::npos) << key;
    }
  }
  for (const SettingDescriptor& setting : SettingTable()) {
    if (setting.group == group && expected.count(std::string(setting.key)) > 0) continue;
    const std::string name = std::string(setting.group) + "/" + std::string(setting.key);
    EXPECT_EQ(FormatSettingValue(setting), before[name]) << name << " changed";
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, EveryControl, ::testing::ValuesIn(EveryRow()),
                         [](const auto& param) { return param.param.name; });

}  // namespace
}  // namespace vecrast::uitest
