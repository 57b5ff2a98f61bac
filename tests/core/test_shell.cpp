// The application shell: slot numbers, the first-window rule and window centring.
#include <gtest/gtest.h>

#include "FakePrompter.h"
#include "core/app/AppState.h"
#include "core/app/NewWarrior.h"
#include "core/app/Version.h"
#include "core/app/WindowPlacement.h"

// References are written as designated initializers: the fields left out keep their defaults,
// which is what GCC warns of.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

using namespace dk;

namespace {
struct Slots : ::testing::Test {
  AppState app;
  test::FakePrompter prompter;
};
}  // namespace

TEST_F(Slots, FirstWindowGetsSlotOneAndLaterOnesCountUp) {
  EXPECT_TRUE(app.firstWindowPending());
  auto first = app.takeSlot();
  ASSERT_TRUE(first);
  EXPECT_EQ(first->slot, 1);
  EXPECT_TRUE(first->firstWindow);
  EXPECT_FALSE(app.firstWindowPending());
  auto second = app.takeSlot();
  ASSERT_TRUE(second);
  EXPECT_EQ(second->slot, 2);
  EXPECT_FALSE(second->firstWindow);
}

TEST_F(Slots, ClosingAWindowKeepsItsSlotSoTheNextWindowGetsANewOne) {
  app.takeSlot();
  app.takeSlot();
  // Closing window 1 does not free its slot.
  EXPECT_EQ(app.takeSlot()->slot, 3);
  EXPECT_EQ(app.upperBound(), 3);
}

TEST_F(Slots, TheSlotAfter32767IsRefusedWithAMessageAndNothingWraps) {
  for (int i = 1; i <= kMaxSlots; ++i) {
    auto g = startNewWarrior(app, prompter);
    ASSERT_TRUE(g);
    ASSERT_EQ(g->slot, i);
  }
  EXPECT_TRUE(prompter.log.empty());
  app.priorityMaximum = 15;
  EXPECT_FALSE(startNewWarrior(app, prompter));
  ASSERT_EQ(prompter.log.size(), 1u);
  EXPECT_EQ(prompter.log[0].text, kSlotsExhaustedMessage);
  EXPECT_EQ(app.upperBound(), kMaxSlots);
  EXPECT_EQ(app.priorityMaximum, 15);  // a refused New changes nothing
}

TEST_F(Slots, NewSetsThePriorityMaximumBackToTen) {
  EXPECT_EQ(app.priorityMaximum, 10);  // from start-up, before any New
  app.priorityMaximum = 15;
  startNewWarrior(app, prompter);
  EXPECT_EQ(app.priorityMaximum, 10);
}

TEST(Version, TextHasThreeNumbers) { EXPECT_EQ(versionText(), "Version 1.3.0"); }

namespace {
CenterReference screen(int w, int h) {
  return {.kind = ReferenceKind::Screen, .outer = {0, 0, w, h}};
}
}  // namespace

TEST(CenterWindow, CentresOnTheScreen) {
  EXPECT_EQ(centerWindow(4000, 3000, screen(9600, 7200)), (TwipPoint{2800, 2100}));
  EXPECT_EQ(centerWindow(9600, 3000, screen(9600, 7200))->x, 0);
  EXPECT_EQ(centerWindow(10000, 3000, screen(9600, 7200))->x, -200);
  // Odd differences halve to the even neighbour.
  EXPECT_EQ(centerWindow(4995, 3000, screen(10000, 7200))->x, 2502);  // 5005 / 2 = 2502.5
  EXPECT_EQ(centerWindow(6997, 3000, screen(10000, 7200))->x, 1502);  // 1501.5
}

TEST(CenterWindow, OffsetsAreRoundedDown) {
  auto p = centerWindow(4000, 3000, screen(9600, 7200), 100.7, -50.2);
  EXPECT_EQ(p, (TwipPoint{2900, 2049}));
}

