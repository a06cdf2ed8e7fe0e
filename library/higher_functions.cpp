// The higher functions: the GSL rows call the named gsl_sf_*_e routine with the typed
// arguments in the typed order; the rest are our own routines (higher_series.h).
#include <gsl/gsl_mode.h>
#include <gsl/gsl_sf.h>

#include <array>
#include <limits>
#include <type_traits>

#include "engine/call_context.h"
#include "library/function_dispatch.h"
#include "library/gsl_errors.h"
#include "library/higher_series.h"

namespace orvella {
namespace {

enum HigherFunctionId : int {
  kAiryAi = 55, kAiryBi = 56, kBico = 57, kBeta = 58, kBetaI = 59,
  kBesselJ = 60, kBesselY = 61, kBesselK = 62, kBesselI = 63,
  kBesselJs = 64, kBesselYs = 65,
  kEllipticRf = 66, kEllipticRd = 67, kEllipticRj = 68, kEllipticRc = 69,
  kClausen = 70, kDawson = 71, kDilog = 76,
  kEllipticF = 77, kEllipticE = 78, kEllipticP = 79,
  kEllipticSn = 80, kEllipticCn = 81, kEllipticDn = 82,
  kErf = 83, kErfc = 84, kExpEi = 86, kFactLn = 87, kFresnelS = 88, kFresnelC = 89,
  kGamma = 90, kGammaLn = 91, kGammaP = 92, kGammaQ = 93, kPsi = 94, kPsiN = 95,
  kZeta = 96, kEta = 97, kHzeta = 98, kCosInt = 99, kSinInt = 100, kShi = 101, kChi = 102,
};

// The shapes of the routines called. GSL's integer orders are truncated toward zero;
// the elliptic integrals run in double-precision mode.
using GslUnary = int (*)(double, gsl_sf_result*);
using GslUnaryMode = int (*)(double, gsl_mode_t, gsl_sf_result*);
using GslBinary = int (*)(double, double, gsl_sf_result*);
using GslBinaryMode = int (*)(double, double, gsl_mode_t, gsl_sf_result*);
using GslTernary = int (*)(double, double, double, gsl_sf_result*);
using GslTernaryMode = int (*)(double, double, double, gsl_mode_t, gsl_sf_result*);
using GslQuaternaryMode = int (*)(double, double, double, double, gsl_mode_t, gsl_sf_result*);
using GslOrder = int (*)(int, double, gsl_sf_result*);
using OwnUnary = CalcError (*)(double, double&);
using OwnBinary = CalcError (*)(double, double, double&);

template <typename>
inline constexpr bool kUnsupportedShape = false;

template <auto Routine>
int CallGsl(const double* a, gsl_sf_result& value) {
  using Shape = decltype(Routine);
  constexpr gsl_mode_t kMode = GSL_PREC_DOUBLE;
  if constexpr (std::is_same_v<Shape, GslUnary>) {
    return Routine(a[0], &value);
  } else if constexpr (std::is_same_v<Shape, GslUnaryMode>) {
    return Routine(a[0], kMode, &value);
  } else if constexpr (std::is_same_v<Shape, GslBinary>) {
    return Routine(a[0], a[1], &value);
  } else if constexpr (std::is_same_v<Shape, GslBinaryMode>) {
    return Routine(a[0], a[1], kMode, &value);
  } else if constexpr (std::is_same_v<Shape, GslTernary>) {
    return Routine(a[0], a[1], a[2], &value);
  } else if constexpr (std::is_same_v<Shape, GslTernaryMode>) {
    return Routine(a[0], a[1], a[2], kMode, &value);
  } else if constexpr (std::is_same_v<Shape, GslQuaternaryMode>) {
    return Routine(a[0], a[1], a[2], a[3], kMode, &value);
  } else if constexpr (std::is_same_v<Shape, GslOrder>) {
    // GSL negates a negative order, and the most negative int has no negation.
    int order = 0;
    if (!TruncateToInt32(a[0], order) || order == std::numeric_limits<int>::min()) return GSL_EDOM;
    return Routine(order, a[1], &value);
  } else {
    static_assert(kUnsupportedShape<Shape>);
  }
}

template <auto Routine>
CalcError Call(CallContext&, const double* a, int, double& r) {
  using Shape = decltype(Routine);
  if constexpr (std::is_same_v<Shape, OwnUnary>) {
    return Routine(a[0], r);
  } else if constexpr (std::is_same_v<Shape, OwnBinary>) {
    return Routine(a[0], a[1], r);
  } else {
    gsl_sf_result value{};
    const int status = CallGsl<Routine>(a, value);
    r = value.val;
    return FromGslStatus(status);
  }
}

// ELLIPTICSN, CN and DN: the second argument is GSL's parameter m.
enum class Jacobi { kSn, kCn, kDn };

template <Jacobi Part>
CalcError Jacobian(CallContext&, const double* a, int, double& r) {
  double sn = 0.0, cn = 0.0, dn = 0.0;
  const int status = gsl_sf_elljac_e(a[0], a[1], &sn, &cn, &dn);
  r = Part == Jacobi::kSn ? sn : Part == Jacobi::kCn ? cn : dn;
  return FromGslStatus(status);
}

// No fast-path kernels: a bare double result could not carry the failure code 53.
template <int Id, auto Routine>
constexpr FunctionEntry Row() {
  return FunctionEntry{Id, &Call<Routine>, nullptr, UnaryForm::kNone, true};
}

template <int Id, Jacobi Part>
constexpr FunctionEntry JacobianRow() {
  return FunctionEntry{Id, &Jacobian<Part>, nullptr, UnaryForm::kNone, true};
}

constexpr std::array<FunctionEntry, 43> kEntries = {{
    Row<kAiryAi, &gsl_sf_airy_Ai_e>(),
    Row<kAiryBi, &gsl_sf_airy_Bi_e>(),
    Row<kBeta, &gsl_sf_beta_e>(),
    Row<kBetaI, &gsl_sf_beta_inc_e>(),
    Row<kBesselJ, &gsl_sf_bessel_Jn_e>(),
    Row<kBesselY, &gsl_sf_bessel_Yn_e>(),
    Row<kBesselK, &gsl_sf_bessel_Kn_e>(),
    Row<kBesselI, &gsl_sf_bessel_In_e>(),
    Row<kEllipticRf, &gsl_sf_ellint_RF_e>(),
    Row<kEllipticRd, &gsl_sf_ellint_RD_e>(),
    Row<kEllipticRj, &gsl_sf_ellint_RJ_e>(),
    Row<kEllipticRc, &gsl_sf_ellint_RC_e>(),
    Row<kClausen, &gsl_sf_clausen_e>(),
    Row<kDawson, &gsl_sf_dawson_e>(),
    Row<kDilog, &gsl_sf_dilog_e>(),
    Row<kEllipticF, &gsl_sf_ellint_F_e>(),
    Row<kEllipticE, &gsl_sf_ellint_E_e>(),
    // Typed order (phi, n, k) goes to GSL's (phi, k, n) unchanged, as documented.
    Row<kEllipticP, &gsl_sf_ellint_P_e>(),
    JacobianRow<kEllipticSn, Jacobi::kSn>(),
    JacobianRow<kEllipticCn, Jacobi::kCn>(),
    JacobianRow<kEllipticDn, Jacobi::kDn>(),
    Row<kErf, &gsl_sf_erf_e>(),
    Row<kErfc, &gsl_sf_erfc_e>(),
    Row<kGamma, &gsl_sf_gamma_e>(),
    Row<kGammaLn, &gsl_sf_lngamma_e>(),
    Row<kPsi, &gsl_sf_psi_e>(),
    Row<kPsiN, &gsl_sf_psi_n_e>(),
    Row<kZeta, &gsl_sf_zeta_e>(),
    Row<kEta, &gsl_sf_eta_e>(),
    Row<kHzeta, &gsl_sf_hzeta_e>(),
    Row<kShi, &gsl_sf_Shi_e>(),
    Row<kChi, &gsl_sf_Chi_e>(),
    Row<kBico, &BinomialCoefficient>(),
    Row<kFactLn, &LogFactorial>(),
    Row<kBesselJs, &SphericalBesselJ>(),
    Row<kBesselYs, &SphericalBesselY>(),
    Row<kExpEi, &ExponentialIntegralEi>(),
    Row<kFresnelS, &FresnelS>(),
    Row<kFresnelC, &FresnelC>(),
    Row<kGammaP, &RegularizedGammaP>(),
    Row<kGammaQ, &RegularizedGammaQ>(),
    Row<kCosInt, &CosineIntegral>(),
    Row<kSinInt, &SineIntegral>(),
}};

}  // namespace

std::span<const FunctionEntry> HigherFunctions() {
  // The dispatch table asks for this list before any of these functions can run, so the
  // handler is in place even if a static initialiser elsewhere called GSL before ours.
  InstallGslErrorHandler();
  return kEntries;
}

}  // namespace orvella
