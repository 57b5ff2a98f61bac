#include "core/printing/PrintMessages.h"

namespace dk {

std::string printFailedMessage(const std::string& printer) {
  return "The character sheet could not be sent to the printer \"" + printer +
         "\".  Check that it is switched on and connected, or save the sheet as a PDF file.";
}

std::string pdfFailedMessage(const std::string& path, const std::string& reason) {
  return "The character sheet could not be saved to \"" + path + "\": " + reason +
         ". No file was written; any earlier file of that name is as it was.";
}

}  // namespace dk
