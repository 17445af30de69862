#include "ui/contrast.h"

#include <algorithm>
#include <cmath>

namespace {
double Linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& c) {
    return 0.2126 * Linear(c.redF()) + 0.7152 * Linear(c.greenF()) + 0.0722 * Linear(c.blueF());
}
} // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableOn(const QColor& ink, const QColor& paper, double minimum) {
    const bool darkPaper = Luminance(paper) < 0.18;
    QColor c = ink.toHsl();
    for (int step = 0; step < 100 && ContrastRatio(c, paper) < minimum; ++step) {
        const double l = c.lightnessF();
        c.setHslF(c.hslHueF(), c.hslSaturationF(),
                  darkPaper ? std::min(1.0, l + 0.01) : std::max(0.0, l - 0.01));
    }
    return c.toRgb();
}
