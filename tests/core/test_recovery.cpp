// The undo history, the warrior document and the recovery folder: steps, their limit, typing and
// the saved state; closed warriors kept and pruned, damaged files passed over, a running
// program's files left alone.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "FakePrompter.h"
#include "TestPaths.h"
#include "core/app/OpenWarrior.h"
#include "core/app/Recovery.h"
#include "core/app/SaveWarrior.h"
#include "core/app/UndoHistory.h"
#include "core/app/WarriorDocument.h"
#include "core/files/RecoveryEntry.h"
#include "core/skills/SkillAreas.h"

using namespace dk;
namespace fs = std::filesystem;

TEST(UndoHistory, StepsSelectionsTheLimitAndTheSavedState) {
  Warrior w;
  UndoHistory history(w, 3);
  w.selections.owned(SkillArea::InnerSphere) = "Blade";
  EXPECT_FALSE(history.record("Select", w));  // a selection is no step
  for (const char* score : {"2", "3", "4", "5"}) {
    w.attributeScore[kBLD] = score;
    EXPECT_TRUE(history.record("Raise Build", w));
  }
  EXPECT_EQ(history.steps(), 3u);  // the oldest went
  EXPECT_EQ(history.undo().attributeScore[kBLD], "4");
  EXPECT_EQ(history.redoLabel(), "Raise Build");
  w = history.undo();
  w.attributeScore[kREF] = "2";  // a new step drops the one that could be redone
  history.record("Raise Reflexes", w);
  EXPECT_FALSE(history.canRedo());
  EXPECT_EQ(history.undoLabel(), "Raise Reflexes");

  history.markSaved(w);
  w.filePath = "/elsewhere.war";  // the file is no part of a step
  EXPECT_FALSE(history.modified(w));
  w = history.undo();
  EXPECT_TRUE(history.modified(w));
  history.markUnsaved();
  EXPECT_TRUE(history.modified(history.redo()));
  EXPECT_EQ(editStepName(&Warrior::placeOfBirth), "Edit Place of birth");
}

TEST(WarriorDocument, CommandsTypingUndoRedoAndTheSavedState) {
  SharedState shared;
  shared.dataFolder = DRAKKENFOLD_DATA;
  test::FakePrompter prompter;
  WarriorDocument doc(Warrior{}, shared, prompter);
  EXPECT_FALSE(doc.modified());
  EXPECT_FALSE(doc.canUndo());

  doc.run(commands::selectAdvantage("Wealth"));  // a selection is no step
  EXPECT_FALSE(doc.canUndo());
  doc.run(commands::raiseAttribute(kBLD));
  EXPECT_EQ(doc.undoLabel(), "Raise Build");
  // Typing is one step, named for its field, that a command or another field settles.
  for (const char* name : {"K", "Ka", "Kai"}) {
    doc.warrior().name = name;
    doc.typed(&Warrior::name);
  }
  EXPECT_EQ(doc.undoLabel(), "Edit Name");
  EXPECT_FALSE(doc.canRedo());
  doc.run(commands::raiseAttribute(kREF));
  EXPECT_EQ(doc.history().steps(), 3u);

  const auto path = std::filesystem::temp_directory_path() / "dk_document_test.war";
  ASSERT_TRUE(doc.save(path.string()));
  EXPECT_FALSE(doc.modified());
  doc.undo();
  doc.undo();
  EXPECT_TRUE(doc.modified());
  EXPECT_EQ(doc.warrior().name, "");
  EXPECT_EQ(doc.redoLabel(), "Edit Name");
  EXPECT_EQ(doc.warrior().filePath, path.string());  // undo never forgets the file
  doc.redo();
  doc.redo();
  EXPECT_FALSE(doc.modified());
  doc.markUnsaved();
  EXPECT_TRUE(doc.modified());
  EXPECT_FALSE(doc.save(""));  // told, and nothing changes
  EXPECT_TRUE(doc.modified());
  std::filesystem::remove(path);

  // A step's name comes from the warrior when the command is given.
  Warrior w;
  w.selections.skillList(SkillArea::InnerSphere) = "Gunnery";
  EXPECT_EQ(commands::addSkillPoint(SkillArea::InnerSphere).label(w), "Buy Gunnery");
  w.skillStage = kSkillStagePickingMos;
  EXPECT_EQ(commands::addSkillPoint(SkillArea::InnerSphere).label(w), "Give Gunnery");
}

