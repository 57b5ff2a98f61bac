#include "core/printing/TemplateExport.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <kainjow/mustache.hpp>
#include <map>
#include <system_error>
#include <variant>

#include "core/files/ReadFile.h"
#include "core/printing/WarriorView.h"
#include "core/util/Numeric.h"
#include "core/util/TextEncoding.h"

namespace dk {

namespace fs = std::filesystem;
namespace mustache = kainjow::mustache;

namespace {

constexpr std::size_t kMaxSectionDepth = 64;
constexpr std::string_view kBlanks = " \t\n\v\f\r";

std::string_view trimmed(std::string_view s) {
  const std::size_t first = s.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

// --- Reading the tags of a template, as the Mustache library reads them.

enum class TagKind { Value, RawValue, Section, Inverted, Close, Partial, Comment, Delimiters };

struct Tag {
  TagKind kind = TagKind::Value;
  std::string name;
  int line = 1;
  std::size_t begin = 0;    // where "{{" stands
  std::size_t end = 0;      // just past "}}"
  std::string open, close;  // the delimiters in force after the tag
};

struct Scan {
  std::vector<Tag> tags;
  std::vector<CatalogueProblem> problems;
};

// "{{=<% %>=}}": the new delimiters, neither empty nor holding a blank or "=".
bool readDelimiters(std::string_view contents, std::string& open, std::string& close) {
  if (contents.size() < 5 || contents.back() != '=') return false;
  const std::string_view inner = trimmed(contents.substr(1, contents.size() - 2));
  const std::size_t space = inner.find(' ');
  if (space == std::string_view::npos) return false;
  const std::string_view first = inner.substr(0, space);
  const std::string_view second = inner.substr(inner.find_first_not_of(' ', space));
  const auto valid = [](std::string_view d) {
    return !d.empty() && d.find('=') == std::string_view::npos &&
           std::none_of(d.begin(), d.end(),
                        [](char c) { return static_cast<unsigned char>(c) <= ' '; });
  };
  if (!valid(first) || !valid(second)) return false;
  open = first;
  close = second;
  return true;
}

Scan scanTags(const std::string& text, const std::string& file) {
  Scan scan;
  std::string open = "{{", close = "}}";
  std::size_t pos = 0, counted = 0;
  int line = 1;
  const auto lineAt = [&](std::size_t at) {
    line += static_cast<int>(std::count(text.begin() + static_cast<std::ptrdiff_t>(counted),
                                        text.begin() + static_cast<std::ptrdiff_t>(at), '\n'));
    counted = at;
    return line;
  };
  while (pos < text.size()) {
    const std::size_t at = text.find(open, pos);
    if (at == std::string::npos) break;
    Tag tag;
    tag.begin = at;
    tag.line = lineAt(at);
    std::size_t contentsAt = at + open.size();
    const bool braces = open == "{{" && close == "}}";
    const bool triple = braces && at + 2 != text.size() && text[contentsAt] == '{';
    const std::string& closing = triple ? std::string("}}}") : close;
    if (triple) ++contentsAt;
    const std::size_t closeAt = text.find(closing, contentsAt);
    if (closeAt == std::string::npos) {
      scan.problems.push_back(
          {file, tag.line, "a tag opened here is never closed (no \"" + closing + "\" follows)"});
      return scan;
    }
    tag.end = closeAt + closing.size();
    const std::string_view contents =
        trimmed(std::string_view(text).substr(contentsAt, closeAt - contentsAt));
    if (!contents.empty() && contents.front() == '=') {
      if (!readDelimiters(contents, open, close)) {
        scan.problems.push_back({file, tag.line,
                                 "the delimiter change \"" + std::string(contents) +
                                     "\" is not valid (it is written like {{=<% %>=}})"});
        return scan;
      }
      tag.kind = TagKind::Delimiters;
    } else if (triple) {
      tag.kind = TagKind::RawValue;
      tag.name = contents;
    } else {
      static const std::map<char, TagKind> kinds{{'#', TagKind::Section},  {'^', TagKind::Inverted},
                                                 {'/', TagKind::Close},    {'>', TagKind::Partial},
                                                 {'&', TagKind::RawValue}, {'!', TagKind::Comment}};
      const auto kind = contents.empty() ? kinds.end() : kinds.find(contents.front());
      tag.kind = kind == kinds.end() ? TagKind::Value : kind->second;
      tag.name = kind == kinds.end() ? contents : trimmed(contents.substr(1));
    }
    tag.open = open;
    tag.close = close;
    pos = tag.end;
    scan.tags.push_back(std::move(tag));
  }
  return scan;
}

// --- Checking the names of the tags against the view.

bool isRosterSection(const Tag& tag) {
  return (tag.kind == TagKind::Section || tag.kind == TagKind::Inverted) && tag.name == "warriors";
}

// Whether a {{#warriors}} section stands outside every other section.
bool hasRosterSection(const std::vector<Tag>& tags) {
  std::size_t depth = 0;
  for (const Tag& tag : tags) {
    if (depth == 0 && isRosterSection(tag)) return true;
    if (tag.kind == TagKind::Section || tag.kind == TagKind::Inverted) ++depth;
    if (tag.kind == TagKind::Close && depth > 0) --depth;
  }
  return false;
}

const ViewObject& rosterNames() {
  static const ViewObject names = rosterView(1, true);
  return names;
}
const ViewObject& countOnly() {
  static const ViewObject names = rosterView(1, false);
  return names;
}

// The value a name stands for where the scopes (innermost last) are open; "." is the row itself.
// A dotted name would need a name inside a text or a list, which the view has not.
// `at` is set to the scope it was found in.
const ViewValue* lookUp(const std::string& name, const std::vector<const ViewObject*>& scopes,
                        std::size_t* at = nullptr) {
  for (std::size_t i = scopes.size(); i-- > 0;)
    if (scopes[i])
      if (const ViewValue* value = scopes[i]->find(name)) {
        if (at) *at = i;
        return value;
      }
  return nullptr;
}

std::string tagText(const Tag& tag) {
  const char* marks[] = {"", "&", "#", "^", "/", ">", "!", "="};
  return "{{" + std::string(marks[static_cast<int>(tag.kind)]) + tag.name + "}}";
}

void checkNames(const std::vector<Tag>& tags, bool roster, const std::string& file,
                std::vector<CatalogueProblem>& problems) {
  std::vector<const ViewObject*> scopes;
  if (roster) {
    scopes.push_back(&rosterNames());
  } else {
    scopes.push_back(&countOnly());
    scopes.push_back(&sampleWarriorView());
  }
  const std::size_t base = scopes.size();  // scopes[base + k] is that of the section open[k]
  std::vector<const Tag*> open;
  // The scopes that are rows of a list, innermost last: a list of an outer scope inside them
  // would be gone through once for every row (and nested, without end).
  std::vector<std::size_t> rowScopes;
  const auto problem = [&](const Tag& tag, std::string text) {
    problems.push_back({file, tag.line, std::move(text)});
  };
  for (const Tag& tag : tags) {
    switch (tag.kind) {
      case TagKind::Comment:
      case TagKind::Delimiters:
        break;
      case TagKind::Partial:
        problem(tag, "partials (" + tagText(tag) + ") are not supported");
        break;
      case TagKind::Value:
      case TagKind::RawValue: {
        if (tag.name.empty()) {
          problem(tag, "an empty tag");
          break;
        }
        if (tag.name == ".") break;
        const ViewValue* value = lookUp(tag.name, scopes);
        if (!value)
          problem(tag, "unknown name \"" + tag.name + "\"");
        else if (std::holds_alternative<ViewList>(value->value))
          problem(tag, "\"" + tag.name + "\" is a list: write {{#" + tag.name + "}}...{{/" +
                           tag.name + "}}");
        break;
      }
      case TagKind::Section:
      case TagKind::Inverted: {
        if (open.size() >= kMaxSectionDepth) {
          problem(tag, "sections nested more than " + toText(kMaxSectionDepth) + " deep");
          return;
        }
        std::size_t foundAt = 0;
        const ViewValue* value = lookUp(tag.name, scopes, &foundAt);
        const auto* rows = value ? std::get_if<ViewList>(&value->value) : nullptr;
        const bool iterates = rows && tag.kind == TagKind::Section;
        if (tag.name == "warriors" && !open.empty())
          problem(tag, "the {{#warriors}} section stands inside another section");
        else if (!value)
          problem(tag, "unknown name \"" + tag.name + "\"");
        else if (iterates && !rowScopes.empty() && foundAt < rowScopes.back())
          problem(tag, tagText(tag) + " stands inside " + tagText(*open[rowScopes.back() - base]) +
                           ": it would repeat for every row");
        // Inside a list's section its row's names are known; inside any other, the same as
        // outside.
        if (iterates) rowScopes.push_back(scopes.size());
        scopes.push_back(iterates && !rows->empty() ? &rows->front() : nullptr);
        open.push_back(&tag);
        break;
      }
      case TagKind::Close:
        if (open.empty()) {
          problem(tag, tagText(tag) + " closes no section");
          return;
        }
        if (open.back()->name != tag.name) {
          problem(tag, tagText(tag) + " does not close " + tagText(*open.back()) +
                           ", opened on line " + toText(open.back()->line));
          return;
        }
        open.pop_back();
        scopes.pop_back();
        if (!rowScopes.empty() && rowScopes.back() == scopes.size()) rowScopes.pop_back();
        break;
    }
  }
  for (const Tag* tag : open) problem(*tag, tagText(*tag) + " is never closed");
}

// --- Escaping a warrior's texts for what the template writes.

enum class Escape { None, Html, Markdown };

Escape escapeFor(std::string extension) {
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  for (const char* html : {"html", "htm", "xhtml", "xml", "svg"})
    if (extension == html) return Escape::Html;
  if (extension == "md" || extension == "markdown") return Escape::Markdown;
  return Escape::None;
}

// HTML and XML alike: the five marks as entities, and characters no page may hold (controls
// other than tab and line breaks, U+FFFE and U+FFFF, bytes that are not UTF-8) as U+FFFD.
std::string htmlEscape(const std::string& raw) {
  const std::string text = isValidUtf8(raw) ? raw : windows1252ToUtf8(raw);
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    const auto next = [&](std::size_t k) {
      return i + k < text.size() ? static_cast<unsigned char>(text[i + k]) : 0;
    };
    switch (c) {
      case '&':
        out += "&amp;";
        continue;
      case '<':
        out += "&lt;";
        continue;
      case '>':
        out += "&gt;";
        continue;
      case '"':
        out += "&quot;";
        continue;
      case '\'':
        out += "&#39;";
        continue;
      default:
        break;
    }
    const bool control = (c < 0x20 && c != '\t' && c != '\n' && c != '\r') || c == 0x7F;
    const bool c1 = c == 0xC2 && next(1) >= 0x80 && next(1) <= 0x9F;
    const bool nonCharacter = c == 0xEF && next(1) == 0xBF && (next(2) == 0xBE || next(2) == 0xBF);
    if (control || c1 || nonCharacter) {
      out += "\xEF\xBF\xBD";
      i += control ? 0 : (c1 ? 1 : 2);
      continue;
    }
    out += static_cast<char>(c);
  }
  return out;
}

// Markdown: every mark that could start a table cell, emphasis, a link, a heading or HTML gets
// its backslash, so a name shows as typed.
std::string markdownEscape(const std::string& text) {
  std::string out;
  out.reserve(text.size() + 8);
  for (const char c : text) {
    if (std::string_view("\\`*_[]<>#|~").find(c) != std::string_view::npos) out += '\\';
    out += c;
  }
  return out;
}

// --- The view as the library takes it.

mustache::data toData(const ViewObject& object);

// The library's set and push_back copy what they are given, and a copy is deep: each part is put
// in as an empty placeholder, which the part built is then moved into, so that nothing of a
// view is copied (a part's parts would be copied again at every level above them).
void moveInto(const mustache::data* placeholder, mustache::data&& part) {
  *const_cast<mustache::data*>(placeholder) = std::move(part);  // owned by a non-const parent
}

mustache::data toData(const ViewValue& value) {
  if (const auto* text = std::get_if<std::string>(&value.value))
    // An empty text is "no value": {{#rank}}...{{/rank}} leaves out what is not there.
    return text->empty() ? mustache::data(false) : mustache::data(*text);
  if (const auto* flag = std::get_if<bool>(&value.value)) return mustache::data(*flag);
  mustache::data list(mustache::data::type::list);
  for (const ViewObject& row : std::get<ViewList>(value.value)) {
    list.push_back(mustache::data(false));
    moveInto(&list.list_value().back(), toData(row));
  }
  return list;
}

mustache::data toData(const ViewObject& object) {
  mustache::data out(mustache::data::type::object);
  for (const auto& [name, value] : object.fields) {
    out.set(name, mustache::data(false));
    moveInto(out.get(name), toData(value));
  }
  return out;
}

// Where a standalone tag's line begins and where the line after it begins; the tag's own
// extent when something else stands on its line.
std::pair<std::size_t, std::size_t> tagLine(const std::string& text, const Tag& tag) {
  std::size_t start = tag.begin;
  while (start > 0 && (text[start - 1] == ' ' || text[start - 1] == '\t')) --start;
  std::size_t end = tag.end;
  while (end < text.size() && (text[end] == ' ' || text[end] == '\t')) ++end;
  const bool lineBefore = start == 0 || text[start - 1] == '\n';
  std::size_t after = end;
  if (after < text.size() && text[after] == '\r') ++after;
  const bool lineAfter = after == text.size() || text[after] == '\n';
  if (!lineBefore || !lineAfter) return {tag.begin, tag.end};
  return {start, after < text.size() ? after + 1 : after};
}

// The library drops a line that holds only blanks once a section tag stood on it, also where
// the standard keeps it, and keeps the line break of a section it does not show. So the lines
// are decided here: a line that holds nothing but section, comment and delimiter tags (and
// blanks) goes, its tags joined to the next line; every section tag is followed by a mark, so
// that to the library no line is blank. The mark never reaches the output.
constexpr char kLineMark = '\x01';

std::string withStandaloneLinesDecided(const std::string& text, const std::vector<Tag>& tags) {
  const auto blanks = [&](std::size_t from, std::size_t to) {
    return std::all_of(text.begin() + static_cast<std::ptrdiff_t>(from),
                       text.begin() + static_cast<std::ptrdiff_t>(to),
                       [](char c) { return c == ' ' || c == '\t'; });
  };
  const auto silent = [](const Tag& t) {
    return t.kind != TagKind::Value && t.kind != TagKind::RawValue && t.kind != TagKind::Partial;
  };
  std::string out;
  out.reserve(text.size() + tags.size());
  const auto put = [&](const Tag& t) {
    out.append(text, t.begin, t.end - t.begin);
    if (t.kind == TagKind::Section || t.kind == TagKind::Inverted || t.kind == TagKind::Close)
      out += kLineMark;
  };
  std::size_t copied = 0;
  for (std::size_t i = 0; i < tags.size();) {
    const std::size_t before = text.rfind('\n', tags[i].begin);
    const std::size_t lineStart = before == std::string::npos ? 0 : before + 1;
    std::size_t j = i;
    while (j + 1 < tags.size() && silent(tags[j + 1]) && blanks(tags[j].end, tags[j + 1].begin))
      ++j;
    std::size_t lineEnd = tags[j].end;
    while (lineEnd < text.size() && (text[lineEnd] == ' ' || text[lineEnd] == '\t')) ++lineEnd;
    if (lineEnd < text.size() && text[lineEnd] == '\r') ++lineEnd;
    const bool standalone = silent(tags[i]) && lineStart >= copied &&
                            blanks(lineStart, tags[i].begin) &&
                            (lineEnd == text.size() || text[lineEnd] == '\n');
    if (!standalone) {
      out.append(text, copied, tags[i].begin - copied);
      put(tags[i]);
      copied = tags[i].end;
      ++i;
      continue;
    }
    out.append(text, copied, lineStart - copied);
    for (std::size_t k = i; k <= j; ++k) put(tags[k]);
    copied = lineEnd < text.size() ? lineEnd + 1 : lineEnd;
    i = j + 1;
  }
  out.append(text, copied, std::string::npos);
  return out;
}

}  // namespace

// A piece of the template, compiled: rendered once, or once per warrior.
struct ExportTemplate::Compiled {
  struct Piece {
    std::unique_ptr<mustache::mustache> text;
    bool perWarrior = false;
    bool whenNone = false;  // a {{^warriors}} section: only for an export of no warriors
  };
  std::vector<Piece> pieces;
  bool roster = false;
  std::string extension;
  Escape escape = Escape::None;
};

ExportTemplate::ExportTemplate(std::unique_ptr<Compiled> compiled)
    : compiled_(std::move(compiled)) {}
ExportTemplate::ExportTemplate(ExportTemplate&&) noexcept = default;
ExportTemplate& ExportTemplate::operator=(ExportTemplate&&) noexcept = default;
ExportTemplate::~ExportTemplate() = default;
bool ExportTemplate::roster() const { return compiled_->roster; }
const std::string& ExportTemplate::extension() const { return compiled_->extension; }

TemplateFile templateFileAt(const std::string& path) {
  std::string rest = fs::path(path).filename().string();
  const std::string_view suffix = kTemplateSuffix;
  if (rest.size() > suffix.size() && rest.ends_with(suffix))
    rest.resize(rest.size() - suffix.size());
  const std::size_t dot = rest.rfind('.');
  if (dot == std::string::npos || dot == 0 || dot + 1 == rest.size()) return {rest, "txt", path};
  return {rest.substr(0, dot), rest.substr(dot + 1), path};
}

std::vector<std::string> ownTemplateFolders(const std::vector<std::string>& catalogueFolders) {
  std::vector<std::string> out;
  for (const std::string& folder : catalogueFolders)
    out.push_back((fs::path(folder).parent_path() / "templates").string());
  return out;
}

std::string shippedTemplateFolder(const std::string& dataFolder) {
  return dataFolder.empty() ? "templates" : (fs::path(dataFolder) / "templates").string();
}

namespace {
// The template files of a folder, by file name.
std::vector<std::string> templatePaths(const std::string& folder) {
  std::error_code error;
  std::vector<std::string> paths;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
    if (it->path().filename().string().ends_with(kTemplateSuffix) && it->is_regular_file(error))
      paths.push_back(it->path().string());
  std::sort(paths.begin(), paths.end());
  return paths;
}

// A template file's text, or why there is none.
Result<std::string> templateText(const std::string& path) {
  const Result<std::string> bytes = readFilePrefix(path, kMaxTemplateBytes + 1);
  if (!bytes)
    return Result<std::string>::failure("the template cannot be read: " + bytes.message());
  if (bytes->size() > kMaxTemplateBytes)
    return Result<std::string>::failure("the template is larger than 1 MiB");
  return decodeFileText(*bytes);
}
}  // namespace

std::vector<TemplateFile> listTemplates(const std::string& dataFolder,
                                        const std::vector<std::string>& ownFolders) {
  std::map<std::string, TemplateFile> byName;
  const auto read = [&byName](const std::string& folder, bool own) {
    for (const std::string& path : templatePaths(folder)) {
      TemplateFile file = templateFileAt(path);
      file.own = own;
      byName[file.name] = std::move(file);
    }
  };
  read(shippedTemplateFolder(dataFolder), false);
  for (const std::string& folder : ownFolders) read(folder, true);
  std::vector<TemplateFile> out;
  for (auto& [name, file] : byName) out.push_back(std::move(file));
  return out;
}

std::vector<CatalogueProblem> checkTemplateFolder(const std::string& folder) {
  std::vector<CatalogueProblem> out;
  for (const std::string& path : templatePaths(folder)) {
    const Result<std::string> text = templateText(path);
    if (!text) {
      out.push_back({path, 0, text.message()});
      continue;
    }
    for (CatalogueProblem& p : templateProblems(*text, path)) out.push_back(std::move(p));
  }
  return out;
}

std::optional<TemplateFile> findTemplate(const std::vector<TemplateFile>& templates,
                                         std::string_view name) {
  for (const TemplateFile& t : templates)
    if (t.name == name) return t;
  return std::nullopt;
}

std::vector<CatalogueProblem> templateProblems(const std::string& text, const std::string& file) {
  Scan scan = scanTags(text, file);
  if (scan.problems.empty())
    checkNames(scan.tags, hasRosterSection(scan.tags), file, scan.problems);
  return scan.problems;
}

Result<ExportTemplate> compileTemplate(const std::string& original, const std::string& file,
                                       const std::string& extension) {
  Scan scan = scanTags(original, file);
  const bool roster = hasRosterSection(scan.tags);
  if (scan.problems.empty()) checkNames(scan.tags, roster, file, scan.problems);
  const auto failed = [](const std::vector<CatalogueProblem>& problems) {
    std::string message;
    for (const CatalogueProblem& p : problems)
      message += (message.empty() ? "" : "\n") + describeProblem(p, true);
    return Result<ExportTemplate>::failure(message);
  };
  if (!scan.problems.empty()) return failed(scan.problems);
  // From here on the template as the library gets it.
  const std::string text = withStandaloneLinesDecided(original, scan.tags);
  scan = scanTags(text, file);

  auto compiled = std::make_unique<ExportTemplate::Compiled>();
  compiled->roster = roster;
  compiled->extension = extension;
  compiled->escape = escapeFor(extension);
  // A piece that begins after a change of delimiters begins with that change.
  const auto addPiece = [&](std::size_t from, std::size_t to, const std::string& open,
                            const std::string& close, bool perWarrior, bool whenNone) {
    std::string piece;
    if (open != "{{" || close != "}}") piece = "{{=" + open + " " + close + "=}}";
    piece.append(text, from, to - from);
    compiled->pieces.push_back({std::make_unique<mustache::mustache>(piece), perWarrior, whenNone});
    return compiled->pieces.back().text->is_valid();
  };
  bool valid = true;
  if (!roster) {
    valid = addPiece(0, text.size(), "{{", "}}", true, false);
  } else {
    // Cut at each {{#warriors}} section outside every other: the pieces between them render
    // once, the sections' insides once per warrior. A tag alone on its line takes its line.
    // `open` and `close` are the delimiters in force where the piece from `from` begins.
    std::size_t from = 0, depth = 0;
    std::string open = "{{", close = "}}";
    for (std::size_t i = 0; i < scan.tags.size(); ++i) {
      const Tag& tag = scan.tags[i];
      if (depth == 0 && isRosterSection(tag)) {
        const auto [lineStart, bodyStart] = tagLine(text, tag);
        valid = valid && addPiece(from, lineStart, open, close, false, false);
        std::size_t j = i + 1, inner = 0;
        for (; j < scan.tags.size(); ++j) {
          const TagKind k = scan.tags[j].kind;
          if (k == TagKind::Section || k == TagKind::Inverted) ++inner;
          if (k == TagKind::Close && inner-- == 0) break;
        }
        const Tag& end = scan.tags[j];
        const auto [bodyEnd, next] = tagLine(text, end);
        valid = valid && addPiece(bodyStart, bodyEnd, tag.open, tag.close, true,
                                  tag.kind == TagKind::Inverted);
        from = next;
        open = end.open;
        close = end.close;
        i = j;
        continue;
      }
      if (tag.kind == TagKind::Section || tag.kind == TagKind::Inverted) ++depth;
      if (tag.kind == TagKind::Close) --depth;
    }
    valid = valid && addPiece(from, text.size(), open, close, false, false);
  }
  if (!valid) {
    // What the checks above let through and the library still refuses: its own words.
    for (const auto& piece : compiled->pieces)
      if (!piece.text->is_valid())
        return failed({{file, 0, "the template cannot be read: " + piece.text->error_message()}});
  }
  for (auto& piece : compiled->pieces) {
    switch (compiled->escape) {
      case Escape::Html:
        piece.text->set_custom_escape(htmlEscape);
        break;
      case Escape::Markdown:
        piece.text->set_custom_escape(markdownEscape);
        break;
      case Escape::None:
        piece.text->set_custom_escape([](const std::string& s) { return s; });
    }
  }
  return ExportTemplate(std::move(compiled));
}

Result<ExportTemplate> readExportTemplate(const TemplateFile& file, const std::string& shown) {
  const Result<std::string> text = templateText(file.path);
  if (!text) return Result<ExportTemplate>::failure(shown + ": " + text.message());
  return compileTemplate(*text, shown, file.extension);
}

namespace {
// The library writes to a stream; this one hands each piece on until the taker fails.
struct PieceStream {
  const std::function<bool(std::string_view)>& out;
  bool ok = true;
  PieceStream& operator<<(const std::string& text) {
    if (!ok || text.empty()) return *this;
    if (text.find(kLineMark) == std::string::npos) {
      ok = out(text);
    } else {
      std::string plain = text;
      plain.erase(std::remove(plain.begin(), plain.end(), kLineMark), plain.end());
      if (!plain.empty()) ok = out(plain);
    }
    return *this;
  }
};
}  // namespace

Outcome renderExport(const ExportTemplate& exportTemplate, int count,
                     const std::function<Result<Warrior>(int)>& warriorAt,
                     const std::function<bool(std::string_view)>& out) {
  const mustache::data around = toData(rosterView(count, false));
  PieceStream stream{out};
  const auto render = [&](mustache::mustache& piece, const mustache::data* warrior) {
    mustache::context<std::string> context(&around);
    if (warrior) context.push(warrior);
    piece.render(context, stream);
    return stream.ok;
  };
  const Outcome notWritten = Outcome::failure("the text could not be written");
  for (const auto& piece : exportTemplate.compiled_->pieces) {
    if (!piece.perWarrior || piece.whenNone) {
      if ((!piece.whenNone || count == 0) && !render(*piece.text, nullptr)) return notWritten;
      continue;
    }
    for (int i = 0; i < count; ++i) {
      const Result<Warrior> warrior = warriorAt(i);
      if (!warrior) return Outcome::failure(warrior.message());
      const mustache::data view = toData(warriorView(*warrior, i + 1));
      if (!render(*piece.text, &view)) return notWritten;
    }
  }
  return done();
}

std::string exportFailedMessage(const std::string& path, const std::string& why) {
  return "The export could not be written to \"" + path + "\": " + why +
         ". Nothing was written; any earlier file of that name is as it was.";
}

std::string noTemplatesMessage(const std::string& shippedFolder) {
  return "No export template was found: the folder \"" + shippedFolder +
         "\" that ships with the program holds none.";
}

}  // namespace dk
