// The record of regional date settings.
#include "dates/ReglagesDate.h"

TReglagesDate ReglagesDate;
