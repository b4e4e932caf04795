// gtest main for tests that need a real wx GUI (run under xvfb-run).
// Starts a bare application object; HOME points at a fresh temp folder so no
// test touches the user's configuration.
#include <gtest/gtest.h>

#include <wx/wx.h>

#include "gui_start.h"

namespace {

class BareTestApp : public wxApp {
 public:
  bool OnInit() override { return true; }
};

}  // namespace

int main(int argc, char** argv) {
  const vt::test::GuiRestart restart(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
  const std::string home = vt::test::MakeTestHome("vantorel-gui-");
  wxApp::GTKAllowDiagnosticsControl();
  wxApp::GTKSuppressDiagnostics();
  wxApp::SetInstance(new BareTestApp);
  if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
    vt::test::RemoveTestHome(home);
    restart.RestartOnce();
    fprintf(stderr, "no display: GUI tests need an X server (run under xvfb-run -a)\n");
    return 1;
  }
  vt::test::InstallWxTestHandlers();
  wxInitAllImageHandlers();
  const int rc = RUN_ALL_TESTS();
  wxTheApp->OnExit();
  wxEntryCleanup();
  vt::test::RemoveTestHome(home);
  return rc;
}
