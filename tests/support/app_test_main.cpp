// gtest main for tests that need the whole application: the real vantorelApp
// started with --quick (no splash, no start pauses) in a fresh HOME, under an
// X server (xvfb-run). A failed wx assertion becomes a test failure, wx log
// messages go to stderr, and modal messages are answered OK and printed unless
// a test installs its own recorder.
#include <gtest/gtest.h>

#include "gui_restart.h"

#include <wx/wx.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/messages.h"
#include "app/vantorelapp.h"
#include "app/vantorelfrm.h"

namespace {

std::string MakeHome() {
  char tmpl[] = "/tmp/vantorel-app-XXXXXX";
  const char* home = mkdtemp(tmpl);
  if (home == nullptr) return "";
  setenv("HOME", home, 1);
  std::filesystem::create_directories(std::string(home) + "/.config/gtk-3.0");
  std::ofstream(std::string(home) + "/.config/gtk-3.0/settings.ini")
      << "[Settings]\ngtk-print-backends=file\n";
  std::filesystem::create_directories(std::string(home) + "/vantorel");
  return home;
}

}  // namespace

int main(int argc, char** argv) {
  const vt::test::GuiRestart restart(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
  const std::string home = MakeHome();
  wxApp::GTKAllowDiagnosticsControl();
  wxApp::GTKSuppressDiagnostics();

  // Extra program arguments from VANTOREL_APP_ARGS (blank-separated; "{HOME}" is the test HOME).
  std::vector<std::string> extra;
  if (const char* more = std::getenv("VANTOREL_APP_ARGS")) {
    std::istringstream words(more);
    for (std::string w; words >> w;) {
      for (size_t at; (at = w.find("{HOME}")) != std::string::npos;) w.replace(at, 6, home);
      extra.push_back(w);
    }
  }
  std::vector<char*> args = {argv[0], const_cast<char*>("--quick")};
  for (auto& w : extra) args.push_back(w.data());
  int appArgc = static_cast<int>(args.size());
  wxApp::SetInstance(new vantorelApp);
  if (!wxEntryStart(appArgc, args.data())) {
    std::error_code ec;
    std::filesystem::remove_all(home, ec);
    restart.RestartOnce();
    fprintf(stderr, "no display: application tests need an X server (run under xvfb-run -a)\n");
    return 1;
  }
  wxSetAssertHandler([](const wxString& file, int line, const wxString&, const wxString& cond,
                        const wxString& msg) {
    ADD_FAILURE_AT(file.utf8_str(), line) << cond << " " << msg;
  });
  delete wxLog::SetActiveTarget(new wxLogStderr);
  if (!wxTheApp->CallOnInit()) {
    fprintf(stderr, "the application refused to start\n");
    return 1;
  }
  vt::SetMessageHandler(nullptr);  // stderr, answered OK, until a test records them
  const int rc = RUN_ALL_TESTS();
  if (wxWindow* top = wxTheApp->GetTopWindow()) top->Close(true);
  // Let the closing frame be destroyed before the application shuts down.
  for (int i = 0; i < 20 && wxTheApp->GetTopWindow() != nullptr; ++i) {
    wxTheApp->ProcessPendingEvents();
    wxTheApp->ProcessIdle();
    wxMilliSleep(5);
  }
  wxTheApp->OnExit();
  wxEntryCleanup();
  std::error_code ec;
  if (home.rfind("/tmp/vantorel-app-", 0) == 0) std::filesystem::remove_all(home, ec);
  return rc;
}
