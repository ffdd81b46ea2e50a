// SPDX-License-Identifier: GPL-3.0-or-later
#include "pastedtext.h"

#include <array>

namespace pastedtext {

namespace {

// Every break, as UTF-8.
constexpr std::array<std::string_view, 8> kBreaks{
    "\t",           "\n", "\v", "\f", "\r",
    "\xC2\x85",     // next line
    "\xE2\x80\xA8", // line separator
    "\xE2\x80\xA9", // paragraph separator
};

std::size_t breakAtStart(std::string_view text)
{
    for (const std::string_view brk : kBreaks) {
        if (text.starts_with(brk))
            return brk.size();
    }
    return 0;
}

std::size_t breakAtEnd(std::string_view text)
{
    for (const std::string_view brk : kBreaks) {
        if (text.ends_with(brk))
            return brk.size();
    }
    return 0;
}

} // namespace

Span withoutEndBreaks(std::string_view text)
{
    Span span{0, text.size()};
    while (const std::size_t length = breakAtStart(text.substr(span.begin)))
        span.begin += length;
    while (const std::size_t length = breakAtEnd(text.substr(span.begin, span.end - span.begin)))
        span.end -= length;
    return span;
}

std::string clean(std::string_view text, InnerBreaks inner)
{
    const Span span = withoutEndBreaks(text);
    const std::string_view kept = text.substr(span.begin, span.end - span.begin);
    if (inner == InnerBreaks::Kept)
        return std::string(kept);
    std::string out;
    out.reserve(kept.size());
    for (std::size_t i = 0; i < kept.size(); ++i) {
        if (kept[i] == '\r' || kept[i] == '\n') {
            out += ' ';
            if (kept[i] == '\r' && i + 1 < kept.size() && kept[i + 1] == '\n')
                ++i; // one break, one blank
        } else {
            out += kept[i];
        }
    }
    return out;
}

} // namespace pastedtext
