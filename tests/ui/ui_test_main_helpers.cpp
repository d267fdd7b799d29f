// The window tests' main(): the toolkit is started once for the whole program on the display
// with_display.sh provides; a failed toolkit assertion fails the running test.
#include <gtest/gtest.h>
#include <wx/debug.h>
#include <wx/string.h>

#include <cstdio>

#include "ui/toolkit.h"

namespace {

void FailOnAssertion(const wxString& file, int line, const wxString& function, const wxString& condition,
                     const wxString& message) {
  ADD_FAILURE() << "toolkit assertion in " << function.utf8_string() << " (" << file.utf8_string() << ":" << line
                << "): " << condition.utf8_string() << " " << message.utf8_string();
}

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
  if (!vecrast::StartToolkit()) {
    std::fprintf(stderr, "the window tests need a display (run them through with_display.sh)\n");
    return 1;
  }
  wxSetAssertHandler(FailOnAssertion);
  const int result = RUN_ALL_TESTS();
  vecrast::StopToolkit();
  return result;
}
