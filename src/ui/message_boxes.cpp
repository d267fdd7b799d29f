#include "ui/message_boxes.h"

#include <wx/msgdlg.h>
#include <wx/toplevel.h>
#include <wx/window.h>

#include "texts/texts.h"
#include "ui/wx_text.h"

namespace vecrast {

namespace {

MessagePresenter presenter;

// The text table breaks lines with CR LF; the toolkit wants LF.
wxString BoxText(const std::string& text) {
  wxString converted = ToWx(text);
  converted.Replace("\r\n", "\n");
  return converted;
}

long StyleOf(MessageKind kind, QuestionIcon questionIcon) {
  switch (kind) {
    case MessageKind::Warning: return wxOK | wxICON_WARNING;
    case MessageKind::Error: return wxOK | wxICON_ERROR;
    case MessageKind::Information: return wxOK | wxICON_INFORMATION;
    case MessageKind::Question:
      // The stop question defaults to No; the update questions keep Yes as their default.
      return questionIcon == QuestionIcon::QuestionMark ? wxYES_NO | wxICON_QUESTION
                                                        : wxYES_NO | wxNO_DEFAULT | wxICON_WARNING;
  }
  return wxOK;
}

// The box belongs to the program's active window when there is one.
bool ShowWithToolkit(const MessageBoxRequest& request) {
  wxWindow* owner = wxGetActiveWindow();
  if (owner != nullptr) owner = wxGetTopLevelParent(owner);
  wxMessageDialog dialog(owner, BoxText(request.text), ToWx(request.caption), StyleOf(request.kind, request.questionIcon));
  return dialog.ShowModal() == wxID_YES;
}

bool Present(MessageKind kind, const std::string& caption, const std::string& text,
             QuestionIcon questionIcon = QuestionIcon::Warning) {
  const MessageBoxRequest request{kind, caption, text, questionIcon};
  return presenter ? presenter(request) : ShowWithToolkit(request);
}

}  // namespace

void SetMessagePresenter(MessagePresenter newPresenter) { presenter = std::move(newPresenter); }

int ShowWarning(const std::string& text) {
  Present(MessageKind::Warning, GetText("Msg", "Warning"), text);
  return 0;
}

int ShowError(const std::string& text) {
  Present(MessageKind::Error, GetText("Msg", "Error"), text);
  return 0;
}

void ShowInformation(const std::string& caption, const std::string& text) {
  Present(MessageKind::Information, caption, text);
}

bool AskYesNo(const std::string& caption, const std::string& text, QuestionIcon icon) {
  return Present(MessageKind::Question, caption, text, icon);
}

}  // namespace vecrast
