#pragma once
// What the character sheet asks of a print layer: one page model, measured in twips (1/1440 inch)
// from the top-left corner of the paper, drawn in one fixed-pitch font. The window layer renders
// it on screen, on a printer and into a PDF file; tests record the calls.

#include <cstddef>
#include <string>

namespace dk {

class PrintSurface {
 public:
  virtual ~PrintSurface() = default;

  // Throws away whatever was drawn before, so every drawing starts from an empty document.
  virtual void discardDocument() = 0;
  // True: the pages are shown on screen; false: they go to the printer.
  virtual void setPreview(bool preview) = 0;
  virtual void setPortrait() = 0;
  // The name the print job (or the PDF file's title) carries.
  virtual void setDocumentName(const std::string& name) = 0;
  virtual void startDocument() = 0;
  virtual void setMargins(int left, int top, int right, int bottom) = 0;
  virtual void setBold(bool bold) = 0;
  virtual void setFontName(const std::string& name) = 0;
  virtual void setFontSize(int points) = 0;
  // Where the next text goes: the top-left corner of its first character cell.
  virtual void setCurrentX(int twips) = 0;
  virtual void setCurrentY(int twips) = 0;
  // One line of text at the current position.
  virtual void printText(const std::string& text) = 0;
  // Lays the text out inside the rectangle, line by line, wrapped at its width. Returns how many
  // bytes of the text were laid out; what follows them did not fit the rectangle's height.
  virtual std::size_t printTextInRectangle(const std::string& text, int left, int top, int width,
                                           int height) = 0;
  // Ends the current page and starts an empty one.
  virtual void newPage() = 0;
  // The preview control's own width, in twips.
  virtual int controlWidth() const = 0;
  virtual void endDocument() = 0;
};

}  // namespace dk
