#pragma once
// A print surface for core tests: writes down every call, with each text at the position it
// was printed at, and lays rectangle texts out as a fixed-pitch renderer does (108 twips a
// character, 200 twips a line).

#include <string>
#include <vector>

#include "core/printing/PrintSurface.h"
#include "core/printing/TextWrap.h"

namespace dk::test {

class RecordingSurface : public PrintSurface {
 public:
  std::vector<std::string> log;
  // What each rectangle call laid out, in order (the part of its text that fitted).
  std::vector<std::string> rectangleParts;
  int width = 6495;

  void discardDocument() override { log.push_back("discard"); }
  void setPreview(bool preview) override { log.push_back(preview ? "preview on" : "preview off"); }
  void setPortrait() override { log.push_back("portrait"); }
  void setDocumentName(const std::string& name) override { log.push_back("name " + name); }
  void startDocument() override { log.push_back("start"); }
  void setMargins(int l, int t, int r, int b) override {
    log.push_back("margins " + num(l) + " " + num(t) + " " + num(r) + " " + num(b));
  }
  void setBold(bool bold) override { log.push_back(bold ? "bold on" : "bold off"); }
  void setFontName(const std::string& name) override { log.push_back("font " + name); }
  void setFontSize(int points) override { log.push_back("size " + num(points)); }
  void setCurrentX(int twips) override { x_ = twips; }
  void setCurrentY(int twips) override { y_ = twips; }
  void printText(const std::string& text) override { log.push_back(at() + text); }
  std::size_t printTextInRectangle(const std::string& text, int left, int top, int w,
                                   int h) override {
    log.push_back(at() + "rect " + num(left) + " " + num(top) + " " + num(w) + " " + num(h) + " " +
                  text);
    const auto lines = wrapText(text, w / 108);
    const std::size_t fit = static_cast<std::size_t>(h / 200);
    const std::size_t used = lines.size() <= fit ? text.size() : lines[fit].begin;
    rectangleParts.push_back(text.substr(0, used));
    return used;
  }
  void newPage() override { log.push_back("page"); }
  int controlWidth() const override { return width; }
  void endDocument() override { log.push_back("end"); }

  // The printed texts only (rectangles included), without the positions.
  std::vector<std::string> texts() const {
    std::vector<std::string> out;
    for (const std::string& entry : log)
      if (!entry.empty() && entry[0] >= '0' && entry[0] <= '9')
        out.push_back(entry.substr(entry.find(": ") + 2));
    return out;
  }
  // Whether a text was printed at exactly this position.
  bool printedAt(int x, int y) const {
    const std::string key = num(x) + " " + num(y) + ": ";
    for (const std::string& entry : log)
      if (entry.rfind(key, 0) == 0) return true;
    return false;
  }

 private:
  static std::string num(int v) { return std::to_string(v); }
  std::string at() const { return num(x_) + " " + num(y_) + ": "; }
  int x_ = 0;
  int y_ = 0;
};

}  // namespace dk::test
