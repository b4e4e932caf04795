// Under a loaded virtual X server GTK has been seen to refuse a connection at
// start-up now and then. A test program that cannot start its GUI runs itself
// again once, after a pause, with its original arguments.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace vt::test {

class GuiRestart {
 public:
  // Call first in main, before anything removes arguments.
  GuiRestart(int argc, char** argv) : args_(argv, argv + argc) {}

  // Returns only when the program has already been restarted once.
  void RestartOnce() const {
    if (std::getenv("VANTOREL_GUI_RESTARTED") != nullptr) return;
    setenv("VANTOREL_GUI_RESTARTED", "1", 1);
    sleep(2);
    std::vector<char*> argv;
    for (const std::string& a : args_) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv("/proc/self/exe", argv.data());
  }

 private:
  std::vector<std::string> args_;
};

}  // namespace vt::test
