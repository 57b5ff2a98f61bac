#pragma once
// Centring of windows. Pure arithmetic in twips on signed 16-bit coordinates; the window layer
// measures the windows, calls this and moves the window to the answer.

#include <cstdint>
#include <optional>

namespace dk {

struct TwipRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

struct TwipPoint {
  std::int16_t x = 0;
  std::int16_t y = 0;
  bool operator==(const TwipPoint&) const = default;
};

enum class ReferenceKind { Screen, Frame, Window, Other };

struct CenterReference {
  ReferenceKind kind = ReferenceKind::Screen;
  // Screen: width and height of the screen. Frame and Window: the reference's outer rectangle.
  TwipRect outer;
  // Frame only: the size of its client area, and whether the window is one of its children.
  int innerWidth = 0;
  int innerHeight = 0;
  bool windowIsChildOfFrame = false;
  // Window only: when the reference window is itself a child of a frame, the first frame of the
  // program (outer rectangle and client size) turns its client coordinates into screen ones.
  bool referenceIsChildWindow = false;
  TwipRect firstFrameOuter;
  int firstFrameInnerWidth = 0;
  int firstFrameInnerHeight = 0;
};

struct TwipSize {
  int width = 0;
  int height = 0;
};

// The main frame's size at start-up (within the screen's available area).
inline constexpr TwipSize kFrameSize{12600, 9600};

// The size a new warrior window gets: the very first window of a run is 7575 by 6465 twips,
// every later one keeps the load step's height of 5520 at the same width.
constexpr TwipSize warriorWindowSize(bool firstWindowOfRun) {
  return firstWindowOfRun ? TwipSize{7575, 6465} : TwipSize{7575, 5520};
}

// CenterWindow: the position (outer top-left) that centres a window of the given outer size
// over the reference, plus the offsets rounded down. nullopt means "leave it where it is".
// Coordinates that would leave the 16-bit range are held at its ends.
std::optional<TwipPoint> centerWindow(int windowWidth, int windowHeight,
                                      const CenterReference& reference, double offsetX = 0.0,
                                      double offsetY = 0.0);

// Where a new warrior window goes in the frame's client area (all in pixels): one cascade step
// (right by stepX, down by stepY) from the window opened before it, so that a new window never
// hides the last one exactly. A window that would leave the area at the bottom goes back to
// the top edge, one step further right than the window before; one that would leave it at the
// right goes back to the left edge. The first window stays where the frame puts it.
struct PixelPoint {
  int x = 0;
  int y = 0;
  bool operator==(const PixelPoint&) const = default;
};
PixelPoint nextCascadePosition(PixelPoint previous, int windowWidth, int windowHeight,
                               int areaWidth, int areaHeight, int stepX, int stepY);

// Twips to device pixels and back at a logical resolution (1440 twips per inch).
int twipsToPixels(int twips, double dotsPerInch);
int pixelsToTwips(int pixels, double dotsPerInch);

}  // namespace dk
