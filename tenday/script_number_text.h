// The text a script engine writes for a number: the shortest digits that read back to the
// same double, in plain decimal form for magnitudes from 1e-6 up to 1e21 and in exponent
// form ("1.5e+21", "1e-7") outside that band. 5000000.0 gives "5000000", 12.5 gives "12.5".
#pragma once

#include <cstdint>
#include <string>

namespace kestrum {

std::string scriptNumberText(double value);
std::string scriptNumberText(std::int64_t value);
std::string scriptNumberText(std::uint64_t value);

}  // namespace kestrum
