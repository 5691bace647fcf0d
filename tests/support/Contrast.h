#pragma once

// Contrast as the web's accessibility guidelines define it: relative
// luminance of sRGB colours, and the ratio (L1 + 0.05) / (L2 + 0.05) of the
// lighter to the darker, from 1 (none) to 21 (black on white). Text needs
// 4.5, large or bold text and graphics 3.

#include <QColor>

#include <algorithm>
#include <cmath>

inline double relativeLuminance(const QColor& color)
{
    auto linear = [](double c)
    { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) +
           0.0722 * linear(color.blueF());
}

inline double contrastRatio(double luminance1, double luminance2)
{
    return (std::max(luminance1, luminance2) + 0.05) / (std::min(luminance1, luminance2) + 0.05);
}

inline double contrastRatio(const QColor& color1, const QColor& color2)
{
    return contrastRatio(relativeLuminance(color1), relativeLuminance(color2));
}
