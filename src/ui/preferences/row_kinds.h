// The row controls of each kind (one file each); MakeRowControl picks among them.
#pragma once

#include "ui/preferences/row_control.h"

namespace vecrast::prefs {

using RowPointer = std::unique_ptr<RowControl>;

// The list setting a chooser row's items come from and extends: "Fonts" for "Font", "Font
// Colors" for "Font Color", "Back Colors" for "Back Color"; null when there is none.
const SettingDescriptor* ItemListSetting(const SettingDescriptor* setting);

RowPointer MakeListRow(wxWindow* parent, const PageRow& row, const SettingDescriptor* setting, RowDirectory& directory);
RowPointer MakeFormatListRow(wxWindow* parent, const PageRow& row, const SettingDescriptor* setting,
                             RowDirectory& directory);
RowPointer MakeCheckRow(wxWindow* parent, const PageRow& row, const SettingDescriptor* setting, RowDirectory& directory);
// `unit`: the setting of the unit list, null for a fixed unit.
RowPointer MakeNumericRow(wxWindow* parent, const PageRow& row, const SettingDescriptor* setting,
                          RowDirectory& directory, const SettingDescriptor* unit);
RowPointer MakeTrackSpinRow(wxWindow* parent, const PageRow& row, const SettingDescriptor* setting,
                            RowDirectory& directory);
RowPointer MakeColourFieldRow(wxWindow* parent, const PageRow& row, const SettingDescriptor* setting,
                              RowDirectory& directory);
RowPointer MakeTextRow(wxWindow* parent, const PageRow& row, const SettingDescriptor* setting, RowDirectory& directory);
RowPointer MakeImagePathRow(wxWindow* parent, const PageRow& row, const SettingDescriptor* setting,
                            RowDirectory& directory);
RowPointer MakeFontListRow(wxWindow* parent, const PageRow& row, const SettingDescriptor* setting,
                           RowDirectory& directory);
RowPointer MakeColourListRow(wxWindow* parent, const PageRow& row, const SettingDescriptor* setting,
                             RowDirectory& directory);
RowPointer MakeDateRow(wxWindow* parent, const PageRow& row, const SettingDescriptor* setting, RowDirectory& directory);

}  // namespace vecrast::prefs
