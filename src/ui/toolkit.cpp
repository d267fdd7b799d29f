#include "ui/toolkit.h"

#include <stdlib.h>

#include <wx/app.h>
#include <wx/display.h>
#include <wx/image.h>
#include <wx/init.h>
#include <wx/log.h>

#include "platform/console.h"
#include "settings/settings.h"

namespace vecrast {

namespace {

// The program's application object: the command line has been read already, so the toolkit's
// own option parsing is skipped.
class WindowApp : public wxApp {
 public:
  bool OnInit() override { return true; }
};

void ReportAssertion(const wxString& file, int line, const wxString& function, const wxString& condition,
                     const wxString& message) {
  PrintErrorLine("Toolkit assertion failed in " + function.utf8_string() + " (" + file.utf8_string() + ":" +
                 std::to_string(line) + "): " + condition.utf8_string() + " " + message.utf8_string());
}

bool FirstDisplaySize(int32_t& width, int32_t& height) {
  if (wxDisplay::GetCount() == 0) return false;
  const wxRect area = wxDisplay(0u).GetGeometry();
  width = area.width;
  height = area.height;
  return width > 0 && height > 0;
}

}  // namespace

bool StartToolkit() {
  // The window draws nothing with OpenGL; without this GTK sets up OpenGL as it opens the
  // display (on software rendering a quarter of the start-up). A value the user set stays.
  setenv("GDK_GL", "disable", 0);
  wxApp::SetInstance(new WindowApp);
  static char programName[] = "vecrast";
  static char* arguments[] = {programName, nullptr};
  int count = 1;
  if (!wxEntryStart(count, arguments)) return false;
  wxSetAssertHandler(ReportAssertion);
  delete wxLog::SetActiveTarget(new wxLogStderr);
  wxTheApp->CallOnInit();
  if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr) wxImage::AddHandler(new wxPNGHandler);
  SetDisplaySizeSource(FirstDisplaySize);
  return true;
}

void RunToolkitLoop() { wxTheApp->OnRun(); }

void StopToolkit() {
  SetDisplaySizeSource(nullptr);
  wxEntryCleanup();
}

}  // namespace vecrast
