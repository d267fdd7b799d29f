// Where the main window's form puts its controls, as a pure function of the inner width and
// of the heights the toolkit needs. Every control keeps the x and the width of the original
// form and its resize rule (fields W - 160 wide, field buttons at W - 146, the Convert button
// at W - 110). GTK's controls are taller than the original 20-pixel rows, so a control is as
// tall as the larger of the two, and the rows below it move down by what it grew.
#pragma once

namespace vecrast {

struct FormRect {
  int x = 0, y = 0, width = 0, height = 0;
  int Bottom() const { return y + height; }
  int Right() const { return x + width; }
};

// The toolkit's heights of the control kinds (their best heights).
struct FormControlHeights {
  int label = 20;
  int edit = 20;
  int list = 21;
  int fieldButton = 24;  // also its width: the buttons are square
  int notice = 20;
};

struct MainFormLayout {
  FormRect inputLabel, inputField, inputButton;
  FormRect outputFolderLabel, outputFolderList, outputFolderButton;
  FormRect outputFormatLabel, outputFormatList, outputFormatButton;
  FormRect convertButton;
  FormRect legalNotice;
  int height = 0;  // of the whole form, the legal notice included
};

// The narrowest the window's inner area may become.
inline constexpr int kMainWindowMinimumWidth = 510;

// The layout at inner width `width` (widths below the minimum are laid out at the minimum).
MainFormLayout LayOutMainForm(int width, const FormControlHeights& heights);

}  // namespace vecrast
