// Median and 95th percentile of timing samples.
#pragma once
#include <algorithm>
#include <cmath>
#include <vector>

namespace Bench {

struct Resumo {
    size_t n = 0;
    double mediana = 0, p95 = 0, minimo = 0;
};

// Nearest-rank percentiles: p95 of 200 samples is the 190th smallest.
inline Resumo Resume(std::vector<double> v) {
    Resumo r;
    r.n = v.size();
    if (v.empty()) return r;
    std::sort(v.begin(), v.end());
    auto rank = [&v](double p) { return v[size_t(std::max(1.0, std::ceil(p * double(v.size())))) - 1]; };
    r.mediana = v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
    r.p95 = rank(0.95);
    r.minimo = v.front();
    return r;
}

} // namespace Bench
