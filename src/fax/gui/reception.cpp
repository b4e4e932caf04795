// Starting, stopping and saving fax receptions; the tuning-scope toggle and skew commands.
#include <fcntl.h>
#include <unistd.h>

#include <wx/dcclient.h>
#include <wx/filename.h>

#include "app/clock.h"
#include "app/messages.h"
#include "app/vantorelapp.h"
#include "app/vantorelfrm.h"
#include "fax/reception_rules.h"

namespace {

std::tm LocalNow() {
  const std::time_t now = vt::Now();
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

// Writes text byte for byte, as the decoder produced it.
bool WriteText(const wxString& path, const wxString& text) {
  const int fd = ::open(path.fn_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
  if (fd < 0) return false;
  const wxCharBuffer bytes = text.To8BitData();
  const char* data = bytes.data();
  size_t left = bytes.length();
  bool ok = true;
  while (ok && left > 0) {
    const ssize_t n = ::write(fd, data, left);
    ok = n > 0;
    if (ok) {
      data += n;
      left -= static_cast<size_t>(n);
    }
  }
  return ::close(fd) == 0 && ok;
}

}  // namespace

void vantorelFrame::PLL() {
  ++pllCalls;
  fax.PLL();
}

void vantorelFrame::OnFaxReceivefax(wxCommandEvent&) {
  if (IsReceiving || fax.IsReceiving) return;
  IsReceiving = true;
  if (NewTimerActive) vt::fax::ApplyReceptionCodes(ToUtf8(FaxLast), fax.ioc, fax.speed);

  if (!sc.Open()) {
    IsReceiving = false;
    fax.FinishReception();
    AppStore()->Write("TimerOn", "OFF");
    SetStatusBar();
    return;
  }
  fax.StartReception(ReadSkew());
  wxMilliSleep(2000);  // let the first block of audio arrive

  faxHost.ScopeRestoreSize();
  if (ScopeVisible) {
    scope->Show(true);
    Frfft->Show(true);
  }
  tk->interval = 1000;
  tk->Start(1000, wxTIMER_CONTINUOUS);
  Stopped = false;

  faxHost.ScopeClearStrip();
  wxClientDC(scope).DrawText("Initialising Communications", 5, 5);
  SetStatusBar();
}

void vantorelFrame::StartAutostartReception() {
  if (IsReceiving || IsReceivingTelex || IsReceivingNavtex) return;
  fax.AutoStartEngaged = true;
  OnFaxReceivefax(wxGetApp().NotUsed);
}

void vantorelFrame::OnUpdateFaxReceivefax(wxUpdateUIEvent& event) {
  event.Check(IsReceiving);
  event.Enable(!IsReceiving && !IsReceivingTelex && !IsReceivingNavtex);
}

void vantorelFrame::OnFaxStopreceiving(wxCommandEvent&) {
  if (!IsReceiving && !IsReceivingTelex && !IsReceivingNavtex) return;
  tk->Stop();
  Stopped = true;
  TimerCapture = false;
  TimerActive = false;
  TerminateReception();
  IsReceivingNavtex = false;
  IsReceivingTelex = false;
}

void vantorelFrame::OnUpdateFaxStopreceiving(wxUpdateUIEvent& event) {
  event.Enable(IsReceiving || IsReceivingTelex || IsReceivingNavtex);
}

void vantorelFrame::TerminateReception() {
  const bool text = IsReceivingTelex || IsReceivingNavtex;
  if (!IsReceiving && !text) return;
  sc.Close();
  AppStore()->Write("TimerOn", "OFF");

  unsigned long rows = fax.pixy;
  bool saved = false;
  if (text && tlxbuffer.length() > 10) {
    saved = SavePicture();
    rows = 6;  // so that the text opens below
  }
  if (IsReceiving && rows > 5 && !TimerActive) saved = SavePicture();

  const wxSize tune = scope->GetClientSize();
  if (tune.y > 40) {
    AppStore()->Write("TuneX", static_cast<long>(tune.x));
    AppStore()->Write("TuneY", static_cast<long>(tune.y));
  }
  Frfft->Show(false);
  tlxwin->Show(false);
  scope->Show(false);

  Faxlen = rows;
  fax.FinishReception();
  if (!TimerActive) {
    tk->Stop();
    Stopped = true;
  }
  IsReceiving = IsReceivingTelex = IsReceivingNavtex = false;
  if (bExit) return;

  if (TimerCapture && (rows > 2 || fax.Interupted)) {
    TimerCapture = false;
    if (rows > 5 && !saved) saved = SavePicture();
    tk->interval = 1500;
    Stopped = false;
    if (NewTimerActive) AdvanceSchedule();
  } else {
    TimerCapture = false;
    TimerActive = false;
  }
  SetStatusBar();
  if (!TimerActive && rows > 5 && saved)
    wxGetApp().m_docManager->CreateDocument(name, wxDOC_SILENT);
  fax.m_hDIB.Release();
}

bool vantorelFrame::SavePicture() {
  const std::tm local = LocalNow();
  const wxString old = ReadString(AppStore(), "SerialNo", "99999");
  const int n = vt::fax::NextSerialNumber(ToUtf8(old));
  AppStore()->Write("SerialNo", wxString::Format("%i", n));
  AppStore()->Flush();  // the number is used up even if the file cannot be written

  const bool text = IsReceivingTelex || IsReceivingNavtex;
  const vt::fax::SavedKind kind = text ? vt::fax::SavedKind::Text
                                  : (NewTimerActive && !ContRec) ? vt::fax::SavedKind::ScheduledFax
                                                                 : vt::fax::SavedKind::ManualFax;
  const wxString wanted = wxString::FromUTF8(
      vt::fax::ReceptionFileName(kind, ToUtf8(wxGetApp().DefDir), n, ToUtf8(old), ToUtf8(FaxLast), local)
          .c_str());

  auto write = [&](const wxString& path) {
    return text ? WriteText(path, tlxbuffer)
                : vt::fax::WriteBmp(fax.m_hDIB, fax.pixy, std::string(path.fn_str()));
  };
  name = wanted;
  if (write(name)) return true;

  // The writer has reported the failure; a reception is never thrown away, so
  // try the data folder, then the temporary folder.
  const wxString base = wxFileName(wanted).GetFullName();
  for (const wxString& folder : {wxGetApp().WorkDir, wxFileName::GetTempDir() + "/"}) {
    wxFileName::Mkdir(folder, wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
    name = folder + base;
    if (write(name)) {
      RescuedPicture = name;
      vt::ShowMessage(ToUtf8("The reception was saved as " + name + " instead of " + wanted));
      return true;
    }
  }
  RescuedPicture.clear();
  vt::ShowMessage(ToUtf8("The reception could not be saved: " + wanted + " and the data and "
                       "temporary folders cannot be written"));
  name = wanted;
  return false;
}

void vantorelFrame::OnViewTuningscope(wxCommandEvent&) {
  if (ScopeVisible) {
    ScopeVisible = false;
    Frfft->Show(false);
    scope->Show(false);
    tlxwin->Show(false);
    return;
  }
  if (!IsReceiving && !IsReceivingTelex && !IsReceivingNavtex) return;
  ScopeVisible = true;
  Frfft->Show(true);
  scope->Show(true);
  if (!IsReceiving) tlxwin->Show(true);
}

void vantorelFrame::OnUpdateViewTuningscope(wxUpdateUIEvent& event) {
  event.Check(ScopeVisible);
  event.Enable(IsReceiving || IsReceivingTelex || IsReceivingNavtex);
}

void vantorelFrame::ShowSkew() {
  if (Skewval != nullptr) Skewval->SetValue(wxString::Format("%i", vt::fax::SkewToK(fax.skew)));
}

void vantorelFrame::OnPictureSkewleft(wxCommandEvent&) {
  fax.skew = vt::fax::SkewLeft(fax.skew);
  AppStore()->Write("SSkew", static_cast<long>(fax.skew));
  ShowSkew();
}

void vantorelFrame::OnPictureSkewright(wxCommandEvent&) {
  fax.skew = vt::fax::SkewRight(fax.skew);
  AppStore()->Write("SSkew", static_cast<long>(fax.skew));
  ShowSkew();
}

void vantorelFrame::OnUpdateSkewval(wxCommandEvent&) {}
