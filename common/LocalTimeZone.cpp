#include "LocalTimeZone.h"

#include <cstdlib>

void NameLocalTimeZone()
{
#if defined(__unix__)
    ::setenv("TZ", ":/etc/localtime", 0);  // never replaces a zone the user set
#endif
}
