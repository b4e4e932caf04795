// gtest main for tests that need a real wx GUI (run under xvfb-run).
// Starts a bare application object; HOME points at a fresh temp folder so no
// test touches the user's configuration. A failed wx assertion becomes a test
// failure instead of a modal dialog, and wx log messages go to stderr.
#include <gtest/gtest.h>

#include "gui_restart.h"

#include <wx/wx.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

class BareTestApp : public wxApp {
 public:
  bool OnInit() override { return true; }
};

void IsolateHome() {
  char tmpl[] = "/tmp/vantorel-gui-XXXXXX";
  const char* home = mkdtemp(tmpl);
  if (home == nullptr) return;
  setenv("HOME", home, 1);
  // Any accidental GTK print call fails at once instead of waiting for printers.
  std::filesystem::create_directories(std::string(home) + "/.config/gtk-3.0");
  std::ofstream(std::string(home) + "/.config/gtk-3.0/settings.ini")
      << "[Settings]\ngtk-print-backends=file\n";
}

}  // namespace

int main(int argc, char** argv) {
  const vt::test::GuiRestart restart(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
  IsolateHome();
  const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
  wxApp::GTKAllowDiagnosticsControl();
  wxApp::GTKSuppressDiagnostics();
  wxApp::SetInstance(new BareTestApp);
  if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
    std::error_code ec;
    std::filesystem::remove_all(home, ec);
    restart.RestartOnce();
    fprintf(stderr, "no display: GUI tests need an X server (run under xvfb-run -a)\n");
    return 1;
  }
  wxSetAssertHandler([](const wxString& file, int line, const wxString&, const wxString& cond,
                        const wxString& msg) {
    ADD_FAILURE_AT(file.utf8_str(), line) << cond << " " << msg;
  });
  delete wxLog::SetActiveTarget(new wxLogStderr);
  wxInitAllImageHandlers();
  const int rc = RUN_ALL_TESTS();
  wxTheApp->OnExit();
  wxEntryCleanup();
  std::error_code ec;
  if (home.rfind("/tmp/vantorel-gui-", 0) == 0) std::filesystem::remove_all(home, ec);
  return rc;
}
