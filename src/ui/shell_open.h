// Opening pages, mail links and files with the desktop's default handlers, and the addresses
// of the maker's web site.
#pragma once

#include <functional>
#include <string>

namespace vecrast {

// Opens `target` (a web or mailto: address, or a file) with the desktop's handler for it.
// Failures are not reported.
void OpenWithShell(const std::string& target);

// Replaces what OpenWithShell does (tests record the targets); empty restores the desktop's.
using ShellOpener = std::function<void(const std::string& target)>;
void SetShellOpener(ShellOpener opener);

// The maker's web site, ending in "/": the environment variable VECRAST_SITE when it is set
// (a base URL, for tests), otherwise the built-in address.
std::string MakerSite();

// The product's home page: the site followed by "vecrast/".
std::string HomePageAddress();

// The feedback mail link: "mailto:" + the support address + "?subject=" + the window title and
// " Feedback", not encoded further.
std::string FeedbackMailLink();

}  // namespace vecrast
