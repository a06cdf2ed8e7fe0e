#include "library/constant_table.h"

#include <array>

#include "engine/text_util.h"

namespace orvella {
namespace {

// In list order, which is also alphabetical by name; values as published.
constexpr std::array<ConstantRow, kConstantCount> kConstants = {{
    {"Alpha particle mass", "kg", "ma", 6.64465598e-27},
    {"Atomic mass constant", "kg", "mu", 1.66053873e-27},
    {"Avogadro constant", "1/mol", "Na", 6.02214199e+23},
    {"Base of natural logarithm", "", "e", 2.718281828459045},
    {"Bohr magneton", "J/T", "mB", 9.27400899e-24},
    {"Bohr radius", "m", "rB", 5.291772083e-11},
    {"Boltzmann constant", "J/K", "k0", 1.3806503e-23},
    {"Deuteron mass", "kg", "md", 3.34358309e-27},
    {"Electric constant (permittivity constant)", "F/m", "e0", 8.854187817e-12},
    {"Electron mass", "kg", "me", 9.10938188e-31},
    {"Electron volt", "J", "eV", 1.602176462e-19},
    {"Elementary charge", "C", "eC", 1.602176462e-19},
    {"Euler's constant", "", "eu", 0.5772156649015329},
    {"Faraday constant", "C/mol", "F0", 96485.3415},
    {"Gravitational constant", "m^3/s^2*kg", "G0", 6.673e-11},
    {"Helion mass", "kg", "mh", 5.00641174e-27},
    {"Josephson constant", "Hz/V", "kJ", 483597898000000},
    {"Magnetic constant (permeability constant)", "N/A^2", "m0", 1.2566370614359173e-06},
    {"Molar volume of ideal gas at STP", "m^3/mol", "Vm", 0.022413996},
    {"Muon mass", "kg", "mm", 1.88353109e-28},
    {"Neutron mass", "kg", "mn", 1.67492716e-27},
    {"Planck constant", "J*s", "h0", 6.62606876e-34},
    {"Plank length", "m", "Lp", 1.616e-35},
    {"Plank mass", "kg", "mPl", 2.1767e-08},
    {"Plank time", "s", "tp", 5.3906e-44},
    {"Proton mass", "kg", "mp", 1.67262158e-27},
    {"Speed of light in vacuum", "m/s", "c0", 299792458},
    {"Tau mass", "kg", "mt", 3.16788e-27},
    {"Universal gas constant", "J/mol*K", "R0", 8.314472},
}};

}  // namespace

std::span<const ConstantRow> ConstantRows() { return kConstants; }

int FindConstantSymbol(std::string_view symbol) {
  for (int i = 0; i < kConstantCount; ++i) {
    if (EqualsNoCase(kConstants[i].symbol, symbol)) return i;
  }
  return -1;
}

std::string DescribeConstant(const ConstantRow& row) {
  return std::string(row.name) + " (" + PrintGeneral(row.value, 15) + " " + row.unit + ")";
}

}  // namespace orvella
