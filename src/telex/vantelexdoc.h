// The telex text document and its view: saved telex and NAVTEX text, editable.
#pragma once

#include <wx/docmdi.h>
#include <wx/docview.h>
#include <wx/wx.h>

class vantelexDoc : public wxDocument {
 public:
  bool OnSaveDocument(const wxString& filename) override;
  bool OnOpenDocument(const wxString& filename) override;
  bool IsModified() const override;
  void Modify(bool mod) override;

 private:
  wxTextCtrl* Text() const;
  wxDECLARE_DYNAMIC_CLASS(vantelexDoc);
};

class MyTextWindow;

class vantelexView : public wxView {
 public:
  bool OnCreate(wxDocument* doc, long flags) override;
  void OnDraw(wxDC* dc) override;
  void OnUpdate(wxView* sender, wxObject* hint) override;
  bool OnClose(bool deleteWindow) override;

  wxMDIChildFrame* frame = nullptr;
  MyTextWindow* textsw = nullptr;

 private:
  wxDECLARE_DYNAMIC_CLASS(vantelexView);
};

class MyTextWindow : public wxTextCtrl {
 public:
  MyTextWindow(wxView* v, wxMDIChildFrame* frame, const wxPoint& pos, const wxSize& size, long style);
  wxView* view;
};
