#pragma once

// Names the system's own time zone in TZ when nothing names one. Without
// it the C library looks at /etc/localtime again at every conversion of a
// time, and the archive libraries convert each entry's time several times
// over; with it the zone is read once. Local times stay the same.
void NameLocalTimeZone();
