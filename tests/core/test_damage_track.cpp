// The damage track: columns in use follow Build, the row buttons reach hidden boxes too.
#include <gtest/gtest.h>

#include "core/model/DamageTrack.h"

using namespace dk;

TEST(DamageTrack, ColumnsInUseFollowBuildWithinOneToEightPairs) {
  Warrior w;
  EXPECT_TRUE(damageColumnInUse(w, 2));
  EXPECT_FALSE(damageColumnInUse(w, 3));
  w.attributeScore[kBLD] = "0";  // a pilot's modifier: one pair stays
  EXPECT_EQ(damagePairsInUse(w), 1);
  w.attributeScore[kBLD] = "99999";
  EXPECT_EQ(damagePairsInUse(w), 8);
  EXPECT_TRUE(damageColumnInUse(w, 16));
  EXPECT_FALSE(damageColumnInUse(w, 17));
}

TEST(DamageTrack, RowButtonsReachHiddenBoxes) {
  Warrior w;
  w.attributeScore[kBLD] = "3";
  fillDamageRow(w, 2);
  const std::array<std::int16_t, kDamageColumns> full = [] {
    std::array<std::int16_t, kDamageColumns> a{};
    a.fill(1);
    return a;
  }();
  EXPECT_EQ(w.damageBoxes[2], full);
  EXPECT_EQ(w.damageBoxes[1], decltype(full){});
  w.damageBoxes[0][15] = 1;  // hidden at Build 3
  clearDamageRow(w, 0);
  EXPECT_EQ(w.damageBoxes[0], decltype(full){});
  const auto before = w.damageBoxes;
  fillDamageRow(w, 5);
  clearDamageRow(w, -1);
  EXPECT_EQ(w.damageBoxes, before);
}
