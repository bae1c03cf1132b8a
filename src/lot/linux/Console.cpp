// The Linux terminal takes the companion's bytes as they are, in the
// character set of the user's locale: nothing to prepare.
#include "lot/Console.h"

void PrepareSortiesConsole() {}
