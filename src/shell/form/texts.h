// Texts that many calculator windows share word for word.
#pragma once

namespace etero {

// The micro sign of the captions (µ, as written in unit names like "µH").
inline constexpr const char* kMicro = "µ";
// The most common hint asking for the point as decimal separator.
inline constexpr const char* kDecimalsHint = "SEPARARE GLI EVENTUALI DECIMALI CON IL PUNTO";

} // namespace etero
