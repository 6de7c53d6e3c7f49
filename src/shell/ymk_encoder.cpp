#include "shell/ymk_encoder.h"

#include <algorithm>
#include <array>

#include "procs/velmor_exception.h"

namespace {

// Finds parameters for one category by walking its runs left to right: a run whose length
// depends only on parameters already chosen must match the row where it lies; a run that is
// a parameter's first use tries every length its colour's stretch allows.
class tcategory_match {
public:
    tcategory_match(tymk_category acategory, std::span<const tymk_colour> arow)
        : fruns(tprocs_ymk::get_runs(acategory)), frow(arow) {
        fline.fcategory = acategory;
        fline.fcount = static_cast<uint8_t>(tprocs_ymk::get_count(static_cast<uint8_t>(acategory)));
    }

    std::optional<tblip_line> find() {
        if (!walk(0, 0)) return std::nullopt;
        return fline;
    }

private:
    // The parameter this run introduces (its length is exactly that parameter), or -1.
    int32_t new_param(const tymk_run& arun) const {
        if (arun.fwidth != 0 || arun.fconstant != 0 || arun.fhalve) return -1;
        int32_t found = -1;
        for (size_t k = 0; k < 6; ++k) {
            if (arun.fparam[k] == 0) continue;
            if (arun.fparam[k] != 1 || found >= 0 || fknown[k]) return -1;
            found = static_cast<int32_t>(k);
        }
        return found;
    }

    bool covers(size_t ax, size_t an, tymk_colour acolour) const {
        if (an > frow.size() - ax) return false;
        return std::all_of(frow.begin() + static_cast<std::ptrdiff_t>(ax),
                           frow.begin() + static_cast<std::ptrdiff_t>(ax + an),
                           [&](tymk_colour c) { return c == acolour; });
    }

    bool walk(size_t arun, size_t ax) {
        if (arun == fruns.size()) return ax == frow.size() && reproduces();
        const tymk_run& run = fruns[arun];
        const int32_t k = new_param(run);
        if (k < 0) {
            const size_t n = tprocs_ymk::run_length(run, static_cast<uint16_t>(frow.size()), fline);
            return covers(ax, n, run.fcolour) && walk(arun + 1, ax + n);
        }
        fknown[static_cast<size_t>(k)] = true;
        for (size_t n = 0; n <= 255 && covers(ax, n, run.fcolour); ++n) {
            fline.fparams[static_cast<size_t>(k)] = static_cast<uint8_t>(n);
            if (walk(arun + 1, ax + n)) return true;
        }
        fknown[static_cast<size_t>(k)] = false;
        fline.fparams[static_cast<size_t>(k)] = 0;
        return false;
    }

    // The decoder's own drawing of the line gives back the row.
    bool reproduces() const {
        const std::array<uint8_t, 3> unset{1, 2, 3};
        std::vector<uint8_t> pixels(frow.size() * 3);
        for (size_t at = 0; at < pixels.size(); at += 3) std::copy(unset.begin(), unset.end(), pixels.begin() + at);
        tprocs_ymk::write_line(fline, static_cast<uint16_t>(frow.size()), pixels.data());
        for (size_t x = 0; x < frow.size(); ++x)
            if (!std::equal(pixels.begin() + 3 * x, pixels.begin() + 3 * x + 3, tprocs_ymk::colour_bgr(frow[x]).begin()))
                return false;
        return true;
    }

    std::span<const tymk_run> fruns;
    std::span<const tymk_colour> frow;
    tblip_line fline;
    std::array<bool, 6> fknown{};
};

// Valid categories, fewest parameter bytes first, so the file stays small.
std::vector<uint8_t> categories_by_size() {
    std::vector<uint8_t> order;
    for (uint8_t c = 1; c <= tprocs_ymk::last_category; ++c)
        if (c != static_cast<uint8_t>(tymk_category::ymk_sbsbfb)) order.push_back(c);
    std::stable_sort(order.begin(), order.end(),
                     [](uint8_t a, uint8_t b) { return tprocs_ymk::get_count(a) < tprocs_ymk::get_count(b); });
    return order;
}

void put_u16(std::vector<uint8_t>& aout, uint16_t avalue) {
    aout.push_back(static_cast<uint8_t>(avalue & 0xFF));
    aout.push_back(static_cast<uint8_t>(avalue >> 8));
}

}  // namespace

std::optional<tblip_line> tymk_encoder::encode_row(std::span<const tymk_colour> arow) {
    if (arow.size() > UINT16_MAX) return std::nullopt;
    static const std::vector<uint8_t> order = categories_by_size();
    for (uint8_t category : order) {
        if (auto line = tcategory_match(static_cast<tymk_category>(category), arow).find()) return line;
    }
    return std::nullopt;
}

std::vector<uint8_t> tymk_encoder::encode_file(const std::vector<tymk_picture>& apictures) {
    if (apictures.size() > INT16_MAX)
        throw tvelmor_exception("Too many images (%d) in %s.encode_file();", static_cast<int64_t>(apictures.size()),
                                "tymk_encoder");
    std::vector<uint8_t> out{'y', 'm', 'k', 's'};
    put_u16(out, static_cast<uint16_t>(apictures.size()));
    for (size_t i = 0; i < apictures.size(); ++i) {
        const tymk_picture& picture = apictures[i];
        put_u16(out, picture.fwidth);
        put_u16(out, picture.fheight);
        for (int32_t y = 0; y < picture.fheight; ++y) {
            std::span<const tymk_colour> row(picture.fpixels.data() + static_cast<size_t>(y) * picture.fwidth, picture.fwidth);
            const std::optional<tblip_line> line = encode_row(row);
            if (!line)
                throw tvelmor_exception("Row %d of image %d fits no category in %s.encode_file();", y,
                                        static_cast<int64_t>(i), "tymk_encoder");
            out.push_back(static_cast<uint8_t>(line->fcategory));
            out.insert(out.end(), line->fparams.begin(), line->fparams.begin() + line->fcount);
        }
    }
    return out;
}
