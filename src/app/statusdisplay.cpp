#include "app/statusdisplay.h"

#include "fax/reception_rules.h"

namespace vt {

std::string ClockText(const std::tm& t) {
  return std::to_string(t.tm_hour) + ":" + std::to_string(t.tm_min) + ":" + std::to_string(t.tm_sec);
}

namespace {

std::string ScheduleClock(const ReceptionState& s) {
  return ClockText(s.NewTimerActive ? s.NewStartTime : s.Now);
}

}  // namespace

StatusFields StatusBarFields(const ReceptionState& s) {
  StatusFields f;
  f.field[1] = s.Bandwidth;
  f.field[2] = s.IsReceiving ? "Connected" : "IDLE";
  if (s.AutoStartEngaged)
    f.field[3] = s.AutoStartReceiving ? "AutoStarted" : "Waiting";
  else if (!s.IsReceiving)
    f.field[3] = "Idle";
  else if (!s.TimerActive)
    f.field[3] = "Receiving";
  if (s.TimerActive) f.field[3] = "Active";
  if (s.ContRec)
    f.field[3] = "AutoContinous";
  else if (s.TimerActive)
    f.field[3] = ScheduleClock(s);
  f.field[4] = s.ioc;
  f.field[5] = s.speed;
  f.field[6] = s.ridID == "NONE" ? "Manual Tuning" : s.ridID;
  return f;
}

StatusDialogValues StatusDialog(const ReceptionState& s) {
  StatusDialogValues v;
  v.connection = s.IsReceiving ? "Connected" : "IDLE";
  if (s.AutoStartEngaged && s.AutoStartReceiving)
    v.autostart = "AutoStarted";
  else if (s.AutoStartEngaged)
    v.autostart = "Waiting For Fax";
  else
    v.autostart = s.IsReceiving ? "Receiving" : "Idle";
  v.timer = s.TimerActive ? "Active" : "Idle";
  if (s.ContRec)
    v.next_fax = "AutoContinous";
  else if (s.TimerActive)
    v.next_fax = ScheduleClock(s);
  else
    v.next_fax = "Normal Receive";
  v.bufsize = std::to_string(fax::BufferMinutes(s.ioc)) + " Minutes";
  return v;
}

}  // namespace vt
