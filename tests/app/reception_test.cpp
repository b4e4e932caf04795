// Fax reception from the program's own commands: start, stop, save, properties,
// skew and the status display, with recordings standing in for the demodulator.
#include <gtest/gtest.h>

#include <wx/testing.h>
#include <wx/wx.h>

#include <filesystem>

#include "app/clock.h"
#include "app/systat.h"
#include "app/vantorelapp.h"
#include "app/vantorelfrm.h"
#include "fax/gui/config.h"
#include "fax/reception_rules.h"
#include "radio/radiosetup.h"
#include "picture_match.h"
#include "test_support.h"
#include "wefaxgen.h"
#include "ui/vantorelrc_wdr.h"

namespace {

vantorelFrame* Frame() { return wxGetApp().GetMainFrame(); }
wxConfigBase* Store() { return wxGetApp().config; }
std::string Home() { return std::string(wxGetApp().WorkDir.utf8_str()); }

// A recording of a few seconds of mid-grey tone, enough to start a reception.
std::string ToneRecording() {
  const std::string path = Home() + "tone.wav";
  if (!std::filesystem::exists(path)) {
    std::vector<float> tone(22050 * 3);
    for (size_t i = 0; i < tone.size(); ++i) tone[i] = 0.5f * std::sin(2 * M_PI * 2000 * i / 22050.0);
    std::string error;
    EXPECT_TRUE(vt::WriteWav(path, tone, 22050, error)) << error;
  }
  return path;
}

size_t DocumentCount() { return wxGetApp().m_docManager->GetDocuments().GetCount(); }

// Starts a manual reception from a recording, pretends `rows` rows arrived, stops it.
void ReceiveRows(unsigned long rows) {
  Frame()->sc.SetAudioFile(ToneRecording(), 0, false);
  wxCommandEvent receive(wxEVT_MENU, ID_RECIEVE);
  Frame()->OnFaxReceivefax(receive);
  ASSERT_TRUE(Frame()->IsReceiving);
  Frame()->fax.pixy = rows;
  wxCommandEvent stop(wxEVT_MENU, ID_STOP);
  Frame()->OnFaxStopreceiving(stop);
  EXPECT_FALSE(Frame()->IsReceiving);
  EXPECT_FALSE(Frame()->fax.IsReceiving);
}

std::tm FixedLocal(std::time_t t) {
  std::tm local{};
  localtime_r(&t, &local);
  return local;
}

class Reception : public ::testing::Test {
 protected:
  void SetUp() override {
    previousClock = vt::SetClock([] { return std::time_t{1702137933}; });
  }
  void TearDown() override {
    vt::SetClock(previousClock);
    wxGetApp().m_docManager->CloseDocuments(true);
  }
  vt::ClockFunction previousClock;
};

TEST_F(Reception, StopAfterThreeRowsLeavesNoFileAndNoDocument) {
  const wxString serial = Store()->Read("SerialNo", "99999");
  const size_t docs = DocumentCount();
  ReceiveRows(3);
  EXPECT_EQ(DocumentCount(), docs);
  EXPECT_EQ(Store()->Read("SerialNo", "99999"), serial) << "no number is used without a file";
  EXPECT_EQ(Store()->Read("TimerOn", ""), "OFF");
  EXPECT_FALSE(Frame()->scope->IsShown());
}

TEST_F(Reception, SavedPictureGetsTheNextSerialNameAndOpens) {
  const std::string old = std::string(Store()->Read("SerialNo", "99999").utf8_str());
  const int n = vt::fax::NextSerialNumber(old);
  const std::string expected = vt::fax::ReceptionFileName(
      vt::fax::SavedKind::ManualFax, std::string(wxGetApp().DefDir.utf8_str()), n, old, "",
      FixedLocal(1702137933));
  const size_t docs = DocumentCount();
  ReceiveRows(10);
  EXPECT_TRUE(vt::test::FileExists(expected)) << expected;
  EXPECT_EQ(Store()->Read("SerialNo", ""), wxString::Format("%i", n));
  EXPECT_EQ(Frame()->name, wxString::FromUTF8(expected.c_str()));
  ASSERT_EQ(DocumentCount(), docs + 1);
  EXPECT_EQ(wxGetApp().m_docManager->GetCurrentDocument()->GetFilename(), Frame()->name);
  EXPECT_TRUE(Frame()->Stopped);
  EXPECT_FALSE(Frame()->tk->IsRunning());
}

TEST_F(Reception, PictureIsKeptWhenItsFolderCannotBeWritten) {
  const wxString defDir = wxGetApp().DefDir;
  wxGetApp().DefDir = wxGetApp().WorkDir + "no/such/folder/";
  vt::test::MessageRecorder messages;
  ReceiveRows(10);
  wxGetApp().DefDir = defDir;
  ASSERT_EQ(messages.texts.size(), 2u);  // the writer's failure, then where the picture went
  EXPECT_NE(messages.texts[0].find("no/such/folder/"), std::string::npos) << messages.texts[0];
  EXPECT_NE(messages.texts[1].find(std::string(Frame()->name.utf8_str())), std::string::npos)
      << messages.texts[1];
  EXPECT_TRUE(Frame()->name.StartsWith(wxGetApp().WorkDir));
  EXPECT_TRUE(wxFileExists(Frame()->name));
  EXPECT_EQ(wxGetApp().m_docManager->GetCurrentDocument()->GetFilename(), Frame()->name);
}

TEST_F(Reception, ReceiveWhileReceivingChangesNothingAndCodesApply) {
  Frame()->sc.SetAudioFile(ToneRecording(), 0, false);
  Frame()->NewTimerActive = true;
  Frame()->FaxLast = "18:00 ;8682.0 ^NMC surface @I2 @S2 @S1";
  wxCommandEvent receive(wxEVT_MENU, ID_RECIEVE);
  Frame()->OnFaxReceivefax(receive);
  EXPECT_EQ(Frame()->fax.ioc, "288");
  EXPECT_EQ(Frame()->fax.speed, "120");
  Frame()->fax.pixy = 2;
  Frame()->OnFaxReceivefax(receive);  // already receiving: nothing starts again
  EXPECT_EQ(Frame()->fax.pixy, 2u);
  Frame()->NewTimerActive = false;
  wxCommandEvent stop(wxEVT_MENU, ID_STOP);
  Frame()->OnFaxStopreceiving(stop);
  Frame()->fax.ioc = "576";
}

TEST_F(Reception, UnreadableRecordingEndsAtOnceWithAMessage) {
  Frame()->sc.SetAudioFile(Home() + "missing.wav", 0, false);
  vt::test::MessageRecorder messages;
  wxCommandEvent receive(wxEVT_MENU, ID_RECIEVE);
  Frame()->OnFaxReceivefax(receive);
  EXPECT_FALSE(Frame()->IsReceiving);
  EXPECT_FALSE(Frame()->fax.IsReceiving);
  ASSERT_EQ(messages.texts.size(), 1u);
  EXPECT_NE(messages.texts[0].find("missing.wav"), std::string::npos);
}

TEST(Skew, CommandsStayInsideTheRange) {
  wxCommandEvent left(wxEVT_MENU, ID_SKEWLEFT), right(wxEVT_MENU, ID_SKEWRIGHT);
  Frame()->fax.skew = vt::fax::kSkewDefault;
  Frame()->ShowSkew();
  EXPECT_EQ(Frame()->Skewval->GetValue(), "128");
  Frame()->OnPictureSkewleft(left);
  EXPECT_EQ(Frame()->fax.skew, vt::fax::kSkewDefault + 20);
  EXPECT_EQ(Store()->ReadLong("SSkew", 0), vt::fax::kSkewDefault + 20);
  EXPECT_EQ(Frame()->Skewval->GetValue(), "129");
  Frame()->fax.skew = vt::fax::kSkewHigh;
  Frame()->OnPictureSkewleft(left);
  EXPECT_EQ(Frame()->fax.skew, vt::fax::kSkewHigh);
  EXPECT_EQ(Frame()->Skewval->GetValue(), "256");
  Frame()->fax.skew = vt::fax::kSkewLow;
  Frame()->OnPictureSkewright(right);
  EXPECT_EQ(Frame()->fax.skew, vt::fax::kSkewLow);
  EXPECT_EQ(Frame()->Skewval->GetValue(), "0");
  Frame()->fax.skew = vt::fax::kSkewDefault;
}

// The properties dialog, filled from the frame, with its three boxes set to text.
struct ConfigCase {
  const char* highP;  // "High P" box: dark-pair threshold
  const char* lowP;   // "Low P" box: bright-pair threshold
  const char* skew;
  std::vector<std::string> messages;
};

TEST(Properties, ChecksAllThreeNumbers) {
  const ConfigCase cases[] = {
      {"1200", "0", "255", {}},
      {"0", "1200", "0", {}},
      {"1201", "0", "128", {"Invalid Value for LOWP"}},
      {"500", "-1", "128", {"Invalid Value for highp"}},
      {"500", "30", "256", {"Invalid Value for Skew"}},
      {"many", "x", "", {"Invalid Value for LOWP", "Invalid Value for highp", "Invalid Value for Skew"}},
  };
  for (const auto& c : cases) {
    CFaxConfig dialog(Frame(), -1, "Configure Reception", wxPoint(150, 150), wxDefaultSize,
                      wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX);
    Frame()->FillFaxConfig(dialog);
    static_cast<wxTextCtrl*>(dialog.FindWindow(ID_HIGHP))->SetValue(c.highP);
    static_cast<wxTextCtrl*>(dialog.FindWindow(ID_LOWP))->SetValue(c.lowP);
    static_cast<wxTextCtrl*>(dialog.FindWindow(ID_SKEW))->SetValue(c.skew);
    vt::test::MessageRecorder recorder;
    EXPECT_EQ(dialog.TransferDataFromWindow(), c.messages.empty()) << c.highP << " " << c.lowP;
    EXPECT_EQ(recorder.texts, c.messages);
  }
}

TEST(Properties, ConfirmingStoresTheValues) {
  Store()->Write("ioc", "AUT");
  Frame()->fax.ioc = "AUT";
  Store()->Write("RadioPresent", "NO");
  CFaxConfig dialog(Frame(), -1, "Configure Reception", wxPoint(150, 150), wxDefaultSize,
                    wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX);
  Frame()->FillFaxConfig(dialog);
  EXPECT_EQ(dialog.m_ioc->GetSelection(), wxNOT_FOUND) << "AUT is not one of the choices";
  EXPECT_EQ(dialog.m_speed->GetStringSelection(), "120");
  EXPECT_EQ(static_cast<wxTextCtrl*>(dialog.FindWindow(ID_SKEW))->GetValue(),
            wxString::Format("%i", vt::fax::SkewToK(Frame()->fax.skew)));
  static_cast<wxTextCtrl*>(dialog.FindWindow(ID_SKEW))->SetValue("130");
  static_cast<wxTextCtrl*>(dialog.FindWindow(ID_HIGHP))->SetValue("700");
  static_cast<wxCheckBox*>(dialog.FindWindow(ID_DETECTSTOP))->SetValue(false);
  ASSERT_TRUE(dialog.TransferDataFromWindow());
  Frame()->ApplyFaxConfig(dialog);
  EXPECT_EQ(Store()->Read("ioc", "x"), "");
  EXPECT_EQ(Frame()->fax.skew, vt::fax::KToSkew(130));
  EXPECT_EQ(Store()->ReadLong("SSkew", 0), vt::fax::KToSkew(130));
  EXPECT_EQ(Frame()->Skewval->GetValue(), "130");
  EXPECT_EQ(Store()->ReadLong("Lowpass", 0), 700);
  EXPECT_EQ(Store()->ReadLong("Wkstop", 1), 0);
  EXPECT_EQ(Store()->Read("RadioPresent", ""), "NO");
  Frame()->fax.ioc = "576";
  Frame()->fax.stoptone = true;
  Frame()->fax.skew = vt::fax::kSkewDefault;
}

TEST(Properties, RadioInterfaceAsksForTheReceiver) {
  Store()->Write("RadioPresent", "NO");
  vt::test::MessageRecorder messages;
  class AcceptSetup : public wxExpectModalBase<CRadioSetup> {
   public:
    int OnInvoked(CRadioSetup* dialog) const override {
      EXPECT_EQ(dialog->GetTitle(), "Configure Radio");
      return wxID_OK;
    }
  };
  wxTEST_DIALOG(Frame()->ApplyReceiverInterface(true), AcceptSetup());
  EXPECT_EQ(messages.texts,
            std::vector<std::string>{"Radio interface activated. Please close Vantorel and restart."});
  EXPECT_EQ(Store()->Read("RadioPresent", ""), "YES");
  EXPECT_EQ(Store()->Read("RadioType", ""), "NONE");
  EXPECT_EQ(Store()->Read("RadioComport", ""), "COM1");
  Frame()->ApplyReceiverInterface(false);
  EXPECT_EQ(Store()->Read("RadioPresent", ""), "NO");
}

TEST(Properties, NoiseFilterToggles) {
  const bool was = Frame()->fax.bFilter;
  wxCommandEvent filter(wxEVT_MENU, ID_FILTER);
  Frame()->OnConfigurationFilter(filter);
  EXPECT_NE(Frame()->fax.bFilter, was);
  EXPECT_EQ(Store()->Read("FILTER", ""), Frame()->fax.bFilter ? "TRUE" : "FALSE");
  Frame()->OnConfigurationFilter(filter);
  EXPECT_EQ(Frame()->fax.bFilter, was);
}

TEST(StatusDisplay, IdleFieldsAndDialog) {
  Frame()->SetStatusBar();
  wxStatusBar* bar = Frame()->GetStatusBar();
  EXPECT_EQ(bar->GetStatusText(2), "IDLE");
  EXPECT_EQ(bar->GetStatusText(3), "Idle");
  EXPECT_EQ(bar->GetStatusText(6), "Manual Tuning");
  EXPECT_EQ(bar->GetStatusText(4), wxString::FromUTF8(Frame()->fax.ioc.c_str()));

  class ReadStatus : public wxExpectModalBase<CSystat> {
   public:
    explicit ReadStatus(wxString* out) : out(out) {}
    int OnInvoked(CSystat* dialog) const override {
      dialog->TransferDataToWindow();
      *out = dialog->GetNextfax()->GetValue() + "|" + dialog->GetConnection()->GetValue() + "|" +
             dialog->GetBuffersize()->GetValue() + "|" + dialog->GetTitle();
      return wxID_OK;
    }
    wxString* out;
  };
  wxString seen;
  wxCommandEvent status(wxEVT_MENU, ID_STATUS);
  wxTEST_DIALOG(Frame()->OnFaxReceivestatus(status), ReadStatus(&seen));
  EXPECT_EQ(seen, "Normal Receive|IDLE|28 Minutes|Status");
}

}  // namespace

