// "Find a File Converter" (command 16): a search page of the maker's site for a pair of
// file extensions.
#pragma once

#include <wx/dialog.h>

#include <string>

class wxTextCtrl;

namespace vecrast {

namespace search {
// Keeps only the ASCII letters and digits of `text`, in their order.
std::string NormaliseExtension(const std::string& text);
}  // namespace search

// The search page for two fields' texts: each lower-cased, cut to 12 characters, then
// normalised; "" when either comes out empty.
std::string ConverterSearchAddress(const std::string& from, const std::string& to);

class ConverterSearchDialog : public wxDialog {
 public:
  explicit ConverterSearchDialog(wxWindow* owner);
  wxTextCtrl* FromField() const { return from_; }
  wxTextCtrl* ToField() const { return to_; }
  // Search: opens the page and closes the dialog, or warns when a field is empty.
  void Search();

 private:
  wxTextCtrl* from_ = nullptr;
  wxTextCtrl* to_ = nullptr;
};

void ShowConverterSearch(wxWindow& owner);

}  // namespace vecrast
