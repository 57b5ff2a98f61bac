// Saving: the file appears whole or not at all; a failed save changes nothing and says why.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cerrno>
#include <filesystem>
#include <fstream>

#include "FakePrompter.h"
#include "WarriorFileSamples.h"
#include "core/app/SaveWarrior.h"
#include "core/files/ReadFile.h"
#include "core/files/WarriorFile.h"

using namespace dk;
using namespace dk::test;
namespace fs = std::filesystem;

namespace {

class SaveFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "dk-save-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ec);
    for (const auto& e : fs::recursive_directory_iterator(dir_, ec)) {
      fs::permissions(e.path(), fs::perms::owner_all, fs::perm_options::add, ec);
    }
    fs::remove_all(dir_, ec);
  }

  std::string path(const std::string& name) const { return (dir_ / name).string(); }

  static std::string contents(const std::string& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  static void put(const std::string& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
  }

  // Names in the folder: a failed save must leave no temporary file behind.
  std::vector<std::string> folderEntries() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir_))
      names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path dir_;
};

}  // namespace

TEST_F(SaveFileTest, AWarriorIsSavedWithItsPathOnTheFilePathLineAndUnchanged) {
  Warrior w = fullWarrior();
  w.filePath = "/old/place.war";
  const std::string target = path("kai.war");
  ASSERT_TRUE(saveWarrior(w, target).ok());
  EXPECT_EQ(contents(target), formatWarriorFile(fullWarrior(), target));
  EXPECT_NE(contents(target).find("\r\n" + target + "\r\n"), std::string::npos);
  EXPECT_EQ(w.filePath, "/old/place.war");  // the caller sets it after success
  EXPECT_EQ(folderEntries(), std::vector<std::string>{"kai.war"});
}

