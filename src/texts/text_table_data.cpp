#include "texts/text_table_data.h"

namespace vecrast {
namespace {

constexpr std::string_view kTextTableData[] = {
#include "text_table.inc"
};

}  // namespace

std::span<const std::string_view> BuiltInTextTableData() { return kTextTableData; }

}  // namespace vecrast
