#pragma once
// The text encodings of warrior and data files. Inside the program every text is UTF-8. Files
// come from a platform whose single-byte code page is Windows-1252, and files we write must open
// there too: a file is read as UTF-8 when it is valid UTF-8, otherwise as Windows-1252; it is
// written as Windows-1252 when every character fits, otherwise as UTF-8, so nothing typed is lost.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace dk {

// Only bytes below 0x80: the same text in both encodings.
bool isAscii(std::string_view bytes);

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF, no cut-off sequences.
bool isValidUtf8(std::string_view bytes);

// The characters of a text once the bytes that are not valid UTF-8 are each made U+FFFD (as a
// save writes them): one per valid sequence, one per other byte. Nothing is copied.
std::size_t repairedCharacterCount(std::string_view bytes);

// Appends the UTF-8 bytes of one code point.
void appendUtf8(std::string& out, char32_t cp);

// Every byte becomes one character. The five bytes the code page leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) become U+0081, U+008D, U+008F, U+0090 and U+009D, so they survive a save.
std::string windows1252ToUtf8(std::string_view bytes);

// The Windows-1252 bytes of a UTF-8 text; nullopt when a character has no byte in the code page
// or the text is not valid UTF-8.
std::optional<std::string> utf8ToWindows1252(std::string_view utf8);

// The text of a file's bytes as UTF-8: the bytes themselves when they are valid UTF-8 (a leading
// byte-order mark, left by some editors, is dropped), else their Windows-1252 reading.
std::string decodeFileText(std::string_view bytes);

// The bytes to put on disk for a UTF-8 text: Windows-1252 when every character fits, else UTF-8.
// Windows-1252 bytes that happen to form valid UTF-8 (as "Ã©" does) would be read back as other
// characters, so such a text is written as UTF-8 instead. Bytes of the input that are not valid
// UTF-8 are written as U+FFFD rather than making the whole file unreadable.
std::string encodeFileText(std::string_view utf8);

}  // namespace dk
