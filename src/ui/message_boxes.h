// Message boxes with captions from the text table. Every box of the window goes through one
// presenter, which tests replace to read the boxes and answer the questions without a click.
#pragma once

#include <functional>
#include <string>

namespace vecrast {

enum class MessageKind { Warning, Error, Information, Question };

// The sign a question shows: a warning (the stop question) or a question mark (the update check).
enum class QuestionIcon { Warning, QuestionMark };

struct MessageBoxRequest {
  MessageKind kind;
  std::string caption;
  std::string text;
  QuestionIcon questionIcon = QuestionIcon::Warning;
};

// Shows the box; for a question returns true on Yes, otherwise the result is ignored.
using MessagePresenter = std::function<bool(const MessageBoxRequest&)>;

// Installs a presenter (an empty one restores the toolkit's message dialog).
void SetMessagePresenter(MessagePresenter presenter);

// A warning box captioned "Warning" with an OK button. Returns 0.
int ShowWarning(const std::string& text);

// An error box captioned "Error" with an OK button. Returns 0.
int ShowError(const std::string& text);

// An information box with the given caption and an OK button.
void ShowInformation(const std::string& caption, const std::string& text);

// A Yes/No question with a warning icon (or the one given); true on Yes.
bool AskYesNo(const std::string& caption, const std::string& text, QuestionIcon icon = QuestionIcon::Warning);

}  // namespace vecrast
