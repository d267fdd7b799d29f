#include "fidelity/statistics.h"

#include <algorithm>
#include <cmath>

namespace vecrast::fidelity {

double Median(std::vector<double> values) {
  if (values.empty()) return NAN;
  std::sort(values.begin(), values.end());
  const size_t mid = values.size() / 2;
  return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

}  // namespace vecrast::fidelity
