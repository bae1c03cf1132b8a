// The companion's standard output and standard error as the platform's
// terminal takes them. main calls PrepareSortiesConsole once, before
// anything is written.
#pragma once

// On Windows, std::cout and std::cerr then write through the console's
// Unicode output when they are a console, so that accents show right
// whatever the console's code page, and their UTF-8 bytes unchanged (no CR
// added before LF) when they are redirected to a file or a pipe. On Linux
// the terminal takes the bytes as they are, and nothing changes.
void PrepareSortiesConsole();
