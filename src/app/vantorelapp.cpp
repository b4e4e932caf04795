// Start-up, configuration stores, document kinds, tool box and shutdown.
#include "app/vantorelapp.h"

#include <wx/filename.h>
#include <wx/fs_arc.h>
#include <wx/splash.h>
#include <wx/utils.h>

#include "app/messages.h"
#include "app/vantorelfrm.h"
#include "picture/vantoreldoc.h"
#include "telex/vantelexdoc.h"
#include "ui/vantorelrc_wdr.h"
#include "view/vantorelview.h"

wxBEGIN_EVENT_TABLE(vantorelApp, wxApp)
  EVT_MENU(wxID_ABOUT, vantorelApp::About)
  EVT_MENU(wxID_HELP_CONTENTS, vantorelApp::Help)
  EVT_MENU(ID_TOOLBOX, vantorelApp::OnToolbox)
  EVT_UPDATE_UI(ID_TOOLBOX, vantorelApp::OnUpdateToolbox)
wxEND_EVENT_TABLE()

vantorelApp& wxGetApp() { return *static_cast<vantorelApp*>(wxApp::GetInstance()); }

wxFileConfig* OpenConfigStore(const wxString& appName) {
  return new wxFileConfig(appName, wxEmptyString, wxEmptyString, wxEmptyString,
                          wxCONFIG_USE_LOCAL_FILE | wxCONFIG_USE_GLOBAL_FILE);
}

wxString ReadString(wxConfigBase* config, const wxString& key, const wxString& def) {
  return config->Read(key, def);
}

wxConfigBase* AppStore() { return wxGetApp().config; }

long ReadLong(wxConfigBase* config, const wxString& key, long def) {
  // A hand-edited store may hold text where a number belongs: fall back to the default.
  wxString text;
  if (!config->Read(key, &text)) return def;
  long value = 0;
  return text.Trim().Trim(false).ToLong(&value) ? value : def;
}

namespace {

// Shows a message with a wx message box; the one door all program messages use.
int ShowMessageBox(const std::string& text, const std::string& caption, long style) {
  if (style == 0) style = wxOK | wxCENTRE;
  return wxMessageBox(wxString::FromUTF8(text.c_str()), wxString::FromUTF8(caption.c_str()), style);
}

wxString HomeFolder() {
  wxString home;
  if (!wxGetEnv("HOME", &home)) home = wxGetHomeDir();
  return home;
}

// A window size from the store, or the default when the stored one is unusable.
int SaneExtent(long stored, int fallback) {
  return (stored >= 100 && stored <= 20000) ? static_cast<int>(stored) : fallback;
}

int SanePosition(long stored, int fallback) {
  return (stored >= -20000 && stored <= 20000) ? static_cast<int>(stored) : fallback;
}

// Pictures are told apart by their content, not their name: any file that no
// template claims by its extension (a PNG, a JPEG, ...) goes to the picture kind.
class VantorelDocManager : public wxDocManager {
 public:
  wxDocTemplate* FindTemplateForPath(const wxString& path) override {
    if (wxDocTemplate* byName = wxDocManager::FindTemplateForPath(path)) return byName;
    const wxDocTemplateVector templates = GetTemplatesVector();
    return templates.empty() ? nullptr : templates.front();
  }
};

}  // namespace

vantorelApp::vantorelApp() {
  gconfig = OpenConfigStore(kSharedConfigName);
  config = OpenConfigStore(kAppConfigName);
  WorkDir = ReadString(config, "WD", "NOWD");
  DefDir = ReadString(config, "DefaultDirectory", "NOWD");
  WorkDir = HomeFolder() + "/vantorel/";
  if (DefDir == "NOWD") DefDir = WorkDir;
  config->Write("WD", WorkDir);
  config->Write("DefaultDirectory", DefDir);
  PaletteDraw = false;
}

vantorelApp::~vantorelApp() {
  // Normally released by OnExit; a refused start leaves them here, unwritten.
  if (config != nullptr) {
    config->DisableAutoSave();
    delete config;
  }
  if (gconfig != nullptr) {
    gconfig->DisableAutoSave();
    delete gconfig;
  }
}

void vantorelApp::Pause(int milliseconds) {
  if (!quickStart) wxMilliSleep(milliseconds);
}

bool vantorelApp::ParseCommandLine() {
  for (int i = 1; i < argc; ++i) {
    const wxString arg = argv[i];
    if (arg == "--audio-file" && i + 1 < argc) {
      audioFile = argv[++i];
    } else if (arg == "--shift" && i + 1 < argc) {
      if (!wxString(argv[++i]).ToCDouble(&audioShift)) {
        fprintf(stderr, "vantorel: --shift wants a number of hertz\n");
        return false;
      }
    } else if (arg == "--receive") {
      receiveAtStart = true;
    } else if (arg == "--quick") {
      quickStart = true;
    } else if (arg == "--quit-after" && i + 1 < argc) {
      wxString(argv[++i]).ToLong(&quitAfterMs);
    } else if (arg.StartsWith("--")) {
      fprintf(stderr,
              "usage: vantorel [--audio-file RECORDING] [--shift HZ] [--receive] [--quick] "
              "[--quit-after MS] "
              "[DOCUMENT]\n");
      return false;
    } else if (Path.empty()) {
      Path = arg;
    }
  }
  return true;
}

