// The one record of regional date settings of the process.
#include "commun/ReglagesDate.h"

TReglagesDate ReglagesDate;
