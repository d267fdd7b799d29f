// The main window ("Converter"): a fixed-height, horizontally sizable frame with a menu bar,
// a toolbar, the form (input file, output folder, output format, the Convert button), the
// legal notice and a status bar. Commands and control events go to the router
// (main_window_router.h); this class only builds and lays out.
#pragma once

#include <wx/frame.h>

#include "ui/main_form_layout.h"

class wxBitmapButton;
class wxBitmapComboBox;
class wxPanel;
class wxStaticText;
class wxTextCtrl;
class wxToolBar;

namespace vecrast {

class ConverterWindow : public wxFrame {
 public:
  // Builds the window at the stored position and width, with everything in it.
  ConverterWindow();

  // Rebuild the menu bar, the toolbar and the field buttons (after a theme or icon size change).
  void BuildMainMenu();
  void BuildMainToolbar();
  void BuildFieldButtons();

  // Places the form's controls for the current inner width.
  void LayoutMainWindow();

  // Shows the current MenuIcons on the field buttons, in place: rebuilt buttons would be
  // drawn over the Convert button's edge, which the field buttons' toolbars overlap.
  void ReimageFieldButtons();

  // After the toolbar was rebuilt at another icon size: sets the height limits again, so that
  // the form keeps its height under the new toolbar, and posts a size event.
  void FitToToolbar();

  // The fixed inner height of the window: menu bar, toolbar, form and status bar.
  int InnerHeight() const;

  wxTextCtrl* InputField() const { return inputField_; }
  wxBitmapComboBox* OutputFolderList() const { return outputFolderList_; }
  wxBitmapComboBox* OutputFormatList() const { return outputFormatList_; }
  wxBitmapButton* ConvertButton() const { return convertButton_; }
  // The small button beside the input field (0), the folder list (1) and the format list (2).
  wxToolBar* FieldButton(int row) const { return fieldButtons_[row]; }
  const MainFormLayout& CurrentLayout() const { return layout_; }

 private:
  void BuildForm();
  FormControlHeights MeasureControlHeights() const;
  // The heights of the menu bar, the toolbar and the status bar as the toolkit shows them.
  void MeasureBars();
  void FixHeight();
  void OnClose(wxCloseEvent& event);

  wxPanel* container_ = nullptr;
  wxStaticText* inputLabel_ = nullptr;
  wxTextCtrl* inputField_ = nullptr;
  wxStaticText* outputFolderLabel_ = nullptr;
  wxBitmapComboBox* outputFolderList_ = nullptr;
  wxStaticText* outputFormatLabel_ = nullptr;
  wxBitmapComboBox* outputFormatList_ = nullptr;
  wxBitmapButton* convertButton_ = nullptr;
  wxStaticText* legalNotice_ = nullptr;
  wxToolBar* fieldButtons_[3] = {nullptr, nullptr, nullptr};
  MainFormLayout layout_;
};

// The main window while the windowed program runs; null before it is built and after it is gone.
ConverterWindow* MainWindow();

// Saves the window's geometry into Settings as the program quits: maximised keeps the stored
// size and position and sets "IsMaximized"; minimised changes nothing.
void CaptureWindowGeometry(const ConverterWindow& window);

}  // namespace vecrast
