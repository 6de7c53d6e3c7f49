#include "shell/ymk_format.h"

#include <algorithm>

#include "procs/velmor_exception.h"

namespace {

// A run length as written in the format's table: W, p0..p5 and constants with + - and x, so the
// table below reads like the format's description.
struct tlen {
    int8_t w = 0;
    int8_t c = 0;
    std::array<int8_t, 6> p{};
    bool halve = false;
};
constexpr tlen operator+(tlen a, tlen b) {
    tlen r{static_cast<int8_t>(a.w + b.w), static_cast<int8_t>(a.c + b.c), {}, false};
    for (size_t k = 0; k < 6; ++k) r.p[k] = static_cast<int8_t>(a.p[k] + b.p[k]);
    return r;
}
constexpr tlen operator*(int n, tlen a) {
    tlen r{static_cast<int8_t>(n * a.w), static_cast<int8_t>(n * a.c), {}, false};
    for (size_t k = 0; k < 6; ++k) r.p[k] = static_cast<int8_t>(n * a.p[k]);
    return r;
}
constexpr tlen operator-(tlen a, tlen b) { return a + (-1) * b; }
constexpr tlen operator-(tlen a, int n) { return a - tlen{0, static_cast<int8_t>(n), {}, false}; }
constexpr tlen operator+(int n, tlen a) { return tlen{0, static_cast<int8_t>(n), {}, false} + a; }
constexpr tlen half(tlen a) { return tlen{a.w, a.c, a.p, true}; }
constexpr tlen param(size_t k) {
    tlen r;
    r.p[k] = 1;
    return r;
}

constexpr tlen W{1, 0, {}, false};
constexpr tlen p0 = param(0), p1 = param(1), p2 = param(2), p3 = param(3), p4 = param(4), p5 = param(5);
constexpr tlen one{0, 1, {}, false};

constexpr tymk_colour S = tymk_colour::s, B = tymk_colour::b, F = tymk_colour::f;

struct trun_rule {
    tymk_colour colour;
    tlen length;
};

struct tcategory {
    const char* name;
    int8_t count;  // -1: not valid in a file
    int8_t run_count;
    std::array<tymk_run, tprocs_ymk::max_runs> runs;
};

template <typename... Runs>
constexpr tcategory category(const char* aname, int8_t acount, Runs... aruns) {
    tcategory c{aname, acount, static_cast<int8_t>(sizeof...(aruns)), {}};
    size_t i = 0;
    ((c.runs[i++] = tymk_run{aruns.colour, aruns.length.w, aruns.length.c, aruns.length.p, aruns.length.halve}), ...);
    return c;
}

constexpr trun_rule s(tlen l) { return {S, l}; }
constexpr trun_rule b(tlen l) { return {B, l}; }
constexpr trun_rule f(tlen l) { return {F, l}; }

// The categories by number, with their parameter counts and runs left to right.
constexpr tcategory categories[] = {
    category("ymk_none", -1),
    category("ymk2_sb", 0, s(half(W - 1)), b(one), s(half(W - 1))),
    category("ymk2_sbb", 1, s(p0), b(W - 2 * p0), s(p0)),
    category("ymk2_sbf", 1, s(p0), b(one), f(W - 2 * p0 - 2), b(one), s(p0)),
    category("ymk2_sbfb", 1, s(p0), b(one), f(half(W - 2 * p0 - 3)), b(one), f(half(W - 2 * p0 - 3)), b(one), s(p0)),
    category("ymk2_sbfbs", 2, s(p0), b(one), f(p1), b(one), s(W - 2 * p0 - 2 * p1 - 4), b(one), f(p1), b(one), s(p0)),
    category("ymk2_sbfbbs", 3, s(p0), b(one), f(p1), b(p2), s(W - 2 * (p0 + p1 + p2) - 2), b(p2), f(p1), b(one), s(p0)),
    category("ymk2_bbsbb", 1, b(p0), s(W - 2 * p0), b(p0)),
    category("ymk2_sbfbb", 2, s(p0), b(one), f(p1), b(W - 2 * p0 - 2 * p1 - 2), f(p1), b(one), s(p0)),
    category("ymk2_bfbs", 1, b(one), f(p0), b(one), s(W - 2 * p0 - 4), b(one), f(p0), b(one)),
    category("ymk2_bb", 0, b(W)),
    category("ymk2_bf", 0, b(one), f(W - 2), b(one)),
    category("ymk_bbs", 1, b(p0), s(W - p0)),
    category("ymk_bfbs", 1, b(one), f(p0), b(one), s(W - p0 - 2)),
    category("ymk_bfbsbbs", 3, b(one), f(p0), b(one), s(p1), b(p2), s(W - p0 - p1 - p2 - 2)),
    category("ymk_bfbsbbfbbs", 5, b(one), f(p0), b(one), s(p1), b(p2), f(p3), b(p4), s(W - p0 - p1 - p2 - p3 - p4 - 2)),
    category("ymk_bfbbfbbs", 4, b(one), f(p0), b(p1), f(p2), b(p3), s(W - p0 - p1 - p2 - p3 - 1)),
    category("ymk_bfbbsbbfbs", 5, b(one), f(p0), b(p1), s(p2), b(p3), f(p4), b(one), s(W - p0 - p1 - p2 - p3 - p4 - 2)),
    category("ymk_bfbsbfbs", 3, b(one), f(p0), b(one), s(p1), b(one), f(p2), b(one), s(W - p0 - p1 - p2 - 4)),
    category("ymk_bfbsbfb", 2, b(one), f(p0), b(one), s(p1), b(one), f(W - p0 - p1 - 4), b(one)),
    category("ymk_bfbbs", 2, b(one), f(p0), b(p1), s(W - p0 - p1 - 1)),
    category("ymk2_sbbf", 2, s(p0), b(p1), f(W - 2 * p1 - 2 * p0), b(p1), s(p0)),
    category("ymk_sbfb", 1, s(p0), b(one), f(W - p0 - 2), b(one)),
    category("ymk_sbfbb", 2, s(p0), b(one), f(p1), b(W - p0 - p1 - 1)),
    category("ymk_sbfbs", 2, s(p0), b(one), f(p1), b(one), s(W - p0 - p1 - 2)),
    category("ymk_sbfbsbbs", 4, s(p0), b(one), f(p1), b(one), s(p2), b(p3), s(W - p0 - p1 - p2 - p3 - 2)),
    category("ymk_sbfbsbfbbs", 5, s(p0), b(one), f(p1), b(one), s(p2), b(one), f(p3), b(p4),
             s(W - p0 - p1 - p2 - p3 - p4 - 3)),
    category("ymk_sbfbsbfbs", 4, s(p0), b(one), f(p1), b(one), s(p2), b(one), f(p3), b(one), s(W - p0 - p1 - p2 - p3 - 4)),
    category("ymk_sbfbsbbfbs", 5, s(p0), b(one), f(p1), b(one), s(p2), b(p3), f(p4), b(one),
             s(W - p0 - p1 - p2 - p3 - p4 - 3)),
    category("ymk_sbfbbsbfbs", 5, s(p0), b(one), f(p1), b(p2), s(p3), b(one), f(p4), b(one),
             s(W - p0 - p1 - p2 - p3 - p4 - 3)),
    category("ymk_sbfbbsbbfbs", 6, s(p0), b(one), f(p1), b(p2), s(p3), b(p4), f(p5), b(one),
             s(W - p0 - p1 - p2 - p3 - p4 - p5 - 2)),
    category("ymk_sbfbbfbs", 4, s(p0), b(one), f(p1), b(p2), f(p3), b(one), s(W - p0 - p1 - p2 - p3 - 2)),
    category("ymk_sbbfbs", 3, s(p0), b(p1), f(p2), b(one), s(W - p0 - p1 - p2 - 1)),
    category("ymk_sbfbbs", 3, s(p0), b(one), f(p1), b(p2), s(W - p0 - p1 - p2 - 1)),
    category("ymk_sbbfbbs", 4, s(p0), b(p1), f(p2), b(p3), s(W - p0 - p1 - p2 - p3)),
    category("ymk_sbbs", 2, s(p0), b(p1), s(W - p0 - p1)),
    category("ymk_bbsbbs", 3, b(p0), s(p1), b(p2), s(W - p0 - p1 - p2)),
    category("ymk2_bbf", 1, b(p0), f(W - 2 * p0), b(p0)),
    category("ymk_sbbfb", 2, s(p0), b(p1), f(W - p0 - p1 - 1), b(one)),
    category("ymk_sbb", 1, s(p0), b(W - p0)),
    category("ymk_sbfbsbfb", 3, s(p0), b(one), f(p1), b(one), s(p2), b(one), f(W - p0 - p1 - p2 - 4), b(one)),
    category("ymk_sbfbsbfbb", 4, s(p0), b(one), f(p1), b(one), s(p2), b(one), f(p3), b(W - p0 - p1 - p2 - p3 - 3)),
    category("ymk_bfbsbbfb", 3, b(one), f(p0), b(one), s(p1), b(p2), f(W - p0 - p1 - p2 - 3), b(one)),
    category("ymk_sbfbbsbbfb", 5, s(p0), b(one), f(p1), b(p2), s(p3), b(p4), f(W - p0 - p1 - p2 - p3 - p4 - 2), b(one)),
    category("ymk_sbfbbfb", 3, s(p0), b(one), f(p1), b(p2), f(W - p0 - p1 - p2 - 2), b(one)),
    category("ymk_sbbfbf1bbfb", 4, s(p0), b(p1), f(p2), b(one), f(one), b(p3), f(W - p0 - p1 - p2 - p3 - 3), b(one)),
    category("ymk_sbbfbbsbfb", 5, s(p0), b(p1), f(p2), b(p3), s(p4), b(one), f(W - p0 - p1 - p2 - p3 - p4 - 2), b(one)),
    category("ymk_sbbfbbsbb", 5, s(p0), b(p1), f(p2), b(p3), s(p4), b(W - p0 - p1 - p2 - p3 - p4)),
    category("ymk_bbsbbfbbs", 5, b(p0), s(p1), b(p2), f(p3), b(p4), s(W - p0 - p1 - p2 - p3 - p4)),
    category("ymk_bfbbfbfbbs", 5, b(one), f(p0), b(p1), f(p2), b(one), f(p3), b(p4), s(W - p0 - p1 - p2 - p3 - p4 - 2)),
    category("ymk_sbsbfb", -1),
    category("ymk_sbbsbfb", 3, s(p0), b(p1), s(p2), b(one), f(W - p0 - p1 - p2 - 2), b(one)),
    category("ymk_sbbfbsbfbs", 5, s(p0), b(p1), f(p2), b(one), s(p3), b(one), f(p4), b(one),
             s(W - p0 - p1 - p2 - p3 - p4 - 3)),
};
static_assert(std::size(categories) == tprocs_ymk::last_category + 1);

const tcategory* find(uint8_t acategory) {
    return acategory <= tprocs_ymk::last_category ? &categories[acategory] : nullptr;
}

}  // namespace

