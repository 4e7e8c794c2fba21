#pragma once
// The production report of the primary device: the dimensions a workshop needs to make an
// orifice plate's carrier ring, a classical venturi tube (with the sheet development of a
// welded one) or the profile of an ISA 1932 nozzle or a short venturi.
#include <string>

namespace tubalyx {

// The section, when the production report was asked for ("J").
void WriteDeviceDimensionReport();
// Carrier ring of an orifice plate with corner tappings.
void WritePlateDimensionLines();
// Sheet development of the cones of a welded venturi.
void WriteWeldedVenturiDevelopment();
// Profile of an ISA 1932 nozzle ("D") or a short venturi ("KV").
void WriteNozzleProfileLines();

// The carrier-ring limit b (mm) for the pipe D (mm), beta and the ring width t (mm); a width
// of 0 makes the first term unbounded and leaves the bound 1.04 D.
double CarrierRingLimitMm(double pipeMm, double beta, double widthMm);

}  // namespace tubalyx
