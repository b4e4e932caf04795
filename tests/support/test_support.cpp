#include "test_support.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace vt::test {

TempDir::TempDir() {
  char tmpl[] = "/tmp/vantorel-test-XXXXXX";
  const char* made = mkdtemp(tmpl);
  if (made == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = made;
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

std::string TempDir::file(const std::string& name) const { return path_ + "/" + name; }

std::string TempDir::write(const std::string& name, const std::string& bytes) const {
  const std::string full = file(name);
  std::filesystem::create_directories(std::filesystem::path(full).parent_path());
  std::ofstream out(full, std::ios::binary);
  out << bytes;
  return full;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

bool FileExists(const std::string& path) { return std::filesystem::exists(path); }

MessageRecorder::MessageRecorder(int answer_) : answer(answer_) {
  previous_ = SetMessageHandler([this](const std::string& text, const std::string&, long style) {
    texts.push_back(text);
    styles.push_back(style);
    return answer;
  });
}

MessageRecorder::~MessageRecorder() { SetMessageHandler(previous_); }

}  // namespace vt::test