bool vantorelApp::OnInit() {
  m_checker = new wxSingleInstanceChecker(wxString::Format("vantorelClass%s", wxGetUserId()));
  if (m_checker->IsAnotherRunning()) {
    delete m_checker;
    m_checker = nullptr;
    return false;
  }
  if (!ParseCommandLine()) return false;
  vt::SetMessageHandler(ShowMessageBox);

  timeErr = ReadLong(gconfig, "TimeErr", 0);

  m_docManager = new VantorelDocManager;
  new wxDocTemplate(m_docManager, "vantorel Files", "*.dib;*.DIB", "./", "dib", "vantorel Doc",
                    "vantorel View", CLASSINFO(vantorelDoc), CLASSINFO(vantorelView),
                    wxTEMPLATE_VISIBLE);
  new wxDocTemplate(m_docManager, "Telex Files", "*.txt;*.TXT", "./", "txt", "TELEX Doc",
                    "TELEX View", CLASSINFO(vantelexDoc), CLASSINFO(vantelexView),
                    wxTEMPLATE_VISIBLE);
  g_printData = new wxPrintData;
  if (DefDir != "NOWD") m_docManager->SetLastDirectory(DefDir);

  provider = new wxHelpControllerHelpProvider;
  delete wxHelpProvider::Set(provider);

  const wxPoint pos(SanePosition(ReadLong(config, "PTX", 10), 10),
                    SanePosition(ReadLong(config, "PTY", 10), 10));
  const wxSize size(SaneExtent(ReadLong(config, "CX", 600), 600),
                    SaneExtent(ReadLong(config, "CY", 400), 400));
  m_mainFrame = new vantorelFrame(m_docManager, nullptr, kMainTitle, pos, size,
                                  wxDEFAULT_FRAME_STYLE);

  wxInitAllImageHandlers();
  wxFileSystem::AddHandler(new wxArchiveFSHandler);
  const wxString book = WorkDir + "vantorel.htb";
  if (wxFileExists(book)) m_mainFrame->GetAdvancedHtmlHelpController().AddBook(wxFileName(book));
  provider->SetHelpController(&m_mainFrame->GetAdvancedHtmlHelpController());

  ShowSplash();
  const wxString mru1 = RestoreRecentFiles();

  MainM = MyMenuBarFunc();
  m_mainFrame->SetMenuBar(MainM);
  m_docManager->FileHistoryUseMenu(MainM->GetMenu(0));
  m_docManager->FileHistoryAddFilesToMenu();

  RecreateToolBox();
  m_mainFrame->Show(true);
  SetTopWindow(m_mainFrame);
  Pause(1);

  const wxString first = (mru1.length() <= 2) ? DefDir + "workfile.dib" : mru1;
  m_mainFrame->Move(10, 10);
  // A frame already at (10, 10) gets no move event; store the position either way.
  config->Write("PTX", static_cast<long>(m_mainFrame->GetPosition().x));
  config->Write("PTY", static_cast<long>(m_mainFrame->GetPosition().y));
  const wxString toOpen = Path.empty() ? first : Path;
  if (wxFileExists(toOpen)) m_docManager->CreateDocument(toOpen, wxDOC_SILENT);
  Pause(1);

  // Start receiving from the next start tone once the window is up.
  if (receiveAtStart) CallAfter([this] { m_mainFrame->StartAutostartReception(); });

  if (quitAfterMs > 0) {
    quitTimer = new wxTimer;
    quitTimer->Bind(wxEVT_TIMER, [this](wxTimerEvent&) {
      if (m_mainFrame != nullptr) m_mainFrame->Close(true);
    });
    quitTimer->StartOnce(static_cast<int>(quitAfterMs));
  }
  return true;
}

void vantorelApp::ShowSplash() {
  const wxString name = WorkDir + "splash.jpg";
  if (!quickStart && wxFileExists(name)) {
    wxBitmap bitmap;
    if (bitmap.LoadFile(name, wxBITMAP_TYPE_JPEG)) {
      new wxSplashScreen(bitmap, wxSPLASH_CENTRE_ON_SCREEN | wxSPLASH_TIMEOUT, 3000, nullptr, -1,
                         wxDefaultPosition, wxDefaultSize, wxSIMPLE_BORDER);
    }
  }
  Pause(3000);
  wxYield();
}

wxString vantorelApp::RestoreRecentFiles() {
  wxString mru1;
  for (int n = 6; n >= 1; --n) {
    const wxString value = ReadString(config, wxString::Format("mru%i", n), "");
    if (!value.empty()) m_docManager->AddFileToHistory(value);
    if (n == 1) mru1 = value;
  }
  return mru1;
}

