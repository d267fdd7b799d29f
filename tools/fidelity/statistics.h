// Order statistics of measured values, shared by the measuring tools and benchmarks.
#pragma once

#include <vector>

namespace vecrast::fidelity {

// The median (the mean of the two middle values for an even count); NaN for no values.
double Median(std::vector<double> values);

}  // namespace vecrast::fidelity
