// Texts from the store made safe for a terminal or a line-based reader.
#pragma once

#include <QString>

// The text with every character that could start a line or steer a terminal
// written as an escape: \n, \r, \t, other C0 controls and DEL as \xHH, C1
// controls, invisible format characters (such as bidirectional overrides),
// line and paragraph separators and lone surrogates as \uHHHH (format
// characters beyond the first plane as \UHHHHHHHH). Backslashes
// stay as they are (they are common in port names such as \\server\queue).
QString printable(const QString& text);
