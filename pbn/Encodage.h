// Character encodings of competition files: the program writes UTF-8; files from elsewhere may
// be in Windows-1252 (or Latin-1), or hold UTF-8 text that was encoded a second time.
#pragma once

#include <string>
#include <string_view>

namespace plio {

bool Utf8Valide(std::string_view octets);

// Each byte read as Windows-1252 (the five bytes that code page leaves undefined are kept as the
// code points of the same value, as Windows does), written back as UTF-8.
std::string Windows1252VersUtf8(std::string_view octets);

// UTF-8 text whose characters are the bytes of UTF-8 text read as Windows-1252 or Latin-1
// ("JosÃ©" for "José") comes back to the text it was; any other text is returned unchanged.
std::string RepareDoubleEncodage(std::string_view texte);

} // namespace plio
