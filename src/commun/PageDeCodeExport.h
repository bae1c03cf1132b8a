// The code page in which the tool reads the export's bytes (the report's
// lines, fields 3 and 7, and the bytes of the export quoted in its
// messages): the system's 8-bit code page, as the date settings read them.
// Under Windows' UTF-8 code page (65001) an 8-bit export cannot be UTF-8
// text: it is read as Windows-1252 then, the code page Tabrenn writes in.
#pragma once

#include <cstdint>

std::uint32_t PageDeCodeExport();
