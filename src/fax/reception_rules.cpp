#include "fax/reception_rules.h"

#include <cstdlib>
#include <iomanip>
#include <locale>
#include <sstream>

namespace vt::fax {

void ApplyReceptionCodes(const std::string& description, std::string& ioc, std::string& speed) {
  const struct {
    const char* code;
    std::string* target;
    const char* value;
  } codes[] = {{"@I2", &ioc, "288"},  {"@I5", &ioc, "576"},   {"@S6", &speed, "60"},
               {"@S2", &speed, "240"}, {"@S1", &speed, "120"}, {"@S9", &speed, "90"}};
  for (const auto& c : codes)
    if (description.find(c.code) != std::string::npos) *c.target = c.value;
}

int NextSerialNumber(const std::string& stored) {
  const int n = std::atoi(stored.c_str()) - 1;
  return n < 0 ? 99999 : n;
}

namespace {

// Formats local time with English names whatever the user's locale.
std::string FormatTime(const std::tm& local, const char* format) {
  std::ostringstream out;
  out.imbue(std::locale::classic());
  out << std::put_time(&local, format);
  return out.str();
}

std::string WithoutPathCharacters(std::string text) {
  for (char& c : text)
    if (c == ':' || c == '/' || c == '\\') c = '-';
  return text;
}

}  // namespace

std::string ReceptionFileName(SavedKind kind, const std::string& folder, int serial,
                              const std::string& oldSerial, const std::string& description,
                              const std::tm& local) {
  const std::string number = std::to_string(serial);
  switch (kind) {
    case SavedKind::ScheduledFax:
      return folder + number + " " +
             WithoutPathCharacters(oldSerial + " " + description + " " +
                                   FormatTime(local, "%m-%d-%Y-%H:%M")) +
             ".dib";
    case SavedKind::Text:
      return folder + number + " " + FormatTime(local, "%A, %B %d, %Y %H-%M-%S.txt");
    case SavedKind::ManualFax:
      break;
  }
  return folder + number + " " + FormatTime(local, "%A, %B %d, %Y %H-%M-%S.dib");
}

int BufferMinutes(const std::string& ioc) {
  const int rows = static_cast<int>(2400.0f / 1280.0f * 800.0f);
  const int perMinute = ioc == "288" ? 60 : 40;
  const int minutes = rows / perMinute;
  return minutes - minutes / 4;
}

}  // namespace vt::fax
