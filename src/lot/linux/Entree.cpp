// The companion's entry point on Linux: the arguments are the command line's
// own bytes, file names included.
#include "lot/Programme.h"

int main(int argc, char** argv) { return ProgrammeLot(argc, argv); }
