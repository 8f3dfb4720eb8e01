#pragma once

#include "win32/card/card_controls.h"

#include <string>

namespace slots::win32 {

// Places lblCredit so that the whole balance can be read: it grows to the
// right up to the client edge, then to the left over "Credits:", which is
// hidden while the label reaches into the left of its layout place.
void FitCreditLabel(CardControls &controls, const std::wstring &credits);

} // namespace slots::win32
