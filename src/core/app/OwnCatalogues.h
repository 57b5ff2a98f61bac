#pragma once
// The table's own catalogues as the gamemaster meets them: the one message at the start that
// names each own file left out and why, the files in use, the user's folder with its README, and
// the check of a catalogue folder before the game (`drakkenfold --check-data`).

#include <optional>
#include <string>
#include <vector>

#include "core/files/CatalogueFiles.h"
#include "core/util/Result.h"

namespace dk {

// Each own file left out with its first problem, and each record left out past a limit.
std::vector<CatalogueProblem> ownCatalogueProblems(const CatalogueFolders& folders);
// The message at the start; empty when every own file is in use.
std::string ownCataloguesMessage(const std::vector<CatalogueProblem>& problems);
// The own files in use (read cleanly), in reading order.
std::vector<std::string> ownCataloguesInUse(const CatalogueFolders& folders);

// The README.txt of the user's folder: each file's format with an example line, and the order in
// which the folders are read.
std::string catalogueFolderReadme();
// Makes the folder when it is missing and writes its README.txt when there is none.
Outcome prepareCatalogueFolder(const std::string& folder);
// "The catalogue folder could not be opened: <why>."
std::string catalogueFolderFailedMessage(const std::string& why);

// The skill names the rules themselves use (the clan packages, the common choices of a
// speciality, the combat skills): a catalogue without one of them is not whole.
std::vector<std::string> skillNamesTheRulesUse();

// `--check-data [FOLDER]`: the files of one folder each checked on its own, or (no folder)
// everything the program would read, each file and the merged whole (the skills the rules and the
// training files name). The export templates are checked too: the *.mustache files of the folder,
// or the shipped templates and those of `templateFolders`. One line per problem,
// "FILE:LINE: problem", or "No problems found." with the size of each catalogue.
struct DataCheck {
  std::vector<std::string> lines;
  bool clean = true;
};
DataCheck checkCatalogueData(const std::optional<std::string>& folder,
                             const CatalogueFolders& program,
                             const std::vector<std::string>& templateFolders = {});

}  // namespace dk
