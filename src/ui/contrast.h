#pragma once

#include <QColor>

// How far apart two colours are for the eye: the ratio of their relative
// luminances (each plus 0.05), from 1 (the same) to 21 (black on white). Text
// reads well from 4.5 on.
double ContrastRatio(const QColor& a, const QColor& b);

inline constexpr double kReadableContrast = 4.5;

// `ink` itself when it reads on `paper`; otherwise the same hue made darker on
// light paper or lighter on dark paper, just until it does.
QColor ReadableOn(const QColor& ink, const QColor& paper, double minimum = kReadableContrast);
