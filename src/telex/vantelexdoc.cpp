#include "telex/vantelexdoc.h"

#include "app/vantorelapp.h"

wxIMPLEMENT_DYNAMIC_CLASS(vantelexDoc, wxDocument);
wxIMPLEMENT_DYNAMIC_CLASS(vantelexView, wxView);

wxTextCtrl* vantelexDoc::Text() const {
  auto* view = dynamic_cast<vantelexView*>(GetFirstView());
  return view != nullptr ? view->textsw : nullptr;
}

bool vantelexDoc::OnOpenDocument(const wxString& filename) {
  wxTextCtrl* text = Text();
  if (text == nullptr || !text->LoadFile(filename)) return false;
  SetFilename(filename, true);
  Modify(false);
  UpdateAllViews();
  return true;
}

bool vantelexDoc::OnSaveDocument(const wxString& filename) {
  wxTextCtrl* text = Text();
  if (text == nullptr || !text->SaveFile(filename)) return false;
  Modify(false);
  return true;
}

bool vantelexDoc::IsModified() const {
  wxTextCtrl* text = Text();
  if (text != nullptr) return wxDocument::IsModified() || text->IsModified();
  return wxDocument::IsModified();
}

void vantelexDoc::Modify(bool mod) {
  wxDocument::Modify(mod);
  wxTextCtrl* text = Text();
  if (!mod && text != nullptr) text->DiscardEdits();
}

bool vantelexView::OnCreate(wxDocument* doc, long) {
  frame = wxGetApp().CreateChildFrame(doc, this, false);
  int w = 0, h = 0;
  frame->GetClientSize(&w, &h);
  textsw = new MyTextWindow(this, frame, wxPoint(0, 0), wxSize(w, h), wxTE_MULTILINE);
  frame->SetTitle("Telex Viewer");
  frame->Show(true);
  Activate(true);
  return true;
}

void vantelexView::OnDraw(wxDC*) {}

void vantelexView::OnUpdate(wxView*, wxObject*) {}

bool vantelexView::OnClose(bool deleteWindow) {
  if (!GetDocument()->Close()) return false;
  Activate(false);
  if (deleteWindow && frame != nullptr) {
    frame->Destroy();
    SetFrame(nullptr);
    frame = nullptr;
  }
  return true;
}

MyTextWindow::MyTextWindow(wxView* v, wxMDIChildFrame* frame, const wxPoint& pos,
                           const wxSize& size, long style)
    : wxTextCtrl(frame, wxID_ANY, "", pos, size, style), view(v) {}
