// The core's folders form one order, each using only those below it, and no two of its files
// need each other. The order is the one docs/ARCHITECTURE.md opens with; an include that points
// up it, or a loop between files, fails here.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {
namespace fs = std::filesystem;

// From the bottom up.
const std::vector<std::string> kOrder{"util", "model", "catalogue", "files", "context",
                                      "character", "skills", "gear", "budget", "printing", "app"};

int rank(const std::string& folder) {
  const auto at = std::find(kOrder.begin(), kOrder.end(), folder);
  return at == kOrder.end() ? -1 : static_cast<int>(at - kOrder.begin());
}

// A file and its header are one unit: "skills/SkillAreas".
std::string unitOf(const std::string& path) { return path.substr(0, path.rfind('.')); }

struct Include {
  std::string from;  // "skills/SkillAreas.cpp"
  std::string to;    // "model/Warrior.h"
};

std::vector<Include> coreIncludes() {
  const fs::path core = fs::path(DRAKKENFOLD_SOURCE) / "src" / "core";
  const std::regex include(R"(^\s*#\s*include\s*([<"])([^">]+)[">])");
  std::vector<Include> out;
  for (const auto& entry : fs::recursive_directory_iterator(core)) {
    if (!entry.is_regular_file()) continue;
    const std::string from = fs::relative(entry.path(), core).generic_string();
    std::ifstream in(entry.path());
    for (std::string line; std::getline(in, line);) {
      std::smatch m;
      if (!std::regex_search(line, m, include)) continue;
      if (m[1] == "\"")
        out.push_back({from, m[2].str()});
      else if (m[2].str().rfind("Q", 0) == 0)  // Qt: the core is standard C++ only
        out.push_back({from, "<" + m[2].str() + ">"});
    }
  }
  return out;
}
}  // namespace

TEST(CoreLayering, EveryIncludePointsDownTheOrderOrWithinItsFolder) {
  const std::vector<Include> includes = coreIncludes();
  ASSERT_GT(includes.size(), 100u);  // the tree was found
  for (const Include& i : includes) {
    const std::string fromFolder = i.from.substr(0, i.from.find('/'));
    const std::string toFolder = i.to.substr(0, i.to.find('/'));
    ASSERT_GE(rank(fromFolder), 0) << i.from << " lies in a folder the order does not name";
    EXPECT_GE(rank(toFolder), 0) << i.from << " includes " << i.to << ", outside the core's order";
    EXPECT_LE(rank(toFolder), rank(fromFolder)) << i.from << " includes " << i.to << ", above it";
  }
}

TEST(CoreLayering, NoFilesNeedEachOther) {
  std::map<std::string, std::set<std::string>> needs;
  for (const Include& i : coreIncludes()) {
    const std::string from = unitOf(i.from), to = unitOf(i.to);
    if (from != to) needs[from].insert(to);
  }
  // A loop is a path back to where it started; report each one found once.
  std::map<std::string, int> state;  // 1 on the path, 2 done
  std::vector<std::string> path;
  std::function<void(const std::string&)> visit = [&](const std::string& unit) {
    state[unit] = 1;
    path.push_back(unit);
    for (const std::string& next : needs[unit]) {
      if (state[next] == 1) {
        std::string loop;
        for (auto at = std::find(path.begin(), path.end(), next); at != path.end(); ++at)
          loop += *at + " -> ";
        ADD_FAILURE() << "files that need each other: " << loop << next;
      } else if (state[next] == 0) {
        visit(next);
      }
    }
    path.pop_back();
    state[unit] = 2;
  };
  for (const auto& [unit, _] : needs)
    if (state[unit] == 0) visit(unit);
}
