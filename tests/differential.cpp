// SPDX-License-Identifier: GPL-3.0-or-later
// The differential check: some thousands of generated cases through every
// entry point of the core (number texts read, written and rounded, pasted
// texts cleaned, the percentage keys and their searches, and every event of
// the window, each button, slider and points field, in both modes with
// texts of every kind in the fields, with what the form then shows, says
// and tells a screen reader), one line of output each. Every build of the
// core must print the very same lines: the web tests run this on the
// desktop and as WebAssembly and compare the outputs byte for byte.
// Use: differential [CASES]

#include "support/memoryform.h"

#include "arith/numbertext.h"
#include "arith/pastedtext.h"
#include "arith/percentagekeys.h"
#include "form/events.h"

#include <array>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// splitmix64: the same numbers on every platform.
struct Random
{
    std::uint64_t state = 20261209;
    std::uint64_t next()
    {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15u);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        return z ^ (z >> 31);
    }
    int below(int n) { return int(next() % std::uint64_t(n)); }
};

std::string digits(Random &random, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += char('0' + random.below(10));
    return text;
}

// A text as a field might hold it: numbers in every written form, blanks
// of every kind around them, and texts that are no number. (Each draw is a
// statement of its own: the order in which the operands of one expression
// are worked out differs between compilers.)
std::string fieldText(Random &random)
{
    static const std::array<const char *, 8> blanks{" ",      "\t",     "\n",     "\r\n",
                                                    "\u00a0", "\u202f", "\u2028", "\u3000"};
    static const std::array<const char *, 12> nonsense{"",    "abc",  "1e5",          "1.000,5",
                                                       "--1", "7\n5", "\u0667\u0665", " ",
                                                       ",",   "inf",  "0x1A",         "5\u20ac"};
    const int kind = random.below(10);
    const int first = random.below(121);
    const int second = random.below(25);
    const std::string head = digits(random, 1 + second);
    const std::string tail = digits(random, random.below(25));
    const char *before = blanks[std::size_t(random.below(8))];
    const char *after = blanks[std::size_t(random.below(8))];
    switch (kind) {
    case 0:
        return std::to_string(first);
    case 1:
        return std::to_string(first) + ',' + tail.substr(0, 1 + second % 4);
    case 2:
        return std::to_string(first) + '.' + head.substr(0, 1 + second % 3);
    case 3:
        return '-' + std::to_string(first % 50) + ',' + head.substr(0, 1);
    case 4:
        return before + std::to_string(first % 101) + after;
    case 5:
        return '1' + std::string(std::size_t(300 + second % 20), '0');
    case 6:
        return "0," + std::string(std::size_t(318 + second % 12), '0') + head.substr(0, 3);
    case 7:
        return nonsense[std::size_t(first % 12)];
    case 8:
        return head + ',' + tail;
    default:
        return std::to_string(first % 10) + ',' + std::to_string(second % 10);
    }
}

// Bytes outside printable ASCII as \xHH, so each case stays one line.
std::string shown(const std::string &text)
{
    std::string out;
    for (const unsigned char c : text) {
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            out += char(c);
        } else {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\x%02x", c);
            out += escape;
        }
    }
    return out.size() > 60 ? out.substr(0, 40) + "...(" + std::to_string(text.size()) + ")" : out;
}

std::string bits(double value)
{
    std::uint64_t raw;
    std::memcpy(&raw, &value, sizeof raw);
    char text[24];
    std::snprintf(text, sizeof text, "%016" PRIx64, raw);
    return text;
}

std::string valueOf(const std::optional<double> &value) { return value ? bits(*value) : "none"; }

std::string valueOf(const Skalix::KeyValue &value)
{
    if (const double *number = std::get_if<double>(&value))
        return bits(*number);
    if (const std::string *text = std::get_if<std::string>(&value))
        return '"' + shown(*text) + '"';
    return "unset";
}

// FNV-1a over texts: many texts in one number.
template <typename Texts>
std::uint64_t hashOf(const Texts &texts, std::uint64_t hash = 0xcbf29ce484222325u)
{
    for (const std::string &text : texts) {
        for (const unsigned char c : text + '|')
            hash = (hash ^ c) * 0x100000001b3u;
    }
    return hash;
}

