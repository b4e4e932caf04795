// Helpers shared by the tests: temporary folders and a message recorder.
#pragma once

#include <string>
#include <vector>

#include "app/messages.h"

namespace vt::test {

// A fresh folder under /tmp, removed with everything in it when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return path_; }
  // path() + "/" + name
  std::string file(const std::string& name) const;
  // Writes bytes to path()/name and returns the full path.
  std::string write(const std::string& name, const std::string& bytes) const;

 private:
  std::string path_;
};

std::string ReadFile(const std::string& path);
bool FileExists(const std::string& path);

// Records every message shown while it lives and answers with `answer`.
class MessageRecorder {
 public:
  explicit MessageRecorder(int answer = kAnswerOk);
  ~MessageRecorder();
  std::vector<std::string> texts;
  std::vector<long> styles;
  int answer;

 private:
  MessageHandler previous_;
};

}  // namespace vt::test
