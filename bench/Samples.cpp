#include <algorithm>

#include "Figures.h"

namespace bench {

double Samples::percentile(double p) const {
    if (values.empty()) {
        return 0;
    }
    std::vector<double> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    const auto index = static_cast<std::size_t>(p * double(sorted.size() - 1) + 0.5);
    return sorted[std::min(index, sorted.size() - 1)];
}

}  // namespace bench
