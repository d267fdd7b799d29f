#include "ui/shell_open.h"

#include <wx/utils.h>

#include <cstdlib>

#include "app/product.h"
#include "ui/wx_text.h"

namespace vecrast {

namespace {

ShellOpener shellOpener;

bool IsAddress(const std::string& target) {
  return target.rfind("http://", 0) == 0 || target.rfind("https://", 0) == 0 || target.rfind("mailto:", 0) == 0;
}

}  // namespace

void SetShellOpener(ShellOpener opener) { shellOpener = std::move(opener); }

void OpenWithShell(const std::string& target) {
  if (shellOpener) {
    shellOpener(target);
    return;
  }
  // Neither call blocks: the desktop's handler (xdg-open) runs on its own.
  if (IsAddress(target)) {
    wxLaunchDefaultBrowser(ToWx(target));
  } else {
    wxLaunchDefaultApplication(ToWx(target));
  }
}

std::string MakerSite() {
  const char* override = std::getenv("VECRAST_SITE");
  std::string site = (override != nullptr && override[0] != '\0') ? override : kMakerWebAddress;
  if (site.back() != '/') site += '/';
  return site;
}

std::string HomePageAddress() { return MakerSite() + "vecrast/"; }

std::string FeedbackMailLink() {
  return std::string("mailto:") + kSupportMailAddress + "?subject=" + WindowTitle() + " Feedback";
}

}  // namespace vecrast
