// The three symbols of the summary page as XPM line arrays (header line, colour
// lines, then 45 rows of 45 pixels), ready for QPixmap's XPM constructor.
#pragma once

extern const char* const info_xpm[];
extern const char* const warning_xpm[];
extern const char* const error_xpm[];
