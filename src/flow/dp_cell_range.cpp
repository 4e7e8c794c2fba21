#include "flow/dp_cell_range.h"

#include "numerics/checked.h"

namespace tubalyx {

namespace {
constexpr int kGridPoints = 101;
constexpr double kInverseGridPoints = 0.0099009900990099;
constexpr int kPassLimit = 100000;

// Flow error at q of a transmitter whose span corresponds to the flow `span` (0.1 % of span,
// through the square-root law).
inline double PointUncertainty(double span, double q) { return CheckedDiv(0.5 * span * span, q) * 0.1 * 0.01; }
}  // namespace

void OptimizeDpCellRange(double dpMax, double qMin, double qMax, double& dpAtMin, double& lowRangePercent,
                         double& averageOne, double& averageTwo) {
    dpAtMin = CheckedDiv(CheckedDiv(dpMax * qMin * qMin, qMax), qMax);
    double r = qMax, bestR = qMax, bestSum = 0.0, previousSum = 1e10;
    bool stop = false;
    const double step = 0.01 * (qMax - qMin);
    for (int pass = 0; pass < kPassLimit; ++pass) {
        double sum = 0.0;
        for (int k = 0; k < kGridPoints; ++k) {
            const double q = qMin + k * step;
            sum += PointUncertainty(q < r ? r : qMax, q);
        }
        sum = CheckedDiv(sum, qMax) * 100.0;
        if (sum <= 1.00000000001 * previousSum) {
            bestR = r;
            bestSum = sum;
        } else {
            stop = true;
        }
        if (previousSum >= 9999999999.0) averageOne = sum * kInverseGridPoints;
        previousSum = sum;
        r = 0.99 * r;
        if (stop || r < qMin) break;
    }
    lowRangePercent = CheckedDiv(CheckedDiv(bestR * bestR, qMax), qMax) * 100.0;
    averageTwo = bestSum * kInverseGridPoints;
}

}  // namespace tubalyx
