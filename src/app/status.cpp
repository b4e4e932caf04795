// The status bar refresh and the status dialog.
#include "app/statusdisplay.h"
#include "app/systat.h"
#include "app/vantorelapp.h"
#include "app/vantorelfrm.h"
#include "ui/vantorelrc_wdr.h"

CSystat::CSystat(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos,
                 const wxSize& size, long style)
    : wxDialog(parent, id, title, pos, size, style) {
  FaxStatus(this, true, true);
}

bool CSystat::TransferDataToWindow() {
  GetBuffersize()->SetValue(m_bufsize);
  GetNextfax()->SetValue(m_next_fax);
  GetAutosched()->SetValue(m_timer);
  GetAutostart()->SetValue(m_autostart);
  GetConnection()->SetValue(m_connection);
  return true;
}

namespace {

std::tm LocalTime(const wxDateTime& t) {
  const std::time_t seconds = t.IsValid() ? t.GetTicks() : 0;
  std::tm local{};
  localtime_r(&seconds, &local);
  return local;
}

}  // namespace

vt::ReceptionState vantorelFrame::CurrentReceptionState() const {
  vt::ReceptionState s;
  s.IsReceiving = IsReceiving;
  s.AutoStartEngaged = fax.AutoStartEngaged;
  s.AutoStartReceiving = fax.AutoStartReceiving;
  s.TimerActive = TimerActive;
  s.NewTimerActive = NewTimerActive;
  s.ContRec = ContRec;
  s.NewStartTime = LocalTime(NewStartTime);
  s.Now = LocalTime(wxDateTime::Now());
  s.Bandwidth = fax.Bandwidth;
  s.ioc = fax.ioc;
  s.speed = fax.speed;
  s.ridID = std::string(ridID.utf8_str());
  return s;
}

void vantorelFrame::SetStatusBar() {
  if (GetStatusBar() == nullptr) return;
  const vt::StatusFields f = vt::StatusBarFields(CurrentReceptionState());
  for (int i = 1; i <= 6; ++i) SetStatusText(wxString::FromUTF8(f.field[i].c_str()), i);
}

void vantorelFrame::OnFaxReceivestatus(wxCommandEvent&) {
  CSystat dialog(this, -1, "Status", wxPoint(150, 150), wxDefaultSize, wxDEFAULT_DIALOG_STYLE);
  const vt::StatusDialogValues v = vt::StatusDialog(CurrentReceptionState());
  dialog.m_connection = v.connection;
  dialog.m_autostart = v.autostart;
  dialog.m_timer = v.timer;
  dialog.m_next_fax = v.next_fax;
  dialog.m_bufsize = v.bufsize;
  dialog.ShowModal();
}
