#include "core/model/DamageTrack.h"

#include <algorithm>

namespace dk {

namespace {
constexpr int kDamagePairs = kDamageColumns / 2;

void setRow(Warrior& w, int row, std::int16_t tick) {
  if (row < 0 || row >= kDamageRows) return;
  w.damageBoxes[static_cast<std::size_t>(row)].fill(tick);
}
}  // namespace

int damagePairsInUse(const Warrior& w) {
  return std::clamp<int>(scoreValue(w, kBLD), 1, kDamagePairs);
}

bool damageColumnInUse(const Warrior& w, int column) {
  return column >= 1 && column <= 2 * damagePairsInUse(w);
}

std::string sheetDamageRow(const DamageCondition& row) {
  constexpr std::size_t kSaveColumn = 14, kRowWidth = 21;
  std::string line = row.woundFactor;
  line.resize(static_cast<std::size_t>(row.sheetColumn), ' ');
  line += row.condition;
  line.resize(std::max(line.size(), kSaveColumn), ' ');
  for (const char* c = row.save; *c; ++c)
    if (*c != ' ') line += *c;
  line.resize(std::max(line.size(), kRowWidth), ' ');
  return line;
}

void fillDamageRow(Warrior& w, int row) { setRow(w, row, 1); }

void clearDamageRow(Warrior& w, int row) { setRow(w, row, 0); }

}  // namespace dk
