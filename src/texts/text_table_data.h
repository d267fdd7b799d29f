// The built-in text table as compiled into the program.
#pragma once

#include <span>
#include <string_view>

namespace vecrast {

// The flat sequence of strings, read two at a time: "_GROUP_" and a group name open a group, a
// key and its text make one row of it, "_END_" and "" end the table.
std::span<const std::string_view> BuiltInTextTableData();

}  // namespace vecrast
