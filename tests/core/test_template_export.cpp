// Export through templates: the names of the view against their documentation, the checks of a
// template's mistakes, the rendering (escaping, one result per warrior, a roster page) and the
// shipped templates on real and awkward warriors.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "TestPaths.h"
#include "WarriorFileSamples.h"
#include "WellFormed.h"
#include "core/app/OwnCatalogues.h"
#include "core/printing/TemplateExport.h"
#include "core/printing/WarriorView.h"

namespace dk {
namespace {

std::string readText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// What a template gives for these warriors, or its problems.
std::string rendered(const std::string& text, const std::vector<Warrior>& warriors,
                     const std::string& extension = "txt") {
  auto t = compileTemplate(text, "t.mustache", extension);
  if (!t) return "PROBLEM " + t.message();
  std::string out;
  const Outcome o = renderExport(
      *t, static_cast<int>(warriors.size()), [&](int i) { return Result<Warrior>(warriors[i]); },
      [&](std::string_view piece) {
        out += piece;
        return true;
      });
  return o ? out : "FAILED " + o.message();
}

Warrior named(const std::string& name) {
  Warrior w;
  w.name = name;
  return w;
}

TEST(TemplateView, EveryNameIsDocumentedAndEveryDocumentedNameExists) {
  // "### Each row of `{{#skills}}`" opens the rows of a list; "| `name` |" is a name in it.
  std::set<std::string> documented;
  std::string prefix;
  std::istringstream doc(readText(std::string(DRAKKENFOLD_SOURCE) + "/docs/templates.md"));
  const std::regex section(R"(\{\{#(\w+)\}\})"), name(R"(^\| `(\w+)` \|)");
  bool inNames = false;
  for (std::string line; std::getline(doc, line);) {
    if (line.rfind("## ", 0) == 0) inNames = line == "## The names";
    if (!inNames) continue;
    if (line.rfind("### ", 0) == 0) {
      prefix.clear();
      for (std::sregex_iterator m(line.begin(), line.end(), section), end; m != end; ++m)
        prefix += (*m)[1].str() + ".";
    }
    if (std::smatch m; std::regex_search(line, m, name)) documented.insert(prefix + m[1].str());
  }
  const std::vector<std::string> paths = templateNamePaths();
  const std::set<std::string> inView(paths.begin(), paths.end());
  for (const std::string& p : inView) EXPECT_TRUE(documented.count(p)) << p << " is not documented";
  for (const std::string& p : documented)
    EXPECT_TRUE(inView.count(p)) << p << " is not in the view";
  // A real warrior's view has the names the checks know, in the same order.
  const ViewObject real = warriorView(test::fullWarrior(), 1);
  ASSERT_EQ(real.fields.size(), sampleWarriorView().fields.size());
  for (std::size_t i = 0; i < real.fields.size(); ++i)
    EXPECT_EQ(real.fields[i].name, sampleWarriorView().fields[i].name);
}

TEST(TemplateCheck, MistakesAreNamedWithTheirLine) {
  const struct {
    const char* text;
    const char* problem;
  } cases[] = {
      {"{{#skills}}x", "t.mustache:1: {{#skills}} is never closed"},
      {"a\n{{/skills}}", "t.mustache:2: {{/skills}} closes no section"},
      {"{{#skills}}\n{{/weapons}}",
       "t.mustache:2: {{/weapons}} does not close {{#skills}}, opened on line 1"},
      {"\n\n{{nmae}}", "t.mustache:3: unknown name \"nmae\""},
      {"{{level}}", "t.mustache:1: unknown name \"level\""},  // a skill's, outside the skills
      {"{{#weapons}}{{level}}{{/weapons}}", "t.mustache:1: unknown name \"level\""},
      {"{{skills}}", "t.mustache:1: \"skills\" is a list: write {{#skills}}...{{/skills}}"},
      {"{{>sheet}}", "t.mustache:1: partials ({{>sheet}}) are not supported"},
      {"x\n{{name", "t.mustache:2: a tag opened here is never closed (no \"}}\" follows)"},
      {"{{{name}}", "t.mustache:1: a tag opened here is never closed (no \"}}}\" follows)"},
      {"{{#warriors}}{{/warriors}}\n{{name}}", "t.mustache:2: unknown name \"name\""},
      {"{{#clan}}{{#warriors}}{{/warriors}}{{/clan}}",
       "t.mustache:1: the {{#warriors}} section stands inside another section"},
      {"{{=<% %>=}}\n<%nmae%> {{name}}", "t.mustache:2: unknown name \"nmae\""},
      {"{{#skills}}{{#weapons}}{{/weapons}}{{/skills}}",
       "t.mustache:1: {{#weapons}} stands inside {{#skills}}: it would repeat for every row"},
      {"{{= x =}}",
       "t.mustache:1: the delimiter change \"= x =\" is not valid (it is written "
       "like {{=<% %>=}})"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(rendered(c.text, {named("A")}), std::string("PROBLEM ") + c.problem) << c.text;
    EXPECT_FALSE(templateProblems(c.text, "t.mustache").empty()) << c.text;
  }
  for (const char* sound :
       {"{{#skills}}{{name}} {{roll}}{{/skills}}{{! any }}",
        "{{#damageTrack}}{{#boxes}}{{#ticked}}x{{/ticked}}{{/boxes}}{{/damageTrack}}",
        "{{#warriors}}{{#skills}}{{name}}{{warriorCount}}{{/skills}}{{/warriors}}"})
    EXPECT_TRUE(templateProblems(sound, "t").empty()) << sound;
}

TEST(TemplateRender, WarriorsEscapedAndInOrder) {
  Warrior skilled = named("Kai");
  skilled.innerSphere().skills = {{"Gunnery", "3", "7"}, {"Blade", "1", ""}};
  const struct {
    const char* text;
    const char* extension;
    std::vector<Warrior> warriors;
    const char* out;
  } cases[] = {
      {"{{number}}:{{name}}/{{warriorCount}};", "txt", {named("A"), named("B")}, "1:A/2;2:B/2;"},
      {"<ul>\n  {{#warriors}}\n<li>{{name}}</li>\n  {{/warriors}}\n</ul>\n",
       "html",
       {named("A"), named("B")},
       "<ul>\n<li>A</li>\n<li>B</li>\n</ul>\n"},
      {"{{=<% %>=}}<%#warriors%><%name%>,<%/warriors%><%warriorCount%>",
       "txt",
       {named("A"), named("B")},
       "A,B,2"},
      {"{{name}}", "html", {named("<script>&'\"")}, "&lt;script&gt;&amp;&#39;&quot;"},
      {"{{name}}|{{{name}}}", "html", {named("a\x02z\u0085")}, "a\uFFFDz\uFFFD|a\x02z\u0085"},
      {"| {{name}} |", "md", {named("a|b_c*")}, "| a\\|b\\_c\\* |"},
      {"{{name}}", "txt", {named("<b>|")}, "<b>|"},
      {"{{#rank}}R{{/rank}}{{^rank}}none{{/rank}}", "txt", {named("A")}, "none"},
      {"a\n{{^skills}}\nnone\n{{/skills}}\n  {{! quiet }}\nb\n", "txt", {skilled}, "a\nb\n"},
      {"{{#skills}}{{name}} {{level}} {{roll}};{{/skills}}",
       "txt",
       {skilled},
       "Gunnery 3 7+;Blade 1 ;"},
      {"{{#attributes}}{{code}}{{score}}/{{save}} {{/attributes}}",
       "txt",
       {named("A")},
       "BLD1/11+ REF1/11+ INT1/11+ LRN1/11+ CHA1/11+ "},
  };
  for (const auto& c : cases) EXPECT_EQ(rendered(c.text, c.warriors, c.extension), c.out) << c.text;
}

TEST(TemplateRender, AFailureEndsTheExport) {
  auto t = compileTemplate("{{name}};", "t", "txt");
  ASSERT_TRUE(t);
  std::string out;
  const auto sink = [&](std::string_view piece) {
    out += piece;
    return true;
  };
  const auto secondFails = [](int i) {
    return i == 1 ? Result<Warrior>::failure("b.war cannot be read") : Result<Warrior>(named("A"));
  };
  EXPECT_EQ(renderExport(*t, 3, secondFails, sink).message(), "b.war cannot be read");
  EXPECT_EQ(out, "A;");
  const auto any = [](int) { return Result<Warrior>(named("A")); };
  EXPECT_FALSE(renderExport(*t, 2, any, [](std::string_view) { return false; }));
}

TEST(TemplateFiles, NamesExtensionsAndOwnOverShipped) {
  EXPECT_EQ(templateFileAt("/t/forum.md.mustache"),
            (TemplateFile{"forum", "md", "/t/forum.md.mustache"}));
  EXPECT_EQ(templateFileAt("notes.mustache").extension, "txt");
  const std::string own = testing::TempDir() + "/own-templates";
  std::filesystem::create_directories(own);
  std::ofstream(own + "/html.htm.mustache") << "{{name}}";
  std::ofstream(own + "/forum.md.mustache") << "{{name}}";
  const std::vector<TemplateFile> all = listTemplates(DRAKKENFOLD_DATA, {own});
  std::vector<std::string> names;
  for (const TemplateFile& t : all)
    names.push_back(t.name + "." + t.extension + (t.own ? "*" : ""));
  EXPECT_EQ(names, (std::vector<std::string>{"forum.md*", "html.htm*", "markdown.md", "text.txt"}));
}

TEST(TemplateFiles, CheckDataNamesEachTemplateMistake) {
  const std::string own = testing::TempDir() + "/checked-templates";
  std::filesystem::create_directories(own);
  std::ofstream(own + "/sheet.mustache") << "{{name}}\n{{nmae}}";
  std::ofstream(own + "/fine.md.mustache") << "{{name}}";
  const std::vector<std::string> said{own + "/sheet.mustache:2: unknown name \"nmae\""};
  EXPECT_EQ(checkCatalogueData(own, {DRAKKENFOLD_DATA, {}}).lines, said);
  // Everything the program reads: the shipped templates are clean, the own folders are checked.
  const DataCheck all = checkCatalogueData(std::nullopt, {DRAKKENFOLD_DATA, {}}, {own});
  EXPECT_EQ(all.lines, said);
}

TEST(ShippedTemplates, RenderEveryWarriorAndTheHtmlIsWellFormed) {
  Warrior awkward = named("<script>alert('x')</script> & \"Red\" ]]> \x02");
  awkward.rank = "|Sgt|";
  awkward.notes = "line one\n<b>two</b>\n";
  awkward.advantages = {{"Toughness <3", "2"}};
  const std::vector<Warrior> warriors{test::fullWarrior(), awkward, Warrior{}};
  for (const char* name : {"html", "markdown", "text"}) {
    const auto file = findTemplate(listTemplates(DRAKKENFOLD_DATA, {}), name);
    ASSERT_TRUE(file) << name;
    const std::string out = rendered(readText(file->path), warriors, file->extension);
    EXPECT_NE(out.find("Kai, the Second"), std::string::npos) << name << out.substr(0, 400);
    EXPECT_NE(out.find("Laser Pistol"), std::string::npos) << name;
    if (std::string(name) != "text") {
      EXPECT_EQ(out.find("<script>"), std::string::npos) << name;
    }
    if (std::string(name) == "html") {
      EXPECT_EQ(test::wellFormedProblem(out), "") << out;
      EXPECT_NE(out.find("&lt;script&gt;alert(&#39;x&#39;)"), std::string::npos);
    }
    if (std::string(name) == "markdown") {
      EXPECT_NE(out.find("\\|Sgt\\|"), std::string::npos);
    }
  }
}

}  // namespace
}  // namespace dk
