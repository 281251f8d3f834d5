// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <vector>

namespace ravo::test {

// The sum over paths written out once more from its formulas, with nothing of the
// program's: for checking the numbers that the program reports.
struct ModelPath {
    double y;
    double time;
};

struct ModelPoint {
    double x = 0;
    double p = 0;
    std::vector<ModelPath> paths;
};

// Detector point i (1 to 85) for radius R, refractive factor k (index times the glass
// factor), frequency f, aperture c, and nPůlLupy n (80 whole lens, 40 half).
inline ModelPoint modelPoint(int i, double R, double k, double f, double c, double n) {
    const double axis = 581 / 2.0;
    const double half = n == 80 ? 1 : 0.5;
    const double step = n == 80 ? 1.5 : 2.25;
    ModelPoint point;
    point.x = 150 + 7 * i;
    double sx = 0, sy = 0;
    for (int j = 0; j <= n - c * 0.4 * half; ++j) {
        const double y = axis - 200 + c + 5 * j;
        const double face = 110 - R + std::sqrt(R * R - (y - axis) * (y - axis));
        const double time = (face - 50) * k + std::hypot(point.x - face, y - axis);
        sx += step * std::cos(f * 0.8 * time);
        sy += step * std::sin(f * 0.8 * time);
        point.paths.push_back({y, time});
    }
    point.p = (sx * sx + sy * sy) * 0.015 * 0.8;
    return point;
}

} // namespace ravo::test
