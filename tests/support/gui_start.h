// Start-up shared by the GUI test mains: a private HOME, and wx failures turned
// into test failures instead of modal dialogs.
//
// Under a loaded virtual X server GTK has been seen to refuse a connection at
// start-up now and then; a test program that cannot start its GUI runs itself
// again once, after a pause, with its original arguments (GuiRestart).
#pragma once

#include <string>
#include <vector>

namespace vt::test {

// Makes a fresh folder /tmp/<prefix>XXXXXX, points HOME at it and gives it a GTK
// setting that makes any accidental print call fail at once. Returns the folder.
std::string MakeTestHome(const char* prefix);

// Removes a folder made by MakeTestHome.
void RemoveTestHome(const std::string& home);

// A failed wx assertion fails the running test; wx log messages go to stderr.
void InstallWxTestHandlers();

class GuiRestart {
 public:
  // Call first in main, before anything removes arguments.
  GuiRestart(int argc, char** argv) : args_(argv, argv + argc) {}
  // Returns only when the program has already been restarted once.
  void RestartOnce() const;

 private:
  std::vector<std::string> args_;
};

}  // namespace vt::test
