#include "ui/output_folder_history.h"

#include <glib.h>
#include <wx/bmpcbox.h>

#include "app/arguments.h"
#include "settings/settings.h"
#include "ui/image_sets.h"
#include "ui/main_window.h"
#include "ui/wx_text.h"

namespace vecrast {

namespace {

// The i-th (0-based) tab-separated entry of `history`, blanks trimmed; "" past the end.
std::string HistoryEntry(const std::string& history, int index) {
  size_t start = 0;
  for (int i = 0; i < index; ++i) {
    start = history.find('\t', start);
    if (start == std::string::npos) return {};
    ++start;
  }
  const size_t end = history.find('\t', start);
  return StripBlanks(history.substr(start, end == std::string::npos ? std::string::npos : end - start));
}

std::string UpperCased(const std::string& text) {
  gchar* upper = g_utf8_strup(text.c_str(), static_cast<gssize>(text.size()));
  std::string result = upper != nullptr ? upper : text;
  g_free(upper);
  return result;
}

// Letter case is compared by Unicode's rules, whatever the user's locale ("Übung" = "übung").
bool SameIgnoringCase(const std::string& a, const std::string& b) { return UpperCased(a) == UpperCased(b); }

}  // namespace

bool RememberOutputFolder(const std::string& folder) {
  if (folder.empty()) return false;
  const int limit = Settings.outFoldersNumber;
  std::string history = folder;
  int count = 1;
  for (int i = 0; i < limit; ++i) {
    const std::string entry = HistoryEntry(Settings.recentOutFolders, i);
    if (!entry.empty() && count <= limit - 1 && !SameIgnoringCase(entry, folder)) {
      history += '\t' + entry;
      ++count;
    }
  }
  Settings.recentOutFolders = history;
  return true;
}

std::vector<std::string> RecentOutputFolders() {
  std::vector<std::string> folders;
  for (int i = 0; i < Settings.outFoldersNumber; ++i) {
    std::string entry = HistoryEntry(Settings.recentOutFolders, i);
    if (!entry.empty()) folders.push_back(std::move(entry));
  }
  return folders;
}

void RefreshOutputFolders(ConverterWindow& window) {
  if (Settings.recentOutFolders.empty()) return;
  wxBitmapComboBox* list = window.OutputFolderList();
  list->Clear();
  int selected = 0;
  for (const std::string& folder : RecentOutputFolders()) {
    if (folder == ConversionJob.outputFolder) selected = static_cast<int>(list->GetCount());
    list->Append(ToWx(folder), MenuIcons["FavFolder"]);
  }
  if (list->GetCount() > 0) list->SetSelection(selected);
}

}  // namespace vecrast
