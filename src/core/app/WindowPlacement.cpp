#include "core/app/WindowPlacement.h"

#include <cmath>

#include "core/util/Numeric.h"

namespace dk {

std::optional<TwipPoint> centerWindow(int windowWidth, int windowHeight, const CenterReference& ref,
                                      double offsetX, double offsetY) {
  std::int64_t x = 0;
  std::int64_t y = 0;
  const std::int64_t w = windowWidth;
  const std::int64_t h = windowHeight;
  switch (ref.kind) {
    case ReferenceKind::Frame:
      if (ref.windowIsChildOfFrame) {
        x = halfRoundedEven(ref.innerWidth - w);
        y = halfRoundedEven(ref.innerHeight - h);
      } else {
        x = ref.outer.left + halfRoundedEven(ref.outer.width - w);
        y = ref.outer.top + halfRoundedEven(ref.outer.height - h);
      }
      break;
    case ReferenceKind::Screen:
      x = halfRoundedEven(ref.outer.width - w);
      y = halfRoundedEven(ref.outer.height - h);
      break;
    case ReferenceKind::Window:
      x = ref.outer.left + halfRoundedEven(ref.outer.width - w);
      y = ref.outer.top + halfRoundedEven(ref.outer.height - h);
      if (ref.referenceIsChildWindow) {
        const TwipRect& f = ref.firstFrameOuter;
        x += f.left + halfRoundedEven(f.width - ref.firstFrameInnerWidth);
        y += f.top + halfRoundedEven(f.height - ref.firstFrameInnerHeight);
      }
      break;
    case ReferenceKind::Other:
      return std::nullopt;
  }
  // Offsets are rounded down to the next whole number not above them.
  const auto floored = [](double v) -> std::int64_t {
    if (!std::isfinite(v)) return 0;
    return static_cast<std::int64_t>(std::floor(std::fmax(-1e9, std::fmin(1e9, v))));
  };
  x += floored(offsetX);
  y += floored(offsetY);
  return TwipPoint{clampToInt16(x), clampToInt16(y)};
}

PixelPoint nextCascadePosition(PixelPoint previous, int windowWidth, int windowHeight,
                               int areaWidth, int areaHeight, int stepX, int stepY) {
  PixelPoint next{previous.x + stepX, previous.y + stepY};
  if (next.y + windowHeight > areaHeight) next.y = 0;
  if (next.x + windowWidth > areaWidth) next.x = 0;
  return next;
}

int twipsToPixels(int twips, double dotsPerInch) {
  return static_cast<int>(std::lround(twips * dotsPerInch / 1440.0));
}

int pixelsToTwips(int pixels, double dotsPerInch) {
  if (dotsPerInch <= 0) return 0;
  return static_cast<int>(std::lround(pixels * 1440.0 / dotsPerInch));
}

}  // namespace dk
