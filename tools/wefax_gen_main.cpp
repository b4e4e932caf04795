// vantorel-wefax-gen: writes a weather-fax broadcast of a picture (PGM, or PNG
// when built with libpng) or of the built-in test chart as a mono 16-bit WAV.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "wefaxgen.h"

namespace {

const char kUsage[] =
    "usage: vantorel-wefax-gen [--ioc 576|288] [--lpm 60|90|120|240] [--rate 11025|22050|44100]\n"
    "                          [--black HZ] [--white HZ] [--snr DB] [--phasing-lines N]\n"
    "                          [--lead SECONDS]\n"
    "                          [--test-chart WxH | --picture FILE.pgm|FILE.png] -o OUT.wav\n";

struct Options {
  vt::WefaxParams params;
  std::string chartSize;
  std::string picturePath;
  std::string outputPath;
};

bool ParseNumber(const std::string& text, double& value) {
  char* end = nullptr;
  value = std::strtod(text.c_str(), &end);
  return !text.empty() && *end == '\0';
}

bool ParseInt(const std::string& text, int& value) {
  double d = 0;
  if (!ParseNumber(text, d) || d != static_cast<int>(d)) return false;
  value = static_cast<int>(d);
  return true;
}

bool ParseSize(const std::string& text, int& width, int& height) {
  const size_t x = text.find('x');
  return x != std::string::npos && ParseInt(text.substr(0, x), width) &&
         ParseInt(text.substr(x + 1), height) && width >= 1 && height >= 1 &&
         width <= vt::kMaxPictureSide && height <= vt::kMaxPictureSide;
}

// Applies one option with its value; false when the value does not parse.
bool ApplyOption(const std::string& name, const std::string& value, Options& o) {
  vt::WefaxParams& p = o.params;
  if (name == "--ioc") return ParseInt(value, p.ioc);
  if (name == "--lpm") return ParseInt(value, p.lpm);
  if (name == "--rate") return ParseInt(value, p.sampleRate);
  if (name == "--black") return ParseNumber(value, p.blackHz);
  if (name == "--white") return ParseNumber(value, p.whiteHz);
  if (name == "--lead") return ParseNumber(value, p.leadSeconds);
  if (name == "--snr") {
    double snr = 0;
    if (!ParseNumber(value, snr)) return false;
    p.snrDb = snr;
  } else if (name == "--phasing-lines") {
    int lines = 0;
    if (!ParseInt(value, lines)) return false;
    p.phasingLines = lines;
  } else if (name == "--test-chart") {
    o.chartSize = value;
  } else if (name == "--picture") {
    o.picturePath = value;
  } else {
    o.outputPath = value;
  }
  return true;
}

bool IsKnownOption(const std::string& name) {
  for (const char* known : {"--ioc", "--lpm", "--rate", "--black", "--white", "--snr",
                            "--phasing-lines", "--lead", "--test-chart", "--picture", "-o"})
    if (name == known) return true;
  return false;
}

// Empty when the command line is usable, else what is wrong.
std::string ParseCommandLine(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; i += 2) {
    const std::string name = argv[i];
    if (!IsKnownOption(name)) return "unknown option " + name;
    if (i + 1 >= argc) return "missing value after " + name;
    if (!ApplyOption(name, argv[i + 1], o)) return "bad value for " + name + ": " + argv[i + 1];
  }
  if (o.outputPath.empty()) return "no output file (-o OUT.wav)";
  if (!o.chartSize.empty() && !o.picturePath.empty())
    return "give either --test-chart or --picture, not both";
  return vt::CheckWefaxParams(o.params);
}

bool LoadPicture(const Options& o, vt::GreyPicture& picture, std::string& error) {
  if (!o.picturePath.empty()) return vt::ReadPicture(o.picturePath, picture, error);
  int width = vt::PixelsPerLine(o.params.ioc);
  int height = 400;
  if (!o.chartSize.empty() && !ParseSize(o.chartSize, width, height)) {
    error = "bad chart size " + o.chartSize + " (WxH, each side 1 to " +
            std::to_string(vt::kMaxPictureSide) + ")";
    return false;
  }
  picture = vt::MakeTestChart(width, height);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  std::string error = ParseCommandLine(argc, argv, options);
  if (!error.empty()) {
    std::fprintf(stderr, "vantorel-wefax-gen: %s\n%s", error.c_str(), kUsage);
    return 2;
  }
  vt::GreyPicture picture;
  if (!LoadPicture(options, picture, error)) {
    std::fprintf(stderr, "vantorel-wefax-gen: %s\n", error.c_str());
    return 1;
  }
  vt::WefaxModulator modulator(picture, options.params);
  const double seconds = static_cast<double>(modulator.remaining()) / options.params.sampleRate;
  if (!vt::WriteWav(options.outputPath, modulator, error)) {
    std::fprintf(stderr, "vantorel-wefax-gen: %s\n", error.c_str());
    return 1;
  }
  std::printf("%s: %d x %d picture, %.1f s\n", options.outputPath.c_str(), picture.width,
              picture.height, seconds);
  return 0;
}
