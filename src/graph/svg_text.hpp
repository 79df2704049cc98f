#pragma once

#include <string>
#include <string_view>

// The pieces of an SVG document that must not depend on the locale or on the bytes given.

namespace calcorix {

// A coordinate with at most two decimals and "." as the point, never "nan" or "inf": "12.5",
// "-3", "0". Values that are not finite are written as 0.
void AppendCoordinate(std::string& out, long double value);

// "x,y" in coordinates.
void AppendPoint(std::string& out, long double x, long double y);

// Text content: "&", "<" and ">" escaped; bytes that are not UTF-8, and characters that XML does
// not allow (control characters, U+FFFE, U+FFFF), written as "?".
void AppendXmlText(std::string& out, std::string_view text);

}  // namespace calcorix
