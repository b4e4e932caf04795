#include "picture/vantoreldoc.h"

#include <wx/filename.h>

#include "app/messages.h"
#include "app/vantorelapp.h"
#include "picture/picture_load.h"
#include "ui/vantorelrc_wdr.h"
#include "app/vantorelfrm.h"
#include "view/vantorelview.h"

wxIMPLEMENT_DYNAMIC_CLASS(vantorelDoc, wxDocument);

wxBEGIN_EVENT_TABLE(vantorelDoc, wxDocument)
  EVT_MENU(ID_CLOSE, vantorelDoc::OnClose)
  EVT_MENU(ID_DELETE, vantorelDoc::OnFaxDelete)
  EVT_MENU(ID_UNDO, vantorelDoc::OnUndo)
  EVT_UPDATE_UI(ID_UNDO, vantorelDoc::OnUpdateUndo)
  EVT_MENU(ID_WORKINGFOLDER, vantorelDoc::OnConfigurationSetdefaultdirectory)
  EVT_MENU(ID_ZOOMIN, vantorelDoc::OnPictureZoomin)
  EVT_MENU(ID_WIDE, vantorelDoc::OnPictureWideband)
  EVT_UPDATE_UI(ID_WIDE, vantorelDoc::OnUpdatePictureWideband)
  EVT_MENU(ID_NARROW, vantorelDoc::OnPictureNarrowband)
  EVT_UPDATE_UI(ID_NARROW, vantorelDoc::OnUpdatePictureNarrowband)
wxEND_EVENT_TABLE()

namespace {

const char kInvalidFile[] = "Invalid Fax File";
const char kEmptyPicture[] = "Warning - empty Weather Fax image";
const char kTooLarge[] = "Picture too large to open";

wxString AskForFolder() {
  return wxDirSelector("Please select folder", wxEmptyString, wxDD_DEFAULT_STYLE,
                       wxDefaultPosition, wxGetApp().GetMainFrame());
}

bool AnsweredYes(const wxString& text, const wxString& caption) {
  return vt::ShowMessage(std::string(text.utf8_str()), std::string(caption.utf8_str()),
                         wxYES_NO | wxCANCEL | wxCENTRE) == vt::kAnswerYes;
}

}  // namespace

std::function<wxString()> vantorelDoc::FolderChooser = AskForFolder;

vantorelDoc::vantorelDoc() : m_cursel(wxCURSOR_HAND) {}

vantorelDoc::~vantorelDoc() = default;

vantorelView* vantorelDoc::FirstPictureView() const {
  return wxDynamicCast(GetFirstView(), vantorelView);
}

bool vantorelDoc::IsModified() const { return wxDocument::IsModified(); }

void vantorelDoc::Modify(bool modified) {
  wxDocument::Modify(modified);
  UpdateAllViews();
}

void vantorelDoc::AllocateBuffers() {
  const size_t pixels = static_cast<size_t>(m_hDIB.GetWidth()) * m_hDIB.GetHeight();
  holdDIB.assign(pixels * 3, 0);
  tempmap.assign(pixels, 0);
}

void vantorelDoc::ShowFirstViewFullSize() {
  if (vantorelView* view = FirstPictureView()) {
    view->zoomfact = 1;
    view->ShowAtSize(m_hDIB.GetWidth(), m_hDIB.GetHeight());
  }
}

void vantorelDoc::RememberRecentFile(const wxString& path) {
  wxFileHistory* history = GetDocumentManager()->GetFileHistory();
  if (history == nullptr) return;
  for (size_t i = 0; i < history->GetCount(); ++i) {
    if (history->GetHistoryFile(i) == path) return;
  }
  GetDocumentManager()->AddFileToHistory(path);
}

bool vantorelDoc::OnOpenDocument(const wxString& path) {
  const vt::picture::LoadedPicture loaded = vt::picture::LoadPicture(path);
  if (loaded.status == vt::picture::LoadStatus::kMissing) return false;
  SetFilename(path, true);
  SetTitle(wxFileNameFromPath(path));
  wxDocument::Modify(false);
  SetDocumentSaved(true);
  PathName = path;

  switch (loaded.status) {
    case vt::picture::LoadStatus::kNotAFile:
    case vt::picture::LoadStatus::kTooShort:
      vt::ShowMessage(kInvalidFile);
      return false;
    case vt::picture::LoadStatus::kTooLarge:
      vt::ShowMessage(kTooLarge);
      return false;
    case vt::picture::LoadStatus::kEmpty:
      ht = 0;
      vt::ShowMessage(kEmptyPicture);
      return false;
    default:
      break;
  }
  m_hDIB = loaded.image;
  ht = m_hDIB.GetHeight();
  // Only pictures that open are worth offering again.
  RememberRecentFile(path);
  AllocateBuffers();
  ShowFirstViewFullSize();
  SaveTemp();
  SaveBuffer();
  UpdateAllViews();
  return true;
}

bool vantorelDoc::OnNewDocument() {
  if (!wxDocument::OnNewDocument()) return false;
  m_hDIB = wxImage(kNewPictureWidth, kNewPictureHeight, true);
  ht = m_hDIB.GetHeight();
  AllocateBuffers();
  ShowFirstViewFullSize();
  UpdateAllViews();
  return true;
}

