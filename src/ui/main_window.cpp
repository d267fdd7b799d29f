#include "ui/main_window.h"

#include <wx/bmpbuttn.h>
#include <wx/bmpcbox.h>
#include <wx/iconbndl.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/stattext.h>
#include <wx/statusbr.h>
#include <wx/textctrl.h>
#include <wx/toolbar.h>

#include <vector>

#include "app/product.h"
#include "settings/settings.h"
#include "texts/texts.h"
#include "ui/compact_toolbar.h"
#include "ui/dropped_files.h"
#include "ui/ids.h"
#include "ui/image_list_box.h"
#include "ui/image_sets.h"
#include "ui/main_window_router.h"
#include "ui/wx_text.h"

namespace vecrast {

namespace {

ConverterWindow* mainWindow = nullptr;

constexpr int kSeparator = -1;

struct MenuEntry {
  int command;  // kSeparator for a separator line
  const char* textKey;
  const char* shortcut;
  const char* icon;
};

struct MenuTitle {
  const char* textKey;
  std::vector<MenuEntry> entries;
};

const std::vector<MenuTitle>& MainMenuTable() {
  static const std::vector<MenuTitle> table = {
      {"File",
       {{kCommandNew, "New", "\tCtrl+N", "New"},
        {kSeparator, nullptr, nullptr, nullptr},
        {kCommandSelectInputFile, "Select Input File", "", "Add"},
        {kCommandSelectOutputFolder, "Select Output Folder", "", "OutFolder"},
        {kSeparator, nullptr, nullptr, nullptr},
        {kCommandExit, "Exit", "\tAlt+X", "Exit"}}},
      {"Converter",
       {{kCommandConvert, "Convert", "\tF5", "Convert"},
        {kSeparator, nullptr, nullptr, nullptr},
        {kCommandCustomConverter, "Custom Converter", "", "CustomConverter"},
        {kSeparator, nullptr, nullptr, nullptr},
        {kCommandPreferences, "Preferences", "", "Preferences"}}},
      {"Help",
       {{kCommandManual, "Manual", "\tF1", "Help"},
        {kSeparator, nullptr, nullptr, nullptr},
        {kCommandSendFeedback, "Send Feedback", "", "Email"},
        {kCommandVisitHomepage, "Visit Homepage", "", "Web"},
        {kCommandCheckForNewVersion, "Check For New Version", "", "Updates"},
        {kSeparator, nullptr, nullptr, nullptr},
        {kCommandAbout, "About", "", "About"}}},
  };
  return table;
}

struct ToolEntry {
  int command;  // kSeparator for a separator
  const char* icon;
  const char* tooltipKey;
};

const std::vector<ToolEntry>& MainToolbarTable() {
  static const std::vector<ToolEntry> table = {
      {kCommandNew, "New", "New"},
      {kCommandSelectInputFile, "Add", "Select Input File"},
      {kCommandSelectOutputFolder, "OutFolder", "Select Output Folder"},
      {kSeparator, nullptr, nullptr},
      {kCommandPreferences, "Preferences", "Preferences"},
      {kSeparator, nullptr, nullptr},
      {kCommandConvert, "Convert", "Convert"},
      {kSeparator, nullptr, nullptr},
      {kCommandManual, "Help", "Manual"},
      {kCommandSendFeedback, "Email", "Send Feedback"},
      {kCommandVisitHomepage, "Web", "Visit Homepage"},
      {kCommandCheckForNewVersion, "Updates", "Check For New Version"},
  };
  return table;
}

// The one-button toolbars beside the three fields.
const ToolEntry kFieldButtonTable[3] = {
    {kCommandSelectInputFile, "Add", "Select Input File"},
    {kCommandSelectOutputFolder, "OutFolder", "Select Output Folder"},
    {kCommandOutputFormatOptions, "OutFormat", "Output Format Options"},
};

const wxBitmap& ImageOrBlank(const ImageSet& set, const std::string& key) {
  static const wxBitmap blank;
  const auto found = set.find(key);
  return found == set.end() ? blank : found->second;
}

// The window's icon for the title bar and the task bar: the Convert picture.
wxIconBundle ApplicationIcons() {
  wxIconBundle icons;
  for (int size : {16, 32, 48, 64}) {
    wxIcon icon;
    icon.CopyFromBitmap(BuiltinImage("Convert", size));
    if (icon.IsOk()) icons.AddIcon(icon);
  }
  return icons;
}

void Place(wxWindow* window, const FormRect& rect) {
  if (window != nullptr) window->SetSize(rect.x, rect.y, rect.width, rect.height);
}

}  // namespace

ConverterWindow* MainWindow() { return mainWindow; }

ConverterWindow::ConverterWindow()
    : wxFrame(nullptr, kMainWindow, ToWx(WindowTitle()), wxPoint(Settings.x, Settings.y), wxDefaultSize,
              wxDEFAULT_FRAME_STYLE) {
  mainWindow = this;
  SetIcons(ApplicationIcons());
  SetDropTarget(new InputFileDropTarget);
  BuildMainMenu();
  BuildMainToolbar();
  CreateStatusBar(1);
  Settings.statusBarHeight = GetStatusBar()->GetSize().y;
  Settings.topMargin = 0;
  BuildForm();
  FixHeight();
  SetClientSize(std::max<int>(Settings.width, kMainWindowMinimumWidth), layout_.height);
  LayoutMainWindow();

  Bind(wxEVT_MENU, [this](wxCommandEvent& event) { RouteMainWindowCommand(*this, event.GetId()); });
  const auto routeControl = [this](wxCommandEvent& event) { RouteMainWindowControl(*this, event.GetId()); };
  Bind(wxEVT_COMBOBOX, routeControl);
  Bind(wxEVT_BUTTON, routeControl);
  Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
    LayoutMainWindow();
    event.Skip();
  });
  Bind(wxEVT_CLOSE_WINDOW, &ConverterWindow::OnClose, this);
}

