#pragma once

#include "config/config_record.h"
#include "config/config_view.h"

namespace zelto::config {

// Quantity codes: how the window's numeric fields name what they hold.
inline constexpr int kQuantityRangeMin = 3;                // RangeMin -> RngMin
inline constexpr int kQuantityRangeMax = 4;                // RangeMax -> RngMax
inline constexpr int kQuantityCurrentMin = 5;              // CurrentMin -> CrnMix
inline constexpr int kQuantityCurrentMax = 6;              // CurrentMax -> CrtMax
inline constexpr int kQuantityTmpZero = 7;                 // SetZero -> TmpZero
inline constexpr int kQuantityZero = 8;                    // SchiftZero -> Zero
inline constexpr int kQuantityTmpFull = 9;                 // SetFull -> TmpFull
inline constexpr int kQuantityFull = 10;                   // SchiftFull -> Full
inline constexpr int kQuantityCalculatorTemperature = 11;  // SetTemp
inline constexpr int kQuantityCalculatorSignal = 12;       // RezCalc

// Whether the rules take the value for the quantity as the record stands (the range ends as
// whole numbers, T1 below T2 within the range, a measured current within its band of the
// nominal one). NaN and infinity are never taken.
bool Accepts(const ConfigRecord& record, int quantityCode, float value);

// How far a measured current (kQuantityZero or kQuantityFull) may lie from the nominal one, in
// mA: strictly closer than this.
double MeasuredCurrentBand(int quantityCode);

// The stored value behind a quantity code; 0 for the calculator and any unknown code.
double GetField(const ConfigRecord& record, int quantityCode);

// Validates and stores a value typed into a field, then recomputes the nominal currents
// (taking them over as measured currents after a range or temperature change) and dumps the
// record. Returns what the field is to show: the accepted value, or the value kept when the
// new one is refused. NaN and infinity are always refused.
//
// For the calculator codes nothing is stored: an accepted temperature (11) converts to EMF and
// an accepted EMF (12) back to temperature with the tables of the selected sensor's TermoC,
// and the answer goes to the other field through the view.
float AssignField(ConfigRecord& record, int quantityCode, float value, int outputRange,
                  ConfigView& view);

}  // namespace zelto::config
