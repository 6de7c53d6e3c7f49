// The row format of the image asset file ("ymks"): the categories a row can take, each a fixed
// sequence of coloured runs over the row, and the routine that writes a row's runs into its
// pixels. Shared by the decoder, the encoder tool and the fuzz target; no Qt here.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

// The three colours of the format, and their 24-bit values in blue, green, red order.
enum class tymk_colour : uint8_t { s, b, f };

// Row categories; the numbers are the file's category bytes. 0 and 50 have names but are not
// valid in a file, nor is any number past 52.
enum class tymk_category : uint8_t {
    ymk_none = 0,
    ymk2_sb, ymk2_sbb, ymk2_sbf, ymk2_sbfb, ymk2_sbfbs, ymk2_sbfbbs, ymk2_bbsbb, ymk2_sbfbb, ymk2_bfbs,
    ymk2_bb, ymk2_bf, ymk_bbs, ymk_bfbs, ymk_bfbsbbs, ymk_bfbsbbfbbs, ymk_bfbbfbbs, ymk_bfbbsbbfbs,
    ymk_bfbsbfbs, ymk_bfbsbfb, ymk_bfbbs, ymk2_sbbf, ymk_sbfb, ymk_sbfbb, ymk_sbfbs, ymk_sbfbsbbs,
    ymk_sbfbsbfbbs, ymk_sbfbsbfbs, ymk_sbfbsbbfbs, ymk_sbfbbsbfbs, ymk_sbfbbsbbfbs, ymk_sbfbbfbs, ymk_sbbfbs,
    ymk_sbfbbs, ymk_sbbfbbs, ymk_sbbs, ymk_bbsbbs, ymk2_bbf, ymk_sbbfb, ymk_sbb, ymk_sbfbsbfb, ymk_sbfbsbfbb,
    ymk_bfbsbbfb, ymk_sbfbbsbbfb, ymk_sbfbbfb, ymk_sbbfbf1bbfb, ymk_sbbfbbsbfb, ymk_sbbfbbsbb, ymk_bbsbbfbbs,
    ymk_bfbbfbfbbs, ymk_sbsbfb, ymk_sbbsbfb, ymk_sbbfbsbfbs,
};

// One decoded row description: its category and parameter bytes p0..p5 (fcount of them used).
struct tblip_line {
    tymk_category fcategory = tymk_category::ymk_none;
    uint8_t fcount = 0;
    std::array<uint8_t, 6> fparams{};
};

// One run of a category: its colour and its length as W x fwidth + fconstant + sum fparam[k] x pk,
// halved as a 16-bit quantity when fhalve is set; the length drawn is that value modulo 256.
struct tymk_run {
    tymk_colour fcolour;
    int8_t fwidth;
    int8_t fconstant;
    std::array<int8_t, 6> fparam;
    bool fhalve;
};

class tprocs_ymk {
public:
    static constexpr int32_t max_runs = 9;
    static constexpr int32_t last_category = 52;
    static constexpr std::array<uint8_t, 3> colour_bgr(tymk_colour acolour) {
        switch (acolour) {
            case tymk_colour::s: return {200, 208, 212};
            case tymk_colour::b: return {0, 0, 0};
            default: return {120, 120, 120};
        }
    }

    // The category's name ("ymk2_sbb"); a number without a name is named by its digits.
    static std::string category_name(uint8_t acategory);
    // How many parameter bytes the category takes; raises "Unsupported Category[%s] in
    // tprocs_ymk.get_count();" for one that is not valid in a file.
    static int32_t get_count(uint8_t acategory);
    // The category's runs, left to right; raises "Unsupported Category[%s] in
    // tprocs_ymk.write_line();" for one without a run rule.
    static std::span<const tymk_run> get_runs(tymk_category acategory);
    // The length a run draws in a row of width awidth with the line's parameters (0 to 255).
    static uint8_t run_length(const tymk_run& arun, uint16_t awidth, const tblip_line& aline);
    // Writes the line's runs into a row of awidth pixels (3 bytes each, blue, green, red), left to
    // right; a run is cut at the row's end, so nothing is written outside the row, and pixels the
    // runs leave uncovered keep what they held.
    static void write_line(const tblip_line& aline, uint16_t awidth, uint8_t* arow);
};