void ConverterWindow::BuildMainMenu() {
  auto* bar = new wxMenuBar;
  for (const MenuTitle& title : MainMenuTable()) {
    auto* menu = new wxMenu;
    for (const MenuEntry& entry : title.entries) {
      if (entry.command == kSeparator) {
        menu->AppendSeparator();
        continue;
      }
      auto* item = new wxMenuItem(menu, entry.command, ToWx(GetText("Menu", entry.textKey) + entry.shortcut));
      item->SetBitmap(ImageOrBlank(MenuIcons, entry.icon));
      menu->Append(item);
    }
    bar->Append(menu, ToWx(GetText("Menu", title.textKey)));
  }
  wxMenuBar* old = GetMenuBar();
  SetMenuBar(bar);
  delete old;
  Settings.menuHeight = bar->GetBestSize().y;
}

void ConverterWindow::BuildMainToolbar() {
  if (wxToolBar* old = GetToolBar()) {
    SetToolBar(nullptr);
    old->Destroy();
  }
  wxToolBar* toolbar = CreateToolBar(wxTB_HORIZONTAL | wxTB_FLAT | wxNO_BORDER);
  const int size = IconSizeForSetting(Settings.uiSize);
  toolbar->SetToolBitmapSize(wxSize(size, size));
  for (const ToolEntry& entry : MainToolbarTable()) {
    if (entry.command == kSeparator) {
      toolbar->AddSeparator();
      continue;
    }
    const wxString tip = ToWx(GetText("Menu", entry.tooltipKey));
    toolbar->AddTool(entry.command, tip, ImageOrBlank(ToolbarIcons, entry.icon), tip);
  }
  toolbar->Realize();
  Settings.toolbarHeight = toolbar->GetSize().y;
}

void ConverterWindow::BuildFieldButtons() {
  for (int i = 0; i < 3; ++i) {
    if (fieldButtons_[i] != nullptr) fieldButtons_[i]->Destroy();
    auto* toolbar = new wxToolBar(container_, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                  wxTB_HORIZONTAL | wxTB_FLAT | wxTB_NODIVIDER | wxNO_BORDER);
    toolbar->SetToolBitmapSize(wxSize(16, 16));
    const ToolEntry& entry = kFieldButtonTable[i];
    const wxString tip = ToWx(GetText("Menu", entry.tooltipKey));
    toolbar->AddTool(entry.command, tip, ImageOrBlank(MenuIcons, entry.icon), tip);
    toolbar->Realize();
    MakeCompactToolbar(*toolbar);
    fieldButtons_[i] = toolbar;
  }
}

void ConverterWindow::ReimageFieldButtons() {
  for (int i = 0; i < 3; ++i) {
    if (fieldButtons_[i] == nullptr) continue;
    const ToolEntry& entry = kFieldButtonTable[i];
    fieldButtons_[i]->SetToolNormalBitmap(entry.command, ImageOrBlank(MenuIcons, entry.icon));
  }
}