std::string tprocs_ymk::category_name(uint8_t acategory) {
    const tcategory* c = find(acategory);
    return c ? c->name : std::to_string(acategory);
}

int32_t tprocs_ymk::get_count(uint8_t acategory) {
    const tcategory* c = find(acategory);
    if (!c || c->count < 0)
        throw tvelmor_exception("Unsupported Category[%s] in %s.get_count();", category_name(acategory), "tprocs_ymk");
    return c->count;
}

std::span<const tymk_run> tprocs_ymk::get_runs(tymk_category acategory) {
    const tcategory* c = find(static_cast<uint8_t>(acategory));
    if (!c || c->run_count == 0)
        throw tvelmor_exception("Unsupported Category[%s] in %s.write_line();",
                                category_name(static_cast<uint8_t>(acategory)), "tprocs_ymk");
    return {c->runs.data(), static_cast<size_t>(c->run_count)};
}

uint8_t tprocs_ymk::run_length(const tymk_run& arun, uint16_t awidth, const tblip_line& aline) {
    int32_t value = arun.fwidth * static_cast<int32_t>(awidth) + arun.fconstant;
    for (size_t k = 0; k < 6; ++k) value += arun.fparam[k] * static_cast<int32_t>(aline.fparams[k]);
    // Halving works on the 16-bit quantity (unsigned, like the width), then the run is cut to a byte.
    if (arun.fhalve) value = static_cast<uint16_t>(value) / 2;
    return static_cast<uint8_t>(value);
}

void tprocs_ymk::write_line(const tblip_line& aline, uint16_t awidth, uint8_t* arow) {
    int32_t x = 0;
    for (const tymk_run& run : get_runs(aline.fcategory)) {
        const int32_t n = std::min<int32_t>(run_length(run, awidth, aline), awidth - x);
        const std::array<uint8_t, 3> bgr = colour_bgr(run.fcolour);
        for (int32_t i = 0; i < n; ++i, ++x) std::copy(bgr.begin(), bgr.end(), arow + 3 * x);
    }
}
