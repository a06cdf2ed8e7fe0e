#include "analysis/linear_models.h"

#include <cmath>

namespace orvella {

const LinearModel* FindLinearModel(int code) {
  if (code < 0 || code >= kLinearModelCount) return nullptr;
  return &kLinearModels[code];
}

double TransformedX(const LinearModel& model, double x) {
  return model.logX ? std::log(x) : x;
}

double TransformedY(const LinearModel& model, double y) {
  return model.logY ? std::log(y) : y;
}

double BasisValue(const LinearParameter& parameter, double u) {
  double value = 1.0;
  for (int k = 0; k < parameter.power; ++k) value *= u;
  return value;
}

double BackTransformed(const LinearParameter& parameter, double fitted) {
  return parameter.back == BackTransform::kExp ? std::exp(fitted) : fitted;
}

}  // namespace orvella