TEST(CenterWindow, OverAFrameOrAnotherWindow) {
  CenterReference frame{.kind = ReferenceKind::Frame,
                        .outer = {1000, 500, 8000, 6000},
                        .innerWidth = 7800,
                        .innerHeight = 5000};
  // An ordinary window over the frame: screen coordinates.
  EXPECT_EQ(centerWindow(4000, 3000, frame), (TwipPoint{3000, 2000}));
  // One of its children: client coordinates.
  frame.windowIsChildOfFrame = true;
  EXPECT_EQ(centerWindow(4000, 3000, frame), (TwipPoint{1900, 1000}));

  CenterReference window{.kind = ReferenceKind::Window, .outer = {200, 300, 6000, 5000}};
  EXPECT_EQ(centerWindow(4000, 3000, window), (TwipPoint{1200, 1300}));
  // A child window as reference: moved by the first frame's border and top.
  window.referenceIsChildWindow = true;
  window.firstFrameOuter = {1000, 500, 8000, 6000};
  window.firstFrameInnerWidth = 7800;
  window.firstFrameInnerHeight = 5000;
  EXPECT_EQ(centerWindow(4000, 3000, window), (TwipPoint{2300, 2300}));
}

TEST(CenterWindow, AnyOtherReferenceLeavesTheWindowAlone) {
  EXPECT_FALSE(centerWindow(4000, 3000, {.kind = ReferenceKind::Other}));
}

TEST(CenterWindow, PositionsOutsideSixteenBitsAreHeldAtTheEnds) {
  EXPECT_EQ(centerWindow(100, 100, screen(200000, 200000))->x, 32767);
  EXPECT_EQ(centerWindow(200000, 100, screen(100, 100))->x, -32768);
  EXPECT_EQ(centerWindow(100, 100, screen(1000, 1000), 1e300, -1e300)->y, -32768);
}

TEST(CenterWindow, TwipsConvertAtTheLogicalResolution) {
  for (const auto& [twips, dpi, pixels] :
       {std::tuple{7575, 96, 505}, {6465, 96, 431}, {5520, 96, 368}, {1440, 120, 120}})
    EXPECT_EQ(twipsToPixels(twips, dpi), pixels) << twips << " at " << dpi;
  EXPECT_EQ(pixelsToTwips(96, 96), 1440);
}

TEST(CascadeWindow, EachNewWindowStepsOnAndWrapsAtTheEdges) {
  // A 500 x 400 window in a 760 x 600 area, steps of 10 across and 20 down.
  const auto next = [](PixelPoint p) { return nextCascadePosition(p, 500, 400, 760, 600, 10, 20); };
  EXPECT_EQ(next({0, 0}), (PixelPoint{10, 20}));
  EXPECT_EQ(next({100, 190}), (PixelPoint{110, 0}));  // the bottom: back to the top
  EXPECT_EQ(next({255, 50}), (PixelPoint{0, 70}));    // the right: back to the left
  EXPECT_EQ(nextCascadePosition({0, 0}, 900, 700, 760, 600, 10, 20), (PixelPoint{0, 0}));
}

#include "core/app/SystemInfo.h"

TEST(SystemInfo, FindsTheFirstKnownViewerOnThePath) {
  const auto installed = [](const std::string& path) {
    return path == "/usr/bin/kinfocenter" || path == "/opt/tools/hardinfo";
  };
  EXPECT_EQ(findSystemInfoTool("/usr/local/bin:/usr/bin:/opt/tools", installed),
            "/opt/tools/hardinfo");  // preferred over one found earlier on the path
  EXPECT_EQ(findSystemInfoTool("/usr/bin", installed), "/usr/bin/kinfocenter");
  EXPECT_FALSE(findSystemInfoTool("/sbin", installed));
  EXPECT_FALSE(findSystemInfoTool("", installed));
}

TEST(SystemInfo, NeverLooksInTheWorkingFolder) {
  std::vector<std::string> asked;
  const auto record = [&](const std::string& path) {
    asked.push_back(path);
    return false;
  };
  findSystemInfoTool(":relative/bin::/usr/bin:", record);
  for (const auto& p : asked) EXPECT_EQ(p.rfind("/usr/bin/", 0), 0u) << p;
}
