#pragma once

#include <QRgb>

#include "ListingPalette.h"

namespace quillane::display {

// The listing's two colours (ListingPalette.h) as the toolkit takes them.
inline constexpr QRgb QRgbOf(Rgb colour) {
  return qRgb(colour.red, colour.green, colour.blue);
}
inline constexpr QRgb kListingBackground = QRgbOf(kListingBackgroundRgb);
inline constexpr QRgb kListingForeground = QRgbOf(kListingForegroundRgb);

}  // namespace quillane::display
