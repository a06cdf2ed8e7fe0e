// Operation codes of the built-in functions that the evaluator implements itself.
// The ids of every row are in the function table; these are the ones code refers to.
#pragma once

namespace orvella::function_id {

inline constexpr int kExp = 7;
inline constexpr int kLn = 8;
inline constexpr int kLog = 9;
inline constexpr int kSin = 10;
inline constexpr int kCos = 11;
inline constexpr int kTan = 12;
inline constexpr int kSec = 13;
inline constexpr int kCsc = 14;
inline constexpr int kCot = 15;
inline constexpr int kAbs = 16;
inline constexpr int kSqrt = 18;
inline constexpr int kSqr = 19;
inline constexpr int kInt = 20;
inline constexpr int kCeil = 21;
inline constexpr int kFloor = 22;
inline constexpr int kFact = 23;
inline constexpr int kDeg = 24;
inline constexpr int kRad = 25;
inline constexpr int kAsin = 26;
inline constexpr int kAcos = 27;
inline constexpr int kAtan = 28;
inline constexpr int kAsec = 29;
inline constexpr int kAcsc = 30;
inline constexpr int kAcot = 31;
inline constexpr int kSinh = 32;
inline constexpr int kCosh = 33;
inline constexpr int kTanh = 34;
inline constexpr int kSech = 35;
inline constexpr int kCsch = 36;
inline constexpr int kCoth = 37;
inline constexpr int kAsinh = 38;
inline constexpr int kAcosh = 39;
inline constexpr int kAtanh = 40;
inline constexpr int kAsech = 41;
inline constexpr int kAcsch = 42;
inline constexpr int kAcoth = 43;
inline constexpr int kLogn = 44;
inline constexpr int kMod = 45;

inline constexpr int kPv = 46;
inline constexpr int kFv = 47;
inline constexpr int kPmt = 48;
inline constexpr int kNper = 49;
inline constexpr int kRate = 50;
inline constexpr int kEffectiveRate = 53;  // EFR, EFFECTIVERATE
inline constexpr int kNominalRate = 54;    // APR, NOMINALRATE

inline constexpr int kConvert = 103;
inline constexpr int kConvertBase = 104;  // CB, CONVERTBASE
inline constexpr int kBin = 105;
inline constexpr int kOct = 106;
inline constexpr int kDec = 107;
inline constexpr int kHex = 108;

// Calculus functions take their first argument unevaluated: the function of x.
inline constexpr int kFint = 109;
inline constexpr int kFdiff = 110;
inline constexpr int kFzero = 111;
inline constexpr int kFsum = 115;

// Variable argument count; their argument lists are not padded.
inline constexpr int kSum = 116;
inline constexpr int kAve = 117;
inline constexpr int kMin = 118;
inline constexpr int kMax = 119;

inline constexpr int kAnd = 120;
inline constexpr int kOr = 121;
inline constexpr int kXor = 122;
inline constexpr int kNot = 123;
inline constexpr int kLshift = 124;
inline constexpr int kRshift = 125;

inline constexpr int kBetaDist = 136;
inline constexpr int kNormDist = 155;
inline constexpr int kTDist = 165;
inline constexpr int kTInv = 166;

// The largest id in the function table: the dispatch covers every id up to it, and ids
// without an entry (the constant rows, PLOT) evaluate to 0.
inline constexpr int kLastEvaluatedId = 166;

inline bool TakesFunctionArgument(int id) {
  return id == kFint || id == kFdiff || id == kFzero || id == kFsum;
}

inline bool IsVariadic(int id) { return id >= kSum && id <= kMax; }

}  // namespace orvella::function_id
