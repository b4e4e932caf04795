// gtest main for tests that need the whole application: the real vantorelApp
// started with --quick (no splash, no start pauses) in a fresh HOME, under an
// X server (xvfb-run). A failed wx assertion becomes a test failure, wx log
// messages go to stderr, and modal messages are answered OK and printed unless
// a test installs its own recorder.
#include <gtest/gtest.h>

#include <wx/wx.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "app/messages.h"
#include "app/vantorelapp.h"
#include "app/vantorelfrm.h"
#include "gui_start.h"

int main(int argc, char** argv) {
  const vt::test::GuiRestart restart(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
  const std::string home = vt::test::MakeTestHome("vantorel-app-");
  std::filesystem::create_directories(home + "/vantorel");
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
    vt::test::RemoveTestHome(home);
    restart.RestartOnce();
    fprintf(stderr, "no display: application tests need an X server (run under xvfb-run -a)\n");
    return 1;
  }
  vt::test::InstallWxTestHandlers();
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
  vt::test::RemoveTestHome(home);
  return rc;
}
