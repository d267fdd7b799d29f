// The numbers of the windows, gadgets and commands. They are the wxWidgets identifiers of the
// objects, so that the router dispatches on the same numbers the whole program uses.
#pragma once

namespace vecrast {

// Windows.
inline constexpr int kMainWindow = 0;
inline constexpr int kPreferencesWindow = 1;
inline constexpr int kProgressWindow = 3;
inline constexpr int kConverterSearchWindow = 6;
inline constexpr int kAboutWindow = 8;
inline constexpr int kUninstallWindow = 10;

// Gadgets of the main window.
inline constexpr int kFormContainer = 0;
inline constexpr int kInputFileLabel = 1;
inline constexpr int kInputFileField = 2;
inline constexpr int kOutputFolderLabel = 4;
inline constexpr int kOutputFolderList = 5;
inline constexpr int kOutputFormatLabel = 6;
inline constexpr int kOutputFormatList = 7;
inline constexpr int kConvertButton = 8;
inline constexpr int kLegalNoticeText = 11;

// Commands: the menu, the toolbar, the field buttons and the keyboard shortcuts share them.
inline constexpr int kCommandNew = 0;
inline constexpr int kCommandExit = 3;
inline constexpr int kCommandSelectInputFile = 5;
inline constexpr int kCommandSelectOutputFolder = 7;
inline constexpr int kCommandOutputFormatOptions = 8;
inline constexpr int kCommandConvert = 14;
inline constexpr int kCommandCustomConverter = 16;
inline constexpr int kCommandPreferences = 17;
inline constexpr int kCommandManual = 18;
inline constexpr int kCommandSendFeedback = 21;
inline constexpr int kCommandVisitHomepage = 22;
inline constexpr int kCommandCheckForNewVersion = 23;
inline constexpr int kCommandAbout = 24;

}  // namespace vecrast
