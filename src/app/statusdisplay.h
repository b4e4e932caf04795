// What the status bar and the status dialog say, decided from the frame's flags.
#pragma once

#include <ctime>
#include <string>

namespace vt {

struct ReceptionState {
  bool IsReceiving = false;
  bool AutoStartEngaged = false;
  bool AutoStartReceiving = false;
  bool TimerActive = false;
  bool NewTimerActive = false;
  bool ContRec = false;
  std::tm NewStartTime{};  // local time of the next scheduled start
  std::tm Now{};           // local time now
  std::string Bandwidth, ioc, speed, ridID;
};

// Fields 1 to 6 of the main status bar (index 0 unused).
struct StatusFields {
  std::string field[7];
};

StatusFields StatusBarFields(const ReceptionState& s);

// The five values of the status dialog.
struct StatusDialogValues {
  std::string bufsize, next_fax, timer, autostart, connection;
};

StatusDialogValues StatusDialog(const ReceptionState& s);

// Hour, minute and second without leading zeros ("%i:%i:%i").
std::string ClockText(const std::tm& t);

}  // namespace vt
