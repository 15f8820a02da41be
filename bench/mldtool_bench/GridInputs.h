#pragma once
// Large inputs for mldtool's benchmarks, written once per process into the
// temporary folder.

#include <string>

namespace tankora::bench {

// An 8-bit image of `size` languages (the native one and size - 1 German
// columns, code page 1252) by `size` entries. Entry i is "Calculate i: %s",
// translated "Berechnen i: %s" in every column; every 64th translation has a
// trailing blank and every 256th drops its placeholder, so check has findings
// to report (warnings and errors) in proportion to the image.
std::string GridImagePath(int size);

// A PO catalogue for German with `messages` messages "Calculate i: %s" that
// the grid image of size 2 does not hold beyond its first entries.
std::string PoPath(int messages);

} // namespace tankora::bench