TEST(RecoveryEntry, WritesAndReadsItsFourLinesAndNothingElse) {
  const RecoveryEntry entry{"/home/ada/kai.war", "Warrior: Kai", 1765000000};
  EXPECT_EQ(parseRecoveryEntry(formatRecoveryEntry(entry)), entry);
  EXPECT_EQ(parseRecoveryEntry(formatRecoveryEntry({"a\nb", "c", 0}))->originalPath, "a b");
  for (const char* bad :
       {"", "Drakkenfold recovery 1\n/p\nc\n", "Drakkenfold recovery 2\n/p\nc\n1\n",
        "Drakkenfold recovery 1\n/p\nc\n-1\n", "Drakkenfold recovery 1\n/p\nc\n1",
        "Drakkenfold recovery 1\n/p\nc\n1\nmore\n"})
    EXPECT_EQ(parseRecoveryEntry(bad), std::nullopt) << bad;
}

TEST(RecoveryStore, KeepsTheLastTwentyNewestFirstAndPassesOverDamage) {
  const fs::path root = fs::path(::testing::TempDir()) / "recovery-closed";
  fs::remove_all(root);
  RecoveryStore store(root.string());
  Warrior w;
  for (int i = 0; i < 22; ++i) {
    w.name = "Warrior " + std::to_string(i);
    ASSERT_TRUE(store.keepClosed(w, "Warrior: " + w.name, 1000 + i).ok());
  }
  KeptWarriors kept = store.closed();
  ASSERT_EQ(kept.warriors.size(), 20u);
  EXPECT_EQ(kept.warriors.front().entry.caption, "Warrior: Warrior 21");
  EXPECT_EQ(kept.warriors.back().entry.caption, "Warrior: Warrior 2");

  std::ofstream(kept.warriors.front().entryFile) << "not an index";
  std::vector<std::string> damaged;
  const auto taken = store.takeNewestClosed(damaged);
  ASSERT_TRUE(taken);
  EXPECT_EQ(taken->keptFile, kept.warriors[1].warriorFile);
  EXPECT_TRUE(taken->bytes.starts_with("Version 2"));
  EXPECT_EQ(damaged, std::vector<std::string>{kept.warriors.front().entryFile});
  EXPECT_EQ(store.closed().warriors.size(), 18u);  // taken out of the folder

  // What the program kept as it ended is told once at the next start, never more than remain.
  store.noteKeptAtExit(25);
  EXPECT_EQ(store.takeKeptAtExit(), 18u);
  EXPECT_EQ(store.takeKeptAtExit(), 0u);
  EXPECT_EQ(restoreQuestion(1), "1 warrior from the last session was not saved. Restore it?");
  EXPECT_EQ(restoreQuestion(2), "2 warriors from the last session were not saved. Restore them?");
}

TEST(WarriorDocument, ASaveOverAFileChangedOnDiskAsksFirst) {
  SharedState shared;
  shared.dataFolder = DRAKKENFOLD_DATA;
  test::FakePrompter prompter;
  const auto path = (fs::path(::testing::TempDir()) / "dk_changed_on_disk.war").string();
  WarriorDocument doc(Warrior{}, shared, prompter);
  ASSERT_TRUE(doc.save(path));
  ASSERT_TRUE(doc.save(path));  // unchanged since: no question
  EXPECT_TRUE(prompter.log.empty());
  std::ofstream(path) << "another program's warrior";
  prompter.yesNoAnswers = {false, true};
  EXPECT_FALSE(doc.save(path));  // No: theirs stays
  EXPECT_EQ(prompter.log.back().text, changedOnDiskQuestion(path));
  std::ifstream kept(path);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "another program's warrior");
  EXPECT_TRUE(doc.save(path));  // Yes
  fs::remove(path);
  EXPECT_TRUE(doc.save(path));  // a file gone holds nothing to lose: no question
  EXPECT_EQ(prompter.log.size(), 2u);
  fs::remove(path);
}

