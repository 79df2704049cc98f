#pragma once

#include <vector>

// A grid of dots that the text plots fill and then print a cell of dots per character.

namespace calcorix {

class DotCanvas {
 public:
  DotCanvas(int width, int height);

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Dots outside the grid are left out.
  void Set(int x, int y);
  bool At(int x, int y) const;

  // A line from (x0, y0) to (x1, y1), x0 <= x1, y counted from the top, without holes: each
  // column x gets every dot the line passes from x - 1/2 to x + 1/2.
  void Line(int x0, double y0, int x1, double y1);

 private:
  void Run(int x, double y0, double y1);

  int width_, height_;
  std::vector<bool> dots_;
};

// The bit of the braille character (U+2800 + bits) for the dot in column x (0, 1) and row y (0 to
// 3, from the top) of its cell.
unsigned BrailleBit(int x, int y);

}  // namespace calcorix
