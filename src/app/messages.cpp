#include "app/messages.h"

#include <cstdio>
#include <utility>

namespace vt {
namespace {

int WriteToStderr(const std::string& text, const std::string& caption, long) {
  std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
  return kAnswerOk;
}

MessageHandler& CurrentHandler() {
  static MessageHandler handler = WriteToStderr;
  return handler;
}

}  // namespace

MessageHandler SetMessageHandler(MessageHandler handler) {
  if (!handler) handler = WriteToStderr;
  return std::exchange(CurrentHandler(), std::move(handler));
}

int ShowMessage(const std::string& text, const std::string& caption, long style) {
  return CurrentHandler()(text, caption, style);
}

}  // namespace vt