// The file of an open warrior changed by someone else: told once for each state of the file and
// never for our own save; a refused reload leaves the save's own question, a reload does not.
TEST(WarriorDocument, AFileChangedOnDiskIsToldOnceAndNeverForOurOwnSave) {
  SharedState shared;
  shared.dataFolder = DRAKKENFOLD_DATA;
  test::FakePrompter prompter;
  const auto path = (fs::path(::testing::TempDir()) / "dk_watched.war").string();
  WarriorDocument doc(Warrior{}, shared, prompter);
  ASSERT_TRUE(doc.save(path));
  const std::string build = doc.warrior().attributeScore[kBLD];
  EXPECT_EQ(doc.noticeDisk(stampOf(path)), DiskChange::None);
  const auto changeOnDisk = [&] {
    std::ofstream(path, std::ios::app) << "\r\n";
    return stampOf(path);
  };
  EXPECT_EQ(doc.noticeDisk(changeOnDisk()), DiskChange::Reload);
  EXPECT_EQ(doc.noticeDisk(stampOf(path)), DiskChange::None);
  doc.run(commands::raiseAttribute(kBLD));
  EXPECT_EQ(doc.noticeDisk(changeOnDisk()), DiskChange::AskReload);
  prompter.yesNoAnswers = {false};
  EXPECT_FALSE(doc.save(path));
  EXPECT_EQ(prompter.log.back().text, changedOnDiskQuestion(path));
  const Arrival arrival = *arrivalFromFile(path);
  doc.reload(*reloadArrival(arrival, shared, prompter), arrival.stamp);
  EXPECT_FALSE(doc.modified());
  EXPECT_EQ(doc.warrior().attributeScore[kBLD], build);
  EXPECT_TRUE(doc.save(path));  // what was read again is no change of someone else's
  fs::remove(path);
  EXPECT_EQ(doc.noticeDisk(stampOf(path)), DiskChange::Deleted);
  EXPECT_TRUE(doc.modified());
  EXPECT_EQ(doc.noticeDisk(stampOf(path)), DiskChange::None);
  EXPECT_EQ(prompter.log.size(), 1u);
}

TEST(RecoveryStore, ARunningProgramsSessionIsLeftAloneAndADeadOnesIsOffered) {
  const fs::path root = fs::path(::testing::TempDir()) / "recovery-sessions";
  fs::remove_all(root);
  RecoveryStore running(root.string()), next(root.string());
  ASSERT_TRUE(running.startSession().ok());
  Warrior w;
  ASSERT_TRUE(running.autosave(1, w, "Warrior: ", 5).ok());
  EXPECT_TRUE(next.unfinished().warriors.empty());  // its lock is held

  // A session folder nobody holds: a program that died.
  fs::create_directories(root / "sessions" / "999999");
  for (const auto& f : fs::directory_iterator(root / "sessions" / std::to_string(::getpid())))
    if (f.path().filename() != "lock")
      fs::copy_file(f.path(), root / "sessions" / "999999" / f.path().filename());
  EXPECT_EQ(next.unfinished().warriors.size(), 1u);
  next.moveUnfinishedToClosed();
  EXPECT_TRUE(next.unfinished().warriors.empty());
  EXPECT_EQ(next.closed().warriors.size(), 1u);
  running.endSession();
  EXPECT_FALSE(fs::exists(root / "sessions" / std::to_string(::getpid())));
}
