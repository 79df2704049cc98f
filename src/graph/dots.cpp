#include "graph/dots.hpp"

#include <algorithm>
#include <cmath>

namespace calcorix {

DotCanvas::DotCanvas(int width, int height)
    : width_(width), height_(height), dots_(static_cast<std::size_t>(width) * height) {}

void DotCanvas::Set(int x, int y) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  dots_[static_cast<std::size_t>(y) * width_ + x] = true;
}

bool DotCanvas::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return false;
  return dots_[static_cast<std::size_t>(y) * width_ + x];
}

void DotCanvas::Run(int x, double y0, double y1) {
  const auto from = static_cast<int>(std::lround(std::min(y0, y1)));
  const auto to = static_cast<int>(std::lround(std::max(y0, y1)));
  for (int y = std::max(from, 0); y <= std::min(to, height_ - 1); ++y)
    Set(x, y);
}

void DotCanvas::Line(int x0, double y0, int x1, double y1) {
  if (x0 == x1) {
    Run(x0, y0, y1);
    return;
  }
  const double slope = (y1 - y0) / (x1 - x0);
  for (int x = x0; x <= x1; ++x) {
    const double from = std::max(x - 0.5, static_cast<double>(x0));
    const double to = std::min(x + 0.5, static_cast<double>(x1));
    Run(x, y0 + slope * (from - x0), y0 + slope * (to - x0));
  }
}

unsigned BrailleBit(int x, int y) {
  // Dots 1-2-3 and 4-5-6 run down the two columns; 7 and 8 were added below them later.
  static constexpr unsigned kBits[2][4] = {{0x01, 0x02, 0x04, 0x40}, {0x08, 0x10, 0x20, 0x80}};
  return kBits[x][y];
}

}  // namespace calcorix