namespace {

// What a user does: a broadcast recording (common 1500/2300 Hz tones, so shifted
// by 100 Hz) stands in for the demodulator; a reception starts, by hand or from
// the start tone; the recording plays to its stop tone. The picture is saved
// under its serial name and opens as a document. Returns the saved rows.
vt::test::Plane ReceiveBroadcast(const vt::GreyPicture& chart, bool autostart) {
  vt::WefaxParams params;
  params.sampleRate = 11025;
  params.phasingLines = 20;
  params.blackSeconds = 2;
  params.leadSeconds = 1.3;
  const std::string wav = Home() + "broadcast.wav";
  std::string error;
  EXPECT_TRUE(vt::WriteWav(wav, vt::GenerateWefax(chart, params), params.sampleRate, error)) << error;

  const std::string old = std::string(Store()->Read("SerialNo", "99999").utf8_str());
  const wxString expectedStart =
      wxGetApp().DefDir + wxString::Format("%i ", vt::fax::NextSerialNumber(old));
  const size_t docs = DocumentCount();
  Frame()->sc.SetAudioFile(wav, 100, false);
  if (autostart) {
    Frame()->StartAutostartReception();
  } else {
    wxCommandEvent receive(wxEVT_MENU, ID_RECIEVE);
    Frame()->OnFaxReceivefax(receive);
  }
  EXPECT_TRUE(Frame()->IsReceiving);
  // The timer is not waited for: each tick runs at once, the recording as fast as it drains.
  Frame()->tk->Stop();
  for (int tick = 0; tick < 2000 && Frame()->IsReceiving; ++tick) {
    Frame()->tk->Notify();
    Frame()->tk->Stop();
  }
  EXPECT_FALSE(Frame()->IsReceiving) << "the stop tone ends the reception";
  EXPECT_EQ(Frame()->fax.EndReason, vt::fax::FaxEnd::StopTone);
  EXPECT_EQ(Frame()->fax.PhasingFound, autostart);

  EXPECT_TRUE(Frame()->name.StartsWith(expectedStart)) << Frame()->name;
  EXPECT_TRUE(Frame()->name.EndsWith(".dib"));
  EXPECT_TRUE(wxFileExists(Frame()->name));
  EXPECT_EQ(DocumentCount(), docs + 1);
  wxDocument* opened = wxGetApp().m_docManager->GetCurrentDocument();
  EXPECT_TRUE(opened != nullptr && opened->GetFilename() == Frame()->name);
  wxGetApp().m_docManager->CloseDocuments(true);
  return vt::test::ReadReceptionFile(std::string(Frame()->name.utf8_str()));
}

TEST(ReceptionEndToEnd, AutostartChartIsAlignedStraightAndFaithful) {
  const vt::GreyPicture chart = vt::MakeTestChart(vt::PixelsPerLine(576), 120);
  const vt::test::Plane got = ReceiveBroadcast(chart, true);
  ASSERT_EQ(got.width, 1280);
  const vt::test::Plane want = vt::test::Expected(chart, 80);
  ASSERT_GE(got.height, want.height * 95 / 100);
  const vt::test::Fit fit = vt::test::Locate(got, want);
  EXPECT_LE(std::abs(fit.dx), 16) << "left edge";
  EXPECT_LE(std::abs(fit.dxTop - fit.dxBottom), 2) << "slant";
  EXPECT_GT(fit.correlation, 0.9);
}

// By hand the picture starts wherever the stream began (no phasing): all of it
// is there, start tone and phasing lines included, and it is saved and opened.
TEST(ReceptionEndToEnd, ManualReceptionKeepsEverythingFromTheStart) {
  const vt::GreyPicture chart = vt::MakeTestChart(vt::PixelsPerLine(576), 120);
  const vt::test::Plane got = ReceiveBroadcast(chart, false);
  ASSERT_EQ(got.width, 1280);
  // 16.3 s of lead, start tone and phasing (33 lines) and 120 picture lines, at
  // 2 rows for every 3 lines.
  EXPECT_GE(got.height, 2 * (33 + 120) / 3 - 4);
}

}  // namespace
