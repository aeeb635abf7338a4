#pragma once

namespace orbel {

// Rounds to `places` decimal places (0 to 22): the value is scaled by 10^places
// with one double multiplication, the scaled value goes to the nearest whole
// number with an exact .5 going to the even neighbour, and the result is
// divided by 10^places. A value of 2^52 or more has no fraction left and is
// returned unchanged, so rounding never turns a finite number into infinity.
double roundToPlaces(double value, int places);

} // namespace orbel
