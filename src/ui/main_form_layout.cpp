#include "ui/main_form_layout.h"

#include <algorithm>

namespace vecrast {

namespace {

// The original form's rows: a label 20 high, then its field 15 below the label's top, the next
// label 25 (edit field) or 24 (list) below the field's top. Text in a 20-pixel label there is
// 13 pixels high, so a label's box overlaps its field by 5 pixels; here a field starts no
// higher than one pixel below the label's text.
constexpr int kLabelToField = 15;
constexpr int kFieldGap = 5;  // from a field's bottom (at its original height) to the next label

struct Row {
  FormRect label, field, button;
};

Row LayOutRow(int top, int fieldOriginalHeight, int fieldHeight, int width, const FormControlHeights& heights) {
  Row row;
  row.label = {10, top, 350, std::max(20, heights.label)};
  const int fieldTop = std::max(top + kLabelToField, top + heights.label + 1);
  row.field = {10, fieldTop, width - 160, std::max(fieldOriginalHeight, fieldHeight)};
  const int side = std::max(24, heights.fieldButton);
  row.button = {width - 146, fieldTop + (row.field.height - side) / 2, side, side};
  return row;
}

}  // namespace

MainFormLayout LayOutMainForm(int width, const FormControlHeights& heights) {
  width = std::max(width, kMainWindowMinimumWidth);
  MainFormLayout layout;
  const Row input = LayOutRow(5, 20, heights.edit, width, heights);
  const Row folder = LayOutRow(input.field.Bottom() + kFieldGap, 21, heights.list, width, heights);
  const Row format = LayOutRow(folder.field.Bottom() + kFieldGap - 1, 21, heights.list, width, heights);
  layout.inputLabel = input.label;
  layout.inputField = input.field;
  layout.inputButton = input.button;
  layout.outputFolderLabel = folder.label;
  layout.outputFolderList = folder.field;
  layout.outputFolderButton = folder.button;
  layout.outputFormatLabel = format.label;
  layout.outputFormatList = format.field;
  layout.outputFormatButton = format.button;
  // The Convert button spans the three rows, centred on them when they grew past its 100 pixels.
  const int rowsTop = input.field.y;
  const int rowsHeight = format.field.Bottom() - rowsTop;
  layout.convertButton = {width - 110, rowsTop + std::max(0, (rowsHeight - 100) / 2), 100, 100};
  const int formBottom = std::max(format.field.Bottom(), layout.convertButton.Bottom());
  layout.legalNotice = {10, formBottom + 14, 350, std::max(20, heights.notice)};
  layout.height = layout.legalNotice.Bottom() + 8;
  return layout;
}

}  // namespace vecrast
