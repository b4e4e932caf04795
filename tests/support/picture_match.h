// Measures how faithfully a received fax picture shows the picture that was sent.
#pragma once

#include <string>
#include <vector>

#include "wefaxgen.h"

namespace vt::test {

// A grey picture as doubles, rows top-down.
struct Plane {
  int width = 0, height = 0;
  std::vector<double> v;
  double at(int x, int y) const { return v[static_cast<size_t>(y) * width + x]; }
};

// The source picture as the receiver should show it: `width` slots per line and
// `rows` rows (linear interpolation between lines).
Plane Expected(const GreyPicture& chart, int rows, int width = 1280);

// The rows of a reception file (8-bit bottom-up bitmap), top-down; empty when
// the file is not one.
Plane ReadReceptionFile(const std::string& path);

// Pearson correlation of `rows` rows of a (from row ay, shifted right by dx,
// wrapping) against b (from row by).
double Correlation(const Plane& a, int ay, int dx, const Plane& b, int by, int rows);

// Where the expected picture sits in the received one.
struct Fit {
  int dy = 0;                   // first received row of the picture
  int dx = 0;                   // received column of the picture's left edge
  int dxTop = 0, dxBottom = 0;  // the same from the top and bottom thirds
  int rows = 0;                 // rows compared
  double correlation = 0;
};

// The reception ends inside the stop tone, so the picture's last rows may be
// missing: at least 95 % of them must be there.
Fit Locate(const Plane& got, const Plane& want);

}  // namespace vt::test
