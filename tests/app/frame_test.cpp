// The running main frame: its windows, the tick and the tool box.
#include <gtest/gtest.h>

#include <wx/wx.h>

#include "app/vantorelapp.h"
#include "app/vantorelfrm.h"
#include "ui/vantorelrc_wdr.h"

namespace {

vantorelFrame* Frame() { return wxGetApp().GetMainFrame(); }

// Lets GTK deliver what it has queued (configure events, show/hide).
void Pump(int milliseconds = 200) {
  const wxLongLong end = wxGetLocalTimeMillis() + milliseconds;
  while (wxGetLocalTimeMillis() < end) {
    wxYield();
    wxMilliSleep(5);
  }
}

struct TickState {
  bool stopped, fax, telex, navtex;
};

void SetFlags(const TickState& s) {
  Frame()->Stopped = s.stopped;
  Frame()->IsReceiving = s.fax;
  Frame()->IsReceivingTelex = s.telex;
  Frame()->IsReceivingNavtex = s.navtex;
}

TEST(Tick, RunsTheDecodersTheFlagsAskFor) {
  const struct {
    TickState state;
    int pll, telex;
  } cases[] = {
      {{true, true, true, false}, 0, 0},    // Stopped: only the status refresh
      {{false, true, false, false}, 1, 0},  // fax
      {{false, true, true, false}, 1, 1},   // fax, then the FSK demodulator
      {{false, false, false, true}, 0, 1},  // NAVTEX goes through the FSK demodulator
      {{false, false, false, false}, 0, 0}, // idle: receiver poll and schedule branch
  };
  for (const auto& c : cases) {
    SetFlags(c.state);
    const long ticks = Frame()->tickCount, pll = Frame()->pllCalls, tlx = Frame()->pllTelexCalls;
    Frame()->tk->Notify();
    EXPECT_EQ(Frame()->tickCount, ticks + 1);
    EXPECT_EQ(Frame()->pllCalls - pll, c.pll);
    EXPECT_EQ(Frame()->pllTelexCalls - tlx, c.telex);
  }
  SetFlags({false, false, false, false});
  Frame()->tk->Stop();
}

TEST(Tick, StopFromInsideATickDoesNotStopTheTimer) {
  Ticker* tk = Frame()->tk;
  tk->interval = 100000;
  auto stopInside = [tk](wxUpdateUIEvent& e) {
    tk->Stop();
    e.Skip();
  };
  Frame()->Bind(wxEVT_UPDATE_UI, stopInside, kTickEventId);
  tk->Notify();
  EXPECT_TRUE(tk->IsRunning());
  EXPECT_EQ(tk->GetInterval(), 100000);
  Frame()->Unbind(wxEVT_UPDATE_UI, stopInside, kTickEventId);
  tk->Stop();  // from outside a tick it really stops
  EXPECT_FALSE(tk->IsRunning());
}

TEST(Tick, TimerDrivesTicks) {
  Ticker* tk = Frame()->tk;
  tk->interval = 10;
  const long before = Frame()->tickCount;
  tk->Start(10, wxTIMER_CONTINUOUS);
  Pump(300);
  tk->Stop();
  EXPECT_GE(Frame()->tickCount - before, 3);
}

TEST(MainFrame, MonitorWindowsAreHiddenWithTheirTitlesAndSizes) {
  const struct {
    wxFrame* window;
    const char* title;
    wxSize size;
  } monitors[] = {{Frame()->Frfft, "Frequency", {200, 93}},
                  {Frame()->scope, "Tuning Scope", {320, 635}},
                  {Frame()->tlxwin, "Telex Window", {320, 635}}};
  for (const auto& m : monitors) {
    ASSERT_NE(m.window, nullptr);
    EXPECT_EQ(m.window->GetTitle(), m.title);
    EXPECT_FALSE(m.window->IsShown()) << m.title;
    EXPECT_EQ(m.window->GetName(), "Receive Monitor");
    EXPECT_TRUE(m.window->HasFlag(wxFRAME_FLOAT_ON_PARENT | wxFRAME_TOOL_WINDOW));
  }
  EXPECT_EQ(Frame()->tctrl->GetValue(), "Waiting for data....\n");
  EXPECT_EQ(Frame()->tlxwin->GetStatusBar()->GetFieldsCount(), 2);
}

TEST(MainFrame, StatusBarAndToolBar) {
  wxStatusBar* bar = Frame()->GetStatusBar();
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->GetFieldsCount(), 7);
  EXPECT_EQ(bar->GetName(), "status_line");
  const int widths[] = {-1, 50, 60, 80, 30, 30, 100};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(bar->GetStatusWidth(i), widths[i]) << i;
  wxToolBar* tools = Frame()->GetToolBar();
  ASSERT_NE(tools, nullptr);
  EXPECT_EQ(tools->GetName(), "toolbar");
  ASSERT_GT(tools->GetToolsCount(), 12u);
  const wxToolBarToolBase* at12 = tools->GetToolByPos(12);
  ASSERT_NE(at12, nullptr);
  EXPECT_TRUE(at12->IsControl());
  EXPECT_EQ(at12->GetControl(), Frame()->Skewval);
  EXPECT_EQ(Frame()->GetSkew(), Frame()->Skewval);
  EXPECT_TRUE(Frame()->Skewval->HasFlag(wxTE_READONLY));
}