TEST_F(SaveFileTest, SavingReplacesAnExistingFileAndKeepsItsPermissions) {
  const std::string target = path("kai.war");
  put(target, "old contents that are longer than the new ones");
  ::chmod(target.c_str(), 0640);
  ASSERT_TRUE(writeFileAtomically(target, "new").ok());
  EXPECT_EQ(contents(target), "new");
  struct stat st {};
  ASSERT_EQ(::stat(target.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  EXPECT_EQ(folderEntries(), std::vector<std::string>{"kai.war"});
}

TEST_F(SaveFileTest, SavingThroughALinkReplacesTheFileItPointsTo) {
  const std::string real = path("real.war");
  put(real, "old");
  fs::create_symlink(real, path("link.war"));
  ASSERT_TRUE(writeFileAtomically(path("link.war"), "new").ok());
  EXPECT_TRUE(fs::is_symlink(path("link.war")));
  EXPECT_EQ(contents(real), "new");
}

TEST_F(SaveFileTest, AMissingFolderIsReportedAndNothingIsCreated) {
  const std::string target = path("no such folder/kai.war");
  const Outcome r = writeFileAtomically(target, "x");
  EXPECT_FALSE(r.ok());
  EXPECT_NE(r.message().find("does not exist"), std::string::npos) << r.message();
  EXPECT_NE(r.message().find("no such folder"), std::string::npos) << r.message();
  EXPECT_TRUE(folderEntries().empty());
}

TEST_F(SaveFileTest, AFolderThatIsAFileCannotTakeTheSave) {
  // A read-only place that holds even for root: the "folder" is a regular file.
  put(path("notes.txt"), "keep me");
  const Outcome r = writeFileAtomically(path("notes.txt/kai.war"), "x");
  EXPECT_FALSE(r.ok());
  EXPECT_NE(r.message().find("notes.txt"), std::string::npos) << r.message();
  EXPECT_EQ(contents(path("notes.txt")), "keep me");
  EXPECT_EQ(folderEntries(), std::vector<std::string>{"notes.txt"});
}

TEST_F(SaveFileTest, AReadOnlyFolderRefusesTheSaveAndKeepsTheOldFile) {
  const std::string target = path("kai.war");
  put(target, "old");
  ::chmod(dir_.c_str(), 0555);
  Outcome r = done();
  if (::geteuid() != 0) {
    r = writeFileAtomically(target, "new");
  } else {
    // Root may write anywhere: save as an ordinary user in a child process instead, so the
    // folder's read-only mark really stops the save.
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      ::close(pipeEnds[0]);
      if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(2);
      const Outcome inChild = writeFileAtomically(target, "new");
      const std::string report = (inChild ? "1" : "0") + inChild.message();
      if (::write(pipeEnds[1], report.data(), report.size()) < 0) ::_exit(3);
      ::_exit(0);
    }
    ::close(pipeEnds[1]);
    std::string report;
    char buffer[512];
    ssize_t n;
    while ((n = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0) report.append(buffer, n);
    ::close(pipeEnds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the child could not save";
    ASSERT_FALSE(report.empty());
    r = report[0] == '1' ? done() : Outcome::failure(report.substr(1));
  }
  ::chmod(dir_.c_str(), 0755);
  EXPECT_FALSE(r.ok());
  EXPECT_NE(r.message().find("permission denied"), std::string::npos) << r.message();
  EXPECT_EQ(contents(target), "old");
  EXPECT_EQ(folderEntries(), std::vector<std::string>{"kai.war"});
}

TEST_F(SaveFileTest, AReadOnlyFileIsNotReplaced) {
  // The rename could replace it; the user's read-only mark is respected, for root too.
  const std::string target = path("kai.war");
  put(target, "old");
  ::chmod(target.c_str(), 0444);
  const Outcome r = writeFileAtomically(target, "new");
  EXPECT_FALSE(r.ok());
  EXPECT_NE(r.message().find("read-only"), std::string::npos) << r.message();
  EXPECT_EQ(contents(target), "old");
  EXPECT_EQ(folderEntries(), std::vector<std::string>{"kai.war"});
}

TEST_F(SaveFileTest, AWriteErrorHalfWayLeavesTheOldFileAndNoTemporaryFile) {
  const std::string target = path("kai.war");
  put(target, "old");
  std::size_t calls = 0;
  // Short writes first (the loop must carry on), then the disk fills up.
  const WriteFunction failing = [&calls](int fd, const char* data, std::size_t size) -> ssize_t {
    if (++calls > 3) {
      errno = ENOSPC;
      return -1;
    }
    return ::write(fd, data, std::min<std::size_t>(size, 100));
  };
  const std::string bytes = formatWarriorFile(fullWarrior(), target);
  const Outcome r = writeFileAtomically(target, bytes, failing);
  EXPECT_FALSE(r.ok());
  EXPECT_EQ(r.message(), "the disk is full");
  EXPECT_EQ(calls, 4u);
  EXPECT_EQ(contents(target), "old");
  EXPECT_EQ(folderEntries(), std::vector<std::string>{"kai.war"});

  calls = 0;
  const WriteFunction shortWrites = [&calls](int fd, const char* data, std::size_t size) {
    ++calls;
    return ::write(fd, data, std::min<std::size_t>(size, 100));
  };
  ASSERT_TRUE(writeFileAtomically(target, bytes, shortWrites).ok());
  EXPECT_EQ(contents(target), bytes);
  EXPECT_GT(calls, 10u);
}

TEST_F(SaveFileTest, AFailedSaveTellsTheUserAndLeavesTheWarriorAsItWas) {
  FakePrompter prompter;
  Warrior w = fullWarrior();
  w.filePath = path("kai.war");
  const std::string target = path("missing/kai.war");
  EXPECT_FALSE(saveWarriorReporting(w, target, prompter));
  EXPECT_EQ(w.filePath, path("kai.war"));
  EXPECT_EQ(formatWarriorFile(w, "p"), formatWarriorFile(fullWarrior(), "p"));
  ASSERT_EQ(prompter.log.size(), 1u);
  EXPECT_EQ(prompter.log[0].icon, MessageIcon::Critical);
  EXPECT_EQ(prompter.log[0].text,
            "The warrior could not be saved to \"" + target + "\": the folder \"" +
                path("missing") +
                "\" does not exist. Nothing was changed; any earlier file of that name is as it "
                "was.");

  EXPECT_TRUE(saveWarriorReporting(w, path("kai.war"), prompter));
  EXPECT_EQ(prompter.log.size(), 1u);
  EXPECT_EQ(w.filePath, path("kai.war"));
}

TEST_F(SaveFileTest, ASavedWarriorOpensFromDisk) {
  const std::string target = path("kai.war");
  ASSERT_TRUE(saveWarrior(fullWarrior(), target).ok());
  const ReadOutcome r = openWarriorFile(target);
  ASSERT_EQ(r.status, ReadOutcome::Ok);
  EXPECT_EQ(resaved(*r.opened, target, fullWarrior().skillButtons), contents(target));
  EXPECT_EQ(r.opened->warrior.filePath, target);
}

TEST_F(SaveFileTest, OpeningAFileThatCannotBeReadSaysWhy) {
  const ReadOutcome missing = openWarriorFile(path("gone.war"));
  EXPECT_EQ(missing.status, ReadOutcome::Damaged);
  EXPECT_FALSE(missing.opened);
  EXPECT_EQ(
      openFailedMessage(missing, path("gone.war")),
      "The warrior file \"" + path("gone.war") + "\" cannot be opened: the file does not exist.");
  const ReadOutcome folder = openWarriorFile(dir_.string());
  EXPECT_EQ(openFailedMessage(folder, dir_.string()),
            "The warrior file \"" + dir_.string() + "\" cannot be opened: it is a folder.");
}

TEST_F(SaveFileTest, AHugeFileIsRefusedAfterReadingOnlyItsFirstPart) {
  const std::string big = path("big.war");
  {
    std::ofstream out(big, std::ios::binary);
    out << "Version 2\r\n";
    const std::string chunk(1 << 20, 'x');
    for (int i = 0; i < 100; ++i) out << chunk;  // one 100 MB line
  }
  const ReadOutcome r = openWarriorFile(big);
  ASSERT_EQ(r.status, ReadOutcome::Damaged);
  EXPECT_EQ(r.line, 2);
  EXPECT_NE(openFailedMessage(r, big).find("line 2"), std::string::npos);

  const auto head = readFilePrefix(big, 1000);
  ASSERT_TRUE(head);
  EXPECT_EQ(head->size(), 1000u);
  EXPECT_EQ(head->substr(0, 11), "Version 2\r\n");
  put(path("small"), "12345");
  EXPECT_EQ(*readFilePrefix(path("small"), 5), "12345");
  EXPECT_EQ(*readFilePrefix(path("small"), 4), "1234");
  EXPECT_EQ(*readFilePrefix(path("small"), 100), "12345");
  const auto missing = readFilePrefix(path("empty-file"), 5);
  EXPECT_FALSE(missing);
  EXPECT_NE(missing.message().find("does not exist"), std::string::npos) << missing.message();
  put(path("empty-file"), "");
  EXPECT_EQ(*readFilePrefix(path("empty-file"), 5), "");
}
