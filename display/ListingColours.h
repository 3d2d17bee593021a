#pragma once

#include <QRgb>

namespace quillane {

// The C64's screen colours at power-on: blue (colour 6) behind light blue (colour 14).
inline constexpr QRgb kListingBackground = qRgb(55, 57, 196);
inline constexpr QRgb kListingForeground = qRgb(112, 124, 230);

}  // namespace quillane