TEST(MainFrame, StartsAtTenTenAndRemembersMoves) {
  EXPECT_EQ(Frame()->GetName(), "myFrame");
  EXPECT_EQ(Frame()->GetTitle(), "Vantorel 9.04c USB ");
  wxConfigBase* config = wxGetApp().config;
  Frame()->Move(40, 50);
  Pump(300);
  EXPECT_EQ(config->ReadLong("PTX", -1), Frame()->GetPosition().x);
  EXPECT_EQ(config->ReadLong("PTY", -1), Frame()->GetPosition().y);
  Frame()->SetSize(640, 480);
  Pump(300);
  EXPECT_EQ(config->ReadLong("CX", -1), 640);
  EXPECT_EQ(config->ReadLong("CY", -1), 480);
}

TEST(MainFrame, FoldersComeFromHome) {
  wxString home;
  wxGetEnv("HOME", &home);
  EXPECT_EQ(wxGetApp().WorkDir, home + "/vantorel/");
  EXPECT_EQ(wxGetApp().DefDir, home + "/vantorel/");
  EXPECT_EQ(wxGetApp().config->Read("WD", ""), home + "/vantorel/");
}

TEST(ToolBox, AlternatesBetweenHiddenAndShown) {
  wxWindow* box = Frame()->FindWindowByName("ToolBox", Frame());
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->GetSize().y, 78);  // no receiver: no room for the frequency bar
  EXPECT_NE(dynamic_cast<wxFrame*>(box)->GetStatusBar(), nullptr);
  EXPECT_EQ(wxGetApp().m_statboxCustom->bbutim->GetRed(200, 5), 200);
  wxCommandEvent toggle(wxEVT_MENU, ID_TOOLBOX);
  const bool wasShown = wxGetApp().bToolbox;
  wxGetApp().OnToolbox(toggle);
  EXPECT_NE(wxGetApp().bToolbox, wasShown);
  EXPECT_EQ(box->IsShown(), wxGetApp().bToolbox);
  wxGetApp().OnToolbox(toggle);
  EXPECT_EQ(wxGetApp().bToolbox, wasShown);
  wxUpdateUIEvent update(ID_TOOLBOX);
  update.SetEventType(wxEVT_UPDATE_UI);
  wxGetApp().OnUpdateToolbox(update);
  EXPECT_EQ(update.GetChecked(), wxGetApp().bToolbox);
}

}  // namespace
