// The core's folders form one order, each using only those below it, and no two of its files
// need each other. The order is the one docs/ARCHITECTURE.md opens with; an include that points
// up it, or a loop between files, fails here. The window layer has its order too: a page never
// sees a window, a dialog never sees a page, and no two of its files need each other. Every
// include is written from one root ("core/skills/SkillAreas.h", "ui/MainFrame.h"), and no two
// headers share a bare name.
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
#include "TestPaths.h"

namespace {
namespace fs = std::filesystem;

// From the bottom up.
const std::vector<std::string> kOrder{"util",    "model",     "catalogue", "files",
                                      "context", "character", "skills",    "gear",
                                      "budget",  "printing",  "app",       "forge"};

int rank(const std::string& folder) {
  const auto at = std::find(kOrder.begin(), kOrder.end(), folder);
  return at == kOrder.end() ? -1 : static_cast<int>(at - kOrder.begin());
}

// A file and its header are one unit: "core/skills/SkillAreas".
std::string unitOf(const std::string& path) { return path.substr(0, path.rfind('.')); }

struct Include {
  std::string from;  // "core/skills/SkillAreas.cpp"
  std::string to;    // "core/model/Warrior.h"
};

// The includes of the files under src/<layer>, both named from src.
std::vector<Include> includesOf(const std::string& layer) {
  const fs::path src = fs::path(DRAKKENFOLD_SOURCE) / "src";
  const std::regex include(R"(^\s*#\s*include\s*([<"])([^">]+)[">])");
  std::vector<Include> out;
  for (const auto& entry : fs::recursive_directory_iterator(src / layer)) {
    if (!entry.is_regular_file()) continue;
    const std::string from = fs::relative(entry.path(), src).generic_string();
    std::ifstream in(entry.path());
    for (std::string line; std::getline(in, line);) {
      std::smatch m;
      if (!std::regex_search(line, m, include)) continue;
      if (m[1] == "\"")
        out.push_back({from, m[2].str()});
      else if (m[2].str().rfind("Q", 0) == 0)  // Qt
        out.push_back({from, "<" + m[2].str() + ">"});
    }
  }
  return out;
}

// "skills" of "core/skills/SkillAreas.h".
std::string coreFolder(const std::string& path) {
  if (path.rfind("core/", 0) != 0) return path;
  return path.substr(5, path.find('/', 5) - 5);
}

// Reports every loop among the units the includes join.
void expectNoLoops(const std::vector<Include>& includes) {
  std::map<std::string, std::set<std::string>> needs;
  for (const Include& i : includes) {
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
}  // namespace

TEST(CoreLayering, EveryIncludePointsDownTheOrderOrWithinItsFolder) {
  const std::vector<Include> includes = includesOf("core");
  ASSERT_GT(includes.size(), 100u);  // the tree was found
  for (const Include& i : includes) {
    ASSERT_GE(rank(coreFolder(i.from)), 0) << i.from << " lies in a folder the order does not name";
    EXPECT_GE(rank(coreFolder(i.to)), 0)
        << i.from << " includes " << i.to << ", outside the core's order";
    EXPECT_LE(rank(coreFolder(i.to)), rank(coreFolder(i.from)))
        << i.from << " includes " << i.to << ", above it";
  }
}

TEST(CoreLayering, NoFilesNeedEachOther) { expectNoLoops(includesOf("core")); }

TEST(WindowLayering, PagesSeeNoWindowDialogsNoPageAndNoFilesNeedEachOther) {
  const std::vector<Include> includes = includesOf("ui");
  ASSERT_GT(includes.size(), 50u);
  const auto under = [](const std::string& path, const char* folder) {
    return path.rfind(std::string("ui/") + folder + "/", 0) == 0;
  };
  for (const Include& i : includes) {
    const bool window = i.to == "ui/WarriorWindow.h" || i.to == "ui/MainFrame.h";
    EXPECT_FALSE(under(i.from, "pages") && window) << i.from << " includes the window " << i.to;
    EXPECT_FALSE(under(i.from, "dialogs") && under(i.to, "pages"))
        << i.from << " includes the page " << i.to;
    EXPECT_TRUE(i.to.rfind("core/", 0) == 0 || i.to.rfind("ui/", 0) == 0 || i.to[0] == '<')
        << i.from << " includes " << i.to << ", not from the one include root";
  }
  std::vector<Include> own;
  for (const Include& i : includes)
    if (i.to.rfind("ui/", 0) == 0) own.push_back(i);
  expectNoLoops(own);
}

TEST(WindowLayering, NoTwoHeadersShareABareName) {
  std::map<std::string, std::string> seen;
  for (const auto& entry : fs::recursive_directory_iterator(fs::path(DRAKKENFOLD_SOURCE) / "src")) {
    if (entry.path().extension() != ".h") continue;
    const auto [at, added] = seen.emplace(entry.path().filename().string(), entry.path().string());
    EXPECT_TRUE(added) << entry.path() << " and " << at->second << " share a name";
  }
}
