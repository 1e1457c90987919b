// Arithmetic faults: a division by zero, an overflow, an invalid operation
// (0/0, square root or logarithm of a negative number, fractional power of a
// negative number), the logarithm of zero or an out-of-range integer
// conversion abandons the running event handler. The form frame catches the
// fault, tells the user and leaves the window usable.
#pragma once

#include <stdexcept>
#include <string>

namespace etero {

class ArithmeticFault : public std::runtime_error {
  public:
    explicit ArithmeticFault(const std::string& what) : std::runtime_error(what) {}
};

// Italian descriptions of the kinds of fault, used in the fault message.
inline constexpr const char* kFaultDivision = "divisione per zero";
inline constexpr const char* kFaultOverflow = "valore fuori dai limiti di calcolo";
inline constexpr const char* kFaultInvalid = "operazione non valida";
inline constexpr const char* kFaultIntegerRange = "numero intero fuori dai limiti";
inline constexpr const char* kFaultTypeMismatch = "valore non numerico";

// Clears the floating-point exception flags that count as faults.
void clearFaultFlags();

// Throws ArithmeticFault if a division by zero, overflow or invalid operation
// has been flagged since the flags were last cleared.
void checkFaultFlags();

// Throws ArithmeticFault if x is infinite or not a number.
void checkFinite(double x);

} // namespace etero
