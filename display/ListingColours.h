#pragma once

#include <QRgb>

#include "ListingPalette.h"

namespace quillane {

// The listing's two colours (ListingPalette.h) as the toolkit takes them. Windows keeps colours
// as 0x00BBGGRR, so these are 0xC43937 and 0xE67C70 there.
inline constexpr QRgb QRgbOf(Rgb colour) {
  return qRgb(colour.red, colour.green, colour.blue);
}
inline constexpr QRgb kListingBackground = QRgbOf(kListingBackgroundRgb);
inline constexpr QRgb kListingForeground = QRgbOf(kListingForegroundRgb);

}  // namespace quillane
