#include "gui_start.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <wx/wx.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace vt::test {

std::string MakeTestHome(const char* prefix) {
  std::string tmpl = std::string("/tmp/") + prefix + "XXXXXX";
  if (mkdtemp(tmpl.data()) == nullptr) return "";
  setenv("HOME", tmpl.c_str(), 1);
  std::filesystem::create_directories(tmpl + "/.config/gtk-3.0");
  std::ofstream(tmpl + "/.config/gtk-3.0/settings.ini") << "[Settings]\ngtk-print-backends=file\n";
  return tmpl;
}

void RemoveTestHome(const std::string& home) {
  std::error_code ec;
  if (home.rfind("/tmp/", 0) == 0) std::filesystem::remove_all(home, ec);
}

void InstallWxTestHandlers() {
  wxSetAssertHandler([](const wxString& file, int line, const wxString&, const wxString& cond,
                        const wxString& msg) {
    ADD_FAILURE_AT(file.utf8_str(), line) << cond << " " << msg;
  });
  delete wxLog::SetActiveTarget(new wxLogStderr);
}

void GuiRestart::RestartOnce() const {
  if (std::getenv("VANTOREL_GUI_RESTARTED") != nullptr) return;
  setenv("VANTOREL_GUI_RESTARTED", "1", 1);
  sleep(2);
  std::vector<char*> argv;
  for (const std::string& a : args_) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  execv("/proc/self/exe", argv.data());
}

}  // namespace vt::test
