#pragma once

#include <string>
#include <string_view>

namespace slots::game {

// The machinekeeper's announcement marker, with its trailing blank.
inline constexpr std::wstring_view kHostMarker = L"Your machinekeeper is ";

// The name an announcement gives after its marker. Machinekeepers go on
// after the name ("Your machinekeeper is Marlowe, game 4."), so the name ends
// at the first ',', ';', ':', '!', '?' or '(', or at a '.' that ends the
// line or comes before a blank; blanks around it are dropped. A name may hold
// blanks and inner dots ("Tamsk Velk", "Mr.Smith"). Empty when the line has
// no marker or nothing follows it.
std::wstring NameAfterHostMarker(std::wstring_view line);

} // namespace slots::game
