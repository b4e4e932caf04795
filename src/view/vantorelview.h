// The fax picture view. (Minimal until the view lands.)
#pragma once

#include <wx/docmdi.h>
#include <wx/docview.h>
#include <wx/wx.h>

class MyCanvas;

class vantorelView : public wxView {
 public:
  vantorelView() = default;
  bool OnCreate(wxDocument* doc, long flags) override;
  void OnDraw(wxDC* dc) override;
  bool OnClose(bool deleteWindow) override;

  wxMDIChildFrame* frame = nullptr;
  MyCanvas* canvas = nullptr;

 private:
  wxDECLARE_DYNAMIC_CLASS(vantorelView);
};
