#pragma once
// Export through templates: a warrior (or all the warriors of an export) written out through a
// Mustache template, rendered by the Mustache library on the view of printing/WarriorView. The
// program ships three templates beside its data files (data/templates: html, markdown, text);
// the table's own are the *.mustache files of "drakkenfold/templates" under the same folders as
// its own catalogues, a later folder winning, and an own template of a shipped template's name
// replaces it.
//
// A template is checked whole before anything is written: an unclosed section, a closing tag
// that closes nothing (or another section), a partial and a name the view does not have are
// each reported as "FILE:LINE: problem". With a {{#warriors}} section outside every other
// section, the template renders once and that section once per warrior (a roster page);
// without one, the template renders once per warrior, one result after the other.

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/files/CatalogueFiles.h"
#include "core/model/Warrior.h"
#include "core/util/Result.h"

namespace dk {

inline constexpr char kTemplateSuffix[] = ".mustache";
inline constexpr std::size_t kMaxTemplateBytes = std::size_t{1} << 20;

// A template file: its name ("forum" of forum.md.mustache) and the extension of what it writes
// ("md"; "txt" for a file name without one).
struct TemplateFile {
  std::string name;
  std::string extension;
  std::string path;
  bool own = false;
  bool operator==(const TemplateFile&) const = default;
};
TemplateFile templateFileAt(const std::string& path);

// "drakkenfold/templates" beside each own catalogue folder ("drakkenfold/catalogues"), in the
// same order: ownTemplateFolders(ownCatalogueFolders()) for the folders the environment names.
std::vector<std::string> ownTemplateFolders(const std::vector<std::string>& catalogueFolders);
// The shipped templates' folder: "templates" in the data folder.
std::string shippedTemplateFolder(const std::string& dataFolder);
// Every template by name, sorted by name: the shipped ones with the own laid over them.
std::vector<TemplateFile> listTemplates(const std::string& dataFolder,
                                        const std::vector<std::string>& ownFolders);
std::optional<TemplateFile> findTemplate(const std::vector<TemplateFile>& templates,
                                         std::string_view name);

// What is wrong with a template's text, line by line (`file` as it is to be named).
std::vector<CatalogueProblem> templateProblems(const std::string& text, const std::string& file);

// The problems of every template (*.mustache) in a folder, each file named by its path; none
// for a folder that is not there.
std::vector<CatalogueProblem> checkTemplateFolder(const std::string& folder);

// A template read and checked, ready to render any number of times.
class ExportTemplate {
 public:
  ExportTemplate(ExportTemplate&&) noexcept;
  ExportTemplate& operator=(ExportTemplate&&) noexcept;
  ~ExportTemplate();
  // Whether it has a {{#warriors}} section (a roster page).
  bool roster() const;
  const std::string& extension() const;

  struct Compiled;

 private:
  friend Result<ExportTemplate> compileTemplate(const std::string&, const std::string&,
                                                const std::string&);
  friend Outcome renderExport(const ExportTemplate&, int,
                              const std::function<Result<Warrior>(int)>&,
                              const std::function<bool(std::string_view)>&);
  explicit ExportTemplate(std::unique_ptr<Compiled> compiled);
  std::unique_ptr<Compiled> compiled_;
};

// A template from its text: `file` names it in the problems, `extension` decides how warrior
// texts are escaped (HTML for html, htm, xhtml, xml and svg; Markdown's table bars and marks for
// md and markdown; not at all otherwise). The message lists every problem, one per line.
Result<ExportTemplate> compileTemplate(const std::string& text, const std::string& file,
                                       const std::string& extension);
// A template file read (within kMaxTemplateBytes, UTF-8 or Windows-1252) and compiled.
Result<ExportTemplate> readExportTemplate(const TemplateFile& file, const std::string& shown);

// The export of `count` warriors: warriorAt(i) gives the i-th (from 0) as its window holds it,
// or why it cannot be read, each when its turn comes (and once per {{#warriors}} section), so
// that no more than one is held at a time. `out` takes the text piece by piece and answers
// false when it cannot; the export then ends at once, failed.
Outcome renderExport(const ExportTemplate& exportTemplate, int count,
                     const std::function<Result<Warrior>(int)>& warriorAt,
                     const std::function<bool(std::string_view)>& out);

// "The export could not be written to "PATH": WHY. Nothing was written; ..."
std::string exportFailedMessage(const std::string& path, const std::string& why);
// No template at all: the shipped folder is missing.
std::string noTemplatesMessage(const std::string& shippedFolder);

}  // namespace dk