void ConverterWindow::BuildForm() {
  container_ = new wxPanel(this, kFormContainer);
  inputLabel_ = new wxStaticText(container_, kInputFileLabel, ToWx(GetText("General", "Input File")));
  inputField_ = new wxTextCtrl(container_, kInputFileField, wxEmptyString);
  BuildFieldButtons();
  outputFolderLabel_ = new wxStaticText(container_, kOutputFolderLabel, ToWx(GetText("General", "Output Folder")));
  outputFolderList_ = new ImageListBox(container_, kOutputFolderList);
  outputFormatLabel_ = new wxStaticText(container_, kOutputFormatLabel, ToWx(GetText("General", "Output Format")));
  outputFormatList_ = new ImageListBox(container_, kOutputFormatList);
  convertButton_ = new wxBitmapButton(container_, kConvertButton, ImageOrBlank(GadgetImages, "Convert"));
  convertButton_->SetToolTip(ToWx(GetText("Menu", "Convert")));
  legalNotice_ = new wxStaticText(container_, kLegalNoticeText, wxString::FromUTF8(kLegalNotice));
  layout_ = LayOutMainForm(kMainWindowMinimumWidth, MeasureControlHeights());
}

FormControlHeights ConverterWindow::MeasureControlHeights() const {
  FormControlHeights heights;
  heights.label = inputLabel_->GetBestSize().y;
  heights.edit = inputField_->GetBestSize().y;
  heights.list = std::max(outputFolderList_->GetBestSize().y, outputFormatList_->GetBestSize().y);
  const wxSize button = fieldButtons_[0]->GetBestSize();
  heights.fieldButton = std::max(button.x, button.y);
  heights.notice = legalNotice_->GetBestSize().y;
  return heights;
}

void ConverterWindow::FixHeight() {
  SetMinClientSize(wxSize(kMainWindowMinimumWidth, layout_.height));
  SetMaxClientSize(wxSize(-1, layout_.height));
}

void ConverterWindow::FitToToolbar() {
  // The new toolbar is not placed yet: its size is the one it asks for.
  Settings.toolbarHeight = GetToolBar()->GetBestSize().y;
  SetMaxSize(wxDefaultSize);
  FixHeight();
  SetClientSize(GetClientSize().x, layout_.height);
  PostSizeEvent();
}

int ConverterWindow::InnerHeight() const {
  return Settings.menuHeight + Settings.toolbarHeight + layout_.height + Settings.statusBarHeight;
}

void ConverterWindow::MeasureBars() {
  if (GetMenuBar() != nullptr && GetMenuBar()->GetSize().y > 0) Settings.menuHeight = GetMenuBar()->GetSize().y;
  // A toolbar that was just rebuilt may not have its allocation yet: it gets at least what it asks for.
  if (GetToolBar() != nullptr) {
    const int height = std::max(GetToolBar()->GetSize().y, GetToolBar()->GetBestSize().y);
    if (height > 0) Settings.toolbarHeight = height;
  }
  if (GetStatusBar() != nullptr && GetStatusBar()->GetSize().y > 0) {
    Settings.statusBarHeight = GetStatusBar()->GetSize().y;
  }
}

void ConverterWindow::LayoutMainWindow() {
  if (container_ == nullptr) return;
  const int width = std::max(GetClientSize().x, kMainWindowMinimumWidth);
  MeasureBars();
  layout_ = LayOutMainForm(width, MeasureControlHeights());
  container_->SetSize(0, 0, width, layout_.height);
  Place(inputLabel_, layout_.inputLabel);
  Place(inputField_, layout_.inputField);
  Place(fieldButtons_[0], layout_.inputButton);
  Place(outputFolderLabel_, layout_.outputFolderLabel);
  Place(outputFolderList_, layout_.outputFolderList);
  Place(fieldButtons_[1], layout_.outputFolderButton);
  Place(outputFormatLabel_, layout_.outputFormatLabel);
  Place(outputFormatList_, layout_.outputFormatList);
  Place(fieldButtons_[2], layout_.outputFormatButton);
  Place(convertButton_, layout_.convertButton);
  Place(legalNotice_, layout_.legalNotice);
  Refresh();
}

void ConverterWindow::OnClose(wxCloseEvent&) {
  CaptureWindowGeometry(*this);
  mainWindow = nullptr;
  Destroy();
}

void CaptureWindowGeometry(const ConverterWindow& window) {
  if (window.IsIconized()) return;
  if (window.IsMaximized()) {
    Settings.isMaximized = 1;
    return;
  }
  Settings.isMaximized = 0;
  const wxPoint position = window.GetPosition();
  Settings.x = position.x;
  Settings.y = position.y;
  Settings.width = window.GetClientSize().x;
  Settings.height = window.InnerHeight();
}

}  // namespace vecrast
