// vantorel-decode: decodes a fax recording without windows, through the same
// capture ring, demodulator and line assembler as the program, and saves the
// picture as a reception file (and optionally as PNG).
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

#include "app/messages.h"
#include "capture/wxSoundInGTK.h"
#include "fax/faxdecoder.h"
#include "fax/faxpicture.h"
#include "fax/skew.h"

namespace {

using vt::fax::CFaxDecoder;
using vt::fax::FaxEnd;

const char* const kUsage =
    "usage: vantorel-decode fax [--ioc 576|288|AUT] [--lpm 60|90|120|240] [--autostart]\n"
    "                           [--non-strict] [--chart] [--filter] [--no-stop-tone]\n"
    "                           [--sskew N] [--shift HZ] [--png FILE] -o OUT.dib INPUT\n";

struct Options {
  std::string ioc = "576";
  std::string lpm = "120";
  bool autostart = false;
  bool strict = true;
  bool chart = false;
  bool filter = false;
  bool stopTone = true;
  long sskew = vt::fax::kSkewDefault;
  double shift = 0;
  std::string png;
  std::string out;
  std::string input;
};

int Fail(const std::string& text) {
  std::fprintf(stderr, "vantorel-decode: %s\n", text.c_str());
  return 2;
}

bool ParseNumber(const char* text, double& value) {
  char* end = nullptr;
  value = std::strtod(text, &end);
  return end != text && *end == '\0';
}

// Reads the command line into o; returns an error text, empty when all is well.
std::string ParseOptions(int argc, char** argv, Options& o) {
  if (argc < 2 || std::strcmp(argv[1], "fax") != 0) return "the first argument must be \"fax\"";
  for (int i = 2; i < argc; ++i) {
    const std::string a = argv[i];
    const bool hasValue = i + 1 < argc;
    auto value = [&]() { return std::string(argv[++i]); };
    if (a == "--autostart") {
      o.autostart = true;
    } else if (a == "--non-strict") {
      o.strict = false;
    } else if (a == "--chart") {
      o.chart = true;
    } else if (a == "--filter") {
      o.filter = true;
    } else if (a == "--no-stop-tone") {
      o.stopTone = false;
    } else if (!hasValue && (a == "--ioc" || a == "--lpm" || a == "--sskew" || a == "--shift" ||
                             a == "--png" || a == "-o")) {
      return "option " + a + " needs a value";
    } else if (a == "--ioc") {
      o.ioc = value();
      if (o.ioc != "576" && o.ioc != "288" && o.ioc != "AUT") return "--ioc must be 576, 288 or AUT";
    } else if (a == "--lpm") {
      o.lpm = value();
      if (o.lpm != "60" && o.lpm != "90" && o.lpm != "120" && o.lpm != "240") {
        return "--lpm must be 60, 90, 120 or 240";
      }
    } else if (a == "--sskew") {
      double v;
      if (!ParseNumber(argv[++i], v) || v < vt::fax::kSkewLow || v > vt::fax::kSkewHigh) {
        return "--sskew must be a whole number from " + std::to_string(vt::fax::kSkewLow) + " to " +
               std::to_string(vt::fax::kSkewHigh);
      }
      o.sskew = static_cast<long>(v);
    } else if (a == "--shift") {
      if (!ParseNumber(argv[++i], o.shift) || o.shift < -5000 || o.shift > 5000) {
        return "--shift must be a number of hertz from -5000 to 5000";
      }
    } else if (a == "--png") {
      o.png = value();
    } else if (a == "-o") {
      o.out = value();
    } else if (!a.empty() && a[0] == '-') {
      return "unknown option " + a;
    } else if (o.input.empty()) {
      o.input = a;
    } else {
      return "more than one input file";
    }
  }
  if (o.out.empty()) return "no output file (-o OUT.dib)";
  if (o.input.empty()) return "no input recording";
  return "";
}

void Configure(CFaxDecoder& fax, const Options& o) {
  fax.ioc = o.ioc;
  fax.speed = o.lpm;
  fax.StrictAutostart = o.strict;
  fax.Bandwidth = o.chart ? "CHART" : "PHOTO";
  fax.bFilter = o.filter;
  fax.stoptone = o.stopTone;
}

// Runs the chain until the reception ends or the recording is used up.
void Decode(CSoundIn& sc, CFaxDecoder& fax) {
  while (fax.IsReceiving) {
    if (fax.PLL()) continue;
    if (sc.SourceFinished() && !sc.SampleAvailable()) break;
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
}

const char* EndText(const CFaxDecoder& fax) {
  switch (fax.EndReason) {
    case FaxEnd::StopTone: return "stop tone";
    case FaxEnd::RowLimit: return "row limit";
    case FaxEnd::ScheduledEnd: return "scheduled end";
    case FaxEnd::None: break;
  }
  return "end of recording";
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  const std::string error = ParseOptions(argc, argv, o);
  if (!error.empty()) {
    std::fputs(kUsage, stderr);
    return Fail(error);
  }

  // Messages of the capture and file layers go to stderr under our name.
  vt::SetMessageHandler([](const std::string& text, const std::string&, long) {
    std::fprintf(stderr, "vantorel-decode: %s\n", text.c_str());
    return static_cast<int>(vt::kAnswerOk);
  });
  CSoundIn sc;
  vt::fax::NullFaxHost host;
  CFaxDecoder fax(sc, host);
  Configure(fax, o);
  sc.SetAudioFile(o.input, o.shift, /*realtime*/ false);
  fax.StartReception(static_cast<int>(o.sskew));
  fax.AutoStartEngaged = o.autostart;
  if (!sc.Open()) {  // the capture has said why
    fax.FinishReception();
    return 2;
  }
  Decode(sc, fax);
  if (fax.IsReceiving) fax.FinishReception();
  sc.Close();

  const int rows = vt::fax::SavedRows(fax.m_hDIB, fax.pixy);
  std::printf("rows %d, start tone %s, phasing %s, ended by %s\n", fax.pixy > 5 ? rows : 0,
              fax.StartToneSeen ? "found" : "not found", fax.PhasingFound ? "found" : "not found",
              EndText(fax));
  if (fax.pixy <= 5) return Fail("no picture received (" + std::to_string(fax.pixy) + " rows)");
  // A file that cannot be written has been reported by the writer.
  if (!vt::fax::WriteBmp(fax.m_hDIB, fax.pixy, o.out)) return 2;
  if (!o.png.empty() && !vt::fax::WritePng(fax.m_hDIB, fax.pixy, o.png)) return 2;
  return 0;
}
