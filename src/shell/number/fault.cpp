// Arithmetic faults detected through the floating-point exception flags.
#include "fault.h"

#include <cfenv>
#include <cmath>

namespace etero {

namespace {

constexpr int kFaultFlags = FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW;

} // namespace

void clearFaultFlags() {
    std::feclearexcept(kFaultFlags);
}

void checkFaultFlags() {
    const int raised = std::fetestexcept(kFaultFlags);
    if (raised == 0) return;
    // The flags are consumed by the fault: the next computation starts clean.
    std::feclearexcept(kFaultFlags);
    // Only the flags are known, not the order in which they were raised. An
    // invalid operation is very often the consequence of an earlier infinity
    // (inf - inf, 0 * inf), so a division by zero or an overflow is reported
    // before it.
    if (raised & FE_DIVBYZERO) throw ArithmeticFault(kFaultDivision);
    if (raised & FE_OVERFLOW) throw ArithmeticFault(kFaultOverflow);
    throw ArithmeticFault(kFaultInvalid);
}

void checkFinite(double x) {
    if (std::isnan(x)) throw ArithmeticFault(kFaultInvalid);
    if (std::isinf(x)) throw ArithmeticFault(kFaultOverflow);
}

} // namespace etero
