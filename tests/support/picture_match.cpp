#include "picture_match.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>

#include "test_support.h"

namespace vt::test {

Plane Expected(const GreyPicture& chart, int rows, int width) {
  Plane p{width, rows, {}};
  std::vector<std::vector<uint8_t>> lines;
  for (int y = 0; y < chart.height; ++y) lines.push_back(ResampleRow(&chart.pixels[static_cast<size_t>(y) * chart.width], chart.width, width));
  const double f = static_cast<double>(chart.height) / rows;
  for (int j = 0; j < rows; ++j) {
    const double y = std::clamp((j + 0.5) * f - 0.5, 0.0, chart.height - 1.0);
    const int y0 = static_cast<int>(y), y1 = std::min(y0 + 1, chart.height - 1);
    const double w = y - y0;
    for (int x = 0; x < width; ++x) p.v.push_back((1 - w) * lines[y0][x] + w * lines[y1][x]);
  }
  return p;
}

Plane ReadReceptionFile(const std::string& path) {
  const std::string b = ReadFile(path);
  Plane p;
  if (b.size() < 1078) return p;
  auto u32 = [&](size_t at) {
    return static_cast<int>(static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1]) << 8 |
                            static_cast<uint8_t>(b[at + 2]) << 16);
  };
  p.width = u32(18);
  p.height = u32(22);
  if (b.size() != 1078 + static_cast<size_t>(p.width) * p.height) return Plane{};
  for (int y = p.height - 1; y >= 0; --y) {
    for (int x = 0; x < p.width; ++x) p.v.push_back(static_cast<uint8_t>(b[1078 + static_cast<size_t>(y) * p.width + x]));
  }
  return p;
}

double Correlation(const Plane& a, int ay, int dx, const Plane& b, int by, int rows) {
  double sa = 0, sb = 0, saa = 0, sbb = 0, sab = 0;
  int n = 0;
  for (int y = 0; y < rows; ++y) {
    for (int x = 0; x < b.width; ++x) {
      const double va = a.at((x + dx + a.width) % a.width, ay + y), vb = b.at(x, by + y);
      sa += va, sb += vb, saa += va * va, sbb += vb * vb, sab += va * vb;
      ++n;
    }
  }
  const double cov = sab - sa * sb / n, da = saa - sa * sa / n, db = sbb - sb * sb / n;
  return da > 0 && db > 0 ? cov / std::sqrt(da * db) : 0;
}

namespace {

std::vector<double> RowMeans(const Plane& p) {
  std::vector<double> m(p.height);
  for (int y = 0; y < p.height; ++y) {
    m[y] = std::accumulate(p.v.begin() + static_cast<long>(y) * p.width, p.v.begin() + static_cast<long>(y + 1) * p.width, 0.0) / p.width;
  }
  return m;
}

int BestShift(const Plane& got, int gy, const Plane& want, int wy, int rows) {
  int best = 0;
  double bestC = -2;
  for (int dx = -100; dx <= 100; ++dx) {
    const double c = Correlation(got, gy, dx, want, wy, rows);
    if (c > bestC) bestC = c, best = dx;
  }
  return best;
}

}  // namespace

Fit Locate(const Plane& got, const Plane& want) {
  Fit fit;
  // Vertical place from the row means, horizontal shift from whole rows.
  const std::vector<double> gm = RowMeans(got), wm = RowMeans(want);
  const int minRows = want.height * 95 / 100;
  double bestC = -1e300;
  for (int dy = 0; dy + minRows <= got.height; ++dy) {
    const int rows = std::min(want.height, got.height - dy);
    double c = 0;
    for (int y = 0; y < rows; ++y) c -= std::fabs(gm[dy + y] - wm[y]);
    c /= rows;
    if (c > bestC) bestC = c, fit.dy = dy, fit.rows = rows;
  }
  const int third = fit.rows / 3;
  fit.dx = BestShift(got, fit.dy, want, 0, fit.rows);
  fit.dxTop = BestShift(got, fit.dy, want, 0, third);
  fit.dxBottom = BestShift(got, fit.dy + 2 * third, want, 2 * third, third);
  fit.correlation = Correlation(got, fit.dy, fit.dx, want, 0, fit.rows);
  return fit;
}

}  // namespace vt::test