int vantorelApp::OnExit() {
  delete quitTimer;
  quitTimer = nullptr;
  config->Write("TimerOn", "OFF");
  delete m_checker;
  m_checker = nullptr;
  if (m_docManager != nullptr) {
    wxFileHistory* history = m_docManager->GetFileHistory();
    for (size_t n = 0; history != nullptr && n < history->GetCount(); ++n) {
      const wxString entry = history->GetHistoryFile(n);
      if (!entry.empty()) config->Write(wxString::Format("mru%i", static_cast<int>(n) + 1), entry);
    }
  }
  delete g_printData;
  g_printData = nullptr;
  delete gconfig;
  gconfig = nullptr;
  delete config;
  config = nullptr;
  delete m_docManager;
  m_docManager = nullptr;
  return 0;
}

wxWindow* vantorelApp::FindToolBox() {
  return m_mainFrame != nullptr ? m_mainFrame->FindWindowByName("ToolBox", m_mainFrame) : nullptr;
}

void vantorelApp::RecreateToolBox() {
  const bool radio = ReadString(config, "RadioPresent", "NO") != "NO";
  const wxSize size(620, radio ? 98 : 78);
  ToolBox = new wxFrame(m_mainFrame, -1, "ToolBox", wxPoint(250, 250), size,
                        wxCAPTION | wxFRAME_FLOAT_ON_PARENT | wxFRAME_TOOL_WINDOW |
                            wxFRAME_NO_TASKBAR,
                        "ToolBox");
  delete ToolBox->GetToolBar();
  ToolBox->SetToolBar(nullptr);
  wxToolBar* bar = ToolBox->CreateToolBar(wxTB_FLAT | wxTB_HORIZONTAL, wxID_ANY, "ToolBar");
  bar->SetToolBitmapSize(wxSize(24, 24));
  MyToolBoxFunc(bar);
  m_statboxCustom = new MyShortStatusBar(ToolBox);
  ToolBox->SetStatusBar(m_statboxCustom);
  ToolBox->SetHelpText(
      "To review toolbar functions, rest mouse over the toolbar button and read the description "
      "on the bottom Status bar.\nSelect help menu Contents for detailed help");
  wxPanel* panel = new wxPanel(ToolBox, wxID_ANY);
  FreqBar(panel, true, true);
  if (m_mainFrame != nullptr) m_mainFrame->InitialiseToolBox();
}

void vantorelApp::RecreateToolbar(wxMDIChildFrame*) {
  if (wxWindow* box = FindToolBox()) {
    box->Show(true);
    bToolbox = true;
  }
}

void vantorelApp::OnToolbox(wxCommandEvent&) {
  if (FindToolBox() == nullptr) {
    RecreateToolBox();
    bToolbox = false;
  }
  wxWindow* box = FindToolBox();
  if (bToolbox) {
    bToolbox = false;
    if (box != nullptr) box->Show(false);
  } else {
    bToolbox = true;
    if (box != nullptr) box->Show(true);
  }
}

void vantorelApp::OnUpdateToolbox(wxUpdateUIEvent& event) {
  event.Check(FindToolBox() != nullptr && bToolbox);
}

wxMDIChildFrame* vantorelApp::CreateChildFrame(wxDocument* doc, wxView* view, bool) {
  auto* child = new wxDocMDIChildFrame(doc, view, m_mainFrame, -1, "Child Frame", wxPoint(10, 10),
                                       wxSize(300, 300), wxDEFAULT_FRAME_STYLE | wxMAXIMIZE,
                                       "frame");
  // The icon file is looked up in the current folder; without it the frame keeps the default.
  if (wxFileExists("Vantorel 8")) {
    wxIcon icon;
    if (icon.LoadFile("Vantorel 8", wxBITMAP_TYPE_XPM)) child->SetIcon(icon);
  }
  RecreateToolbar(child);
  return child;
}

void vantorelApp::About(wxCommandEvent&) {
  wxDialog dialog(m_mainFrame, -1, "About", wxDefaultPosition, wxDefaultSize,
                  wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX);
  ::About(&dialog, true, true);
  dialog.Centre();
  dialog.ShowModal();
}

void vantorelApp::Help(wxCommandEvent&) {
  if (m_mainFrame != nullptr) m_mainFrame->GetAdvancedHtmlHelpController().DisplayContents();
}

wxBEGIN_EVENT_TABLE(MyShortStatusBar, wxStatusBar)
  EVT_SIZE(MyShortStatusBar::OnSize)
wxEND_EVENT_TABLE()

MyShortStatusBar::MyShortStatusBar(wxWindow* parent)
    : wxStatusBar(parent, wxID_ANY, wxSTB_SIZEGRIP, "statusBar") {
  static const int widths[1] = {-1};
  SetFieldsCount(1, widths);
  bbutim = new wxImage(256, 17);
  for (int x = 0; x < 256; ++x)
    for (int y = 0; y < 17; ++y) bbutim->SetRGB(x, y, x, x, x);
  bbmp = wxBitmap(*bbutim);
  m_bbut = new wxBitmapButton(this, wxID_ANY, bbmp, wxPoint(360, 3), wxSize(256, 17),
                              wxBU_EXACTFIT);
}

MyShortStatusBar::~MyShortStatusBar() { delete bbutim; }

void MyShortStatusBar::OnSize(wxSizeEvent& event) { event.Skip(); }
