#pragma once

namespace lumetra {

// units per second `to` × (value ÷ `from`), rounded to the nearest whole number with exact
// halves going to the even neighbour. Equal time bases leave the value unchanged.
double ConvertUnits(double value, double from, double to);

}  // namespace lumetra
