// SPDX-License-Identifier: GPL-3.0-or-later
#include "contrast.h"

#include <cmath>

namespace contrast {

namespace {

double linear(float channel)
{
    return channel <= 0.04045f ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double luminance(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF())
           + 0.0722 * linear(rgb.blueF());
}

// In eight bits a channel, as the colour is drawn, so that the ratio
// measured on the screen is the one computed here.
QColor mixed(const QColor &from, const QColor &to, double share)
{
    const auto channel = [share](int a, int b) { return qRound(a + (b - a) * share); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()));
}

} // namespace

double ratio(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor standingOut(const QColor &preferred, const QColor &background, double minimum)
{
    if (ratio(preferred, background) >= minimum)
        return preferred;
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    const QColor extreme = ratio(black, background) >= ratio(white, background) ? black : white;
    // Any background has at least 4.58:1 against black or white, so the
    // text and graphics minimums are always reached on the way there.
    constexpr int kSteps = 40;
    for (int step = 1; step < kSteps; ++step) {
        const QColor candidate = mixed(preferred, extreme, double(step) / kSteps);
        if (ratio(candidate, background) >= minimum)
            return candidate;
    }
    return extreme;
}

} // namespace contrast