bool vantorelDoc::OnSaveDocument(const wxString& path) {
  // A picture that could not be written is not reported as saved.
  if (!HasPicture() || !m_hDIB.SaveFile(path, wxBITMAP_TYPE_PCX)) return false;
  wxDocument::Modify(false);
  SetDocumentSaved(true);
  return true;
}

void vantorelDoc::SaveBuffer() {
  if (!m_hDIB.IsOk()) return;
  const size_t bytes = static_cast<size_t>(m_hDIB.GetWidth()) * m_hDIB.GetHeight() * 3;
  const unsigned char* rgb = m_hDIB.GetData();
  holdDIB.assign(rgb, rgb + bytes);
  savex = m_hDIB.GetWidth();
  savey = m_hDIB.GetHeight();
  BufferSaved = true;
}

void vantorelDoc::SaveTemp() {
  if (!m_hDIB.IsOk()) return;
  const size_t pixels = static_cast<size_t>(m_hDIB.GetWidth()) * m_hDIB.GetHeight();
  tempmap.resize(pixels);
  const unsigned char* rgb = m_hDIB.GetData();
  for (size_t i = 0; i < pixels; ++i) tempmap[i] = rgb[3 * i];
}

void vantorelDoc::RestoreBuffer() {
  const size_t bytes = static_cast<size_t>(savex) * savey * 3;
  if (!BufferSaved || bytes == 0 || holdDIB.size() < bytes) return;
  m_hDIB = wxImage(savex, savey, false);
  std::copy(holdDIB.begin(), holdDIB.begin() + static_cast<std::ptrdiff_t>(bytes),
            m_hDIB.GetData());
  if (vantorelView* view = FirstPictureView()) view->ShowAtSize(savex, savey);
  BufferSaved = false;
}

void vantorelDoc::SelectTool(int tool) {
  cursel = tool;
  m_cursel = wxCursor(tool == 2 ? wxCURSOR_MAGNIFIER : wxCURSOR_HAND);
}

void vantorelDoc::OnUndo(wxCommandEvent&) {
  RestoreBuffer();
  UpdateAllViews();
}

void vantorelDoc::OnUpdateUndo(wxUpdateUIEvent& event) { event.Enable(BufferSaved); }

void vantorelDoc::OnPictureZoomin(wxCommandEvent&) { SelectTool(2); }

void vantorelDoc::OnClose(wxCommandEvent&) {
  wxDocManager* manager = GetDocumentManager();
  if (wxDocument* active = manager->GetCurrentDocument()) manager->CloseDocument(active);
}

void vantorelDoc::OnFaxDelete(wxCommandEvent&) {
  if (!AnsweredYes("Confirm Delete?", "Confirm")) return;
  // A document never saved has no file: the removal fails quietly.
  const wxString file = GetFilename();
  if (!file.empty() && wxFileExists(file)) wxRemoveFile(file);
  GetDocumentManager()->CloseDocument(this);  // deletes this document
}

wxString ChooseConfirmedFolder(const std::function<wxString()>& chooser) {
  for (;;) {
    const wxString folder = chooser();
    if (folder.empty()) return wxEmptyString;
    if (AnsweredYes("Confirm ? " + folder, "Confirm Working Directory")) return folder;
  }
}

void vantorelDoc::OnConfigurationSetdefaultdirectory(wxCommandEvent&) {
  wxString folder = ChooseConfirmedFolder(FolderChooser);
  if (folder.empty()) return;
  if (!folder.EndsWith("/")) folder += "/";
  vantorelApp& app = wxGetApp();
  GetDocumentManager()->SetLastDirectory(folder);
  app.DefDir = folder;
  app.config->Write("DefaultDirectory", folder);
}

vantorelDoc* OpenPictureDocument(wxDocManager* manager, const wxString& path) {
  wxDocTemplate* pictures = nullptr;
  for (wxDocTemplate* t : manager->GetTemplatesVector()) {
    if (t->GetDocClassInfo() == CLASSINFO(vantorelDoc)) pictures = t;
  }
  if (pictures == nullptr) return nullptr;
  wxDocument* doc = pictures->CreateDocument(path, wxDOC_SILENT);
  if (doc == nullptr) return nullptr;
  doc->SetDocumentName(pictures->GetDocumentName());
  if (!doc->OnOpenDocument(path)) {
    doc->DeleteAllViews();  // deletes the document too
    return nullptr;
  }
  if (wxView* view = doc->GetFirstView()) view->Activate(true);
  return wxDynamicCast(doc, vantorelDoc);
}

namespace {

void SetBandwidth(const char* value) {
  vantorelFrame* frame = wxGetApp().GetMainFrame();
  frame->fax.Bandwidth = value;
  frame->SetStatusText(value, 1);
}

bool BandwidthIs(const char* value) { return wxGetApp().GetMainFrame()->fax.Bandwidth == value; }

}  // namespace

void vantorelDoc::OnPictureWideband(wxCommandEvent&) { SetBandwidth("PHOTO"); }

void vantorelDoc::OnUpdatePictureWideband(wxUpdateUIEvent& event) { event.Check(BandwidthIs("PHOTO")); }

void vantorelDoc::OnPictureNarrowband(wxCommandEvent&) { SetBandwidth("CHART"); }

void vantorelDoc::OnUpdatePictureNarrowband(wxUpdateUIEvent& event) { event.Check(BandwidthIs("CHART")); }