// The whole key in one number.
std::uint64_t keyHash(const MemoryForm &form) { return hashOf(form.mss, hashOf(form.grades)); }

void numberCase(Random &random, int number)
{
    const std::string text = fieldText(random);
    const std::optional<double> read = numbertext::read(text);
    std::printf("%d text '%s' reads %s writes '%s' pasted '%s' '%s'\n", number, shown(text).c_str(),
                valueOf(read).c_str(), read ? numbertext::write(*read).c_str() : "",
                shown(pastedtext::clean(text)).c_str(),
                shown(pastedtext::clean(text, pastedtext::InnerBreaks::AsBlanks)).c_str());
    double value;
    const std::uint64_t raw = random.next();
    std::memcpy(&value, &raw, sizeof value);
    const std::string written = numbertext::write(value);
    std::printf("%d bits %016" PRIx64 " writes '%s' reads %s rounds %s\n", number, raw,
                shown(written).c_str(), valueOf(numbertext::read(written)).c_str(),
                bits(numbertext::roundToOneDecimal(value)).c_str());
}

void keysCase(Random &random, int number)
{
    MemoryForm form;
    const double percentage = (random.below(23000) - 1000) / 200.0;
    std::printf("%d keys %s note %s punkte %s", number, bits(percentage).c_str(),
                valueOf(Skalix::prozentnote(percentage, form)).c_str(),
                valueOf(Skalix::prozentpunkte(percentage, form)).c_str());
    const double grade = (random.below(80) - 10) / 10.0;
    std::printf(" grenzen %d %d messages %zu\n", Skalix::notengrenze(grade, form).value_or(-1),
                Skalix::punktegrenze(grade * 2.5, form).value_or(-1), form.messages.size());
}

// A few events of the window, then points typed and one more event: a
// points field's change, a slider step or a button.
void formCase(Random &random, int number)
{
    MemoryForm form;
    std::string steps;
    const auto event = [&] {
        const int which = random.below(12);
        if (which < 9) {
            events::commandClicked(form, 1 + which);
            steps += "Command" + std::to_string(1 + which) + ' ';
        } else if (which < 11) {
            const auto field = which == 9 ? PointsField::Maximum : PointsField::Achieved;
            const int value = random.below(101);
            events::sliderChanged(form, field, value);
            steps += "HScroll" + std::to_string(int(field)) + '=' + std::to_string(value) + ' ';
        } else {
            events::pointsChanged(form, PointsField::Achieved);
            steps += "Text2 ";
        }
    };
    for (int step = 0, count = 1 + random.below(3); step < count; ++step)
        event();
    const KeyArray array = form.mssVisible[0] ? KeyArray::Mss : KeyArray::Grades;
    const int fields =
        array == KeyArray::Mss ? keytable::kMssFieldCount : keytable::kGradeFieldCount;
    for (int edit = 0, count = random.below(4); edit < count; ++edit) {
        const int field = random.below(fields);
        form.setKeyText(array, field, fieldText(random));
    }
    form.maximum = random.below(3) ? std::to_string(1 + random.below(120)) : fieldText(random);
    form.achieved = fieldText(random);
    form.evaluations = 0;
    form.announcements.clear();
    event();
    std::printf("%d form %smax '%s' reached '%s' result '%s' messages %zu %016" PRIx64
                " evaluations %d told %zu '%s' closed %d focus %d/%d key %016" PRIx64 "\n",
                number, steps.c_str(), shown(form.maximum).c_str(), shown(form.achieved).c_str(),
                shown(form.result).c_str(), form.messages.size(), hashOf(form.messages),
                form.evaluations, form.announcements.size(),
                form.announcements.empty() ? "" : form.announcements.back().c_str(),
                int(form.closed), form.focus ? int(form.focus->first) : -1,
                form.focus ? form.focus->second : -1, keyHash(form));
}

} // namespace

int main(int argc, char **argv)
{
    const int cases = argc > 1 ? std::atoi(argv[1]) : 3000;
    Random random;
    for (int number = 0; number < cases; ++number) {
        switch (number % 3) {
        case 0:
            numberCase(random, number);
            break;
        case 1:
            keysCase(random, number);
            break;
        default:
            formCase(random, number);
            break;
        }
    }
    return 0;
}
