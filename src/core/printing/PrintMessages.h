#pragma once
// What printing says to the user when the sheet cannot reach paper or a file.

#include <string>

namespace dk {

inline constexpr char kNoPrinterQuestion[] =
    "No printer is installed on this computer, so the sheet cannot be printed.  "
    "Do you want to save it as a PDF file instead?";

// "The character sheet could not be sent to the printer "<printer>"."
std::string printFailedMessage(const std::string& printer);

// Why a PDF file was not written, naming the file; nothing of it is left behind.
std::string pdfFailedMessage(const std::string& path, const std::string& reason);

}  // namespace dk
