// The companion's run, from its command line to its exit status. Each
// platform's entry point (linux/, windows/) hands it the arguments as file
// names are given there: on Linux the bytes of the command line, on Windows
// the Unicode command line in UTF-8.
#pragma once

int ProgrammeLot(int argc, const char* const* argv);
