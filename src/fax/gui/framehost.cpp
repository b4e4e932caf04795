#include "fax/gui/framehost.h"

#include <wx/dcclient.h>
#include <wx/image.h>

#include "app/vantorelapp.h"
#include "app/vantorelfrm.h"

bool FrameFaxHost::FrequencyVisible() const {
  return frame->Frfft != nullptr && frame->Frfft->IsShown();
}

void FrameFaxHost::DrawSpectrum(const int* heights, int count) {
  wxClientDC dc(frame->Frfft);
  dc.SetPen(*wxBLACK_PEN);
  dc.SetBrush(*wxWHITE_BRUSH);
  dc.DrawRectangle(0, 0, 230, 100);
  dc.SetPen(wxPen(*wxRED, 1, wxPENSTYLE_SOLID));
  for (int i = 0; i < count; ++i) dc.DrawLine(i, 67, i, 67 - heights[i]);
  dc.SetPen(wxPen(*wxGREEN, 1, wxPENSTYLE_SOLID));
  dc.DrawLine(72, 88, 72, 0);
  dc.DrawLine(108, 88, 108, 0);
}

bool FrameFaxHost::ScopeVisible() const { return frame->scope != nullptr && frame->scope->IsShown(); }

int FrameFaxHost::ScopeClientWidth() const { return frame->scope->GetClientSize().x; }

void FrameFaxHost::ScopeShowStrip() { frame->scope->SetClientSize(320, 40); }

void FrameFaxHost::ScopeRestoreSize() {
  frame->scope->SetClientSize(static_cast<int>(ReadLong(wxGetApp().config, "TuneX", 320)),
                              static_cast<int>(ReadLong(wxGetApp().config, "TuneY", 635)));
}

void FrameFaxHost::ScopeClearStrip() {
  wxClientDC dc(frame->scope);
  dc.SetPen(*wxBLACK_PEN);
  dc.SetBrush(*wxWHITE_BRUSH);
  dc.DrawRectangle(0, 0, 320, 35);
}

void FrameFaxHost::ScopeLine(int x1, int y1, int x2, int y2) {
  wxClientDC dc(frame->scope);
  dc.SetPen(*wxBLACK_PEN);
  dc.DrawLine(x1, y1, x2, y2);
}

void FrameFaxHost::ScopeDrawPicture(const unsigned char* grey, int width, int rows, int w, int h) {
  if (grey == nullptr || width <= 0 || rows <= 0 || w <= 0 || h <= 0) return;
  wxImage picture(width, rows);
  unsigned char* rgb = picture.GetData();
  const size_t count = static_cast<size_t>(width) * static_cast<size_t>(rows);
  for (size_t i = 0; i < count; ++i) rgb[3 * i] = rgb[3 * i + 1] = rgb[3 * i + 2] = grey[i];
  wxClientDC dc(frame->scope);
  dc.DrawBitmap(wxBitmap(picture.Scale(w, h, wxIMAGE_QUALITY_NORMAL)), 0, 35);
}

void FrameFaxHost::ScopeTimerText(const std::string& text) {
  wxClientDC dc(frame->scope);
  dc.SetPen(*wxWHITE_PEN);
  dc.SetBrush(*wxWHITE_BRUSH);
  dc.DrawRectangle(100, 100, 100, 50);
  dc.DrawText(wxString::FromUTF8(text.c_str()), 100, 100);
}

bool FrameFaxHost::RadioActive() const { return frame->RadioActive; }

int FrameFaxHost::SigStr() const { return frame->SigStr; }

bool FrameFaxHost::TimerCapture() const { return frame->TimerCapture; }

bool FrameFaxHost::NewTimerActive() const { return frame->NewTimerActive; }

void FrameFaxHost::TerminateReception() { frame->TerminateReception(); }
