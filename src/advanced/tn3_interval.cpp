#include "advanced/tn3_interval.h"

#include <algorithm>
#include <limits>

namespace {

constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();

std::int32_t Saturate(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp(value, kInt32Min, kInt32Max));
}

// Vertical pixel of a time of day. Both operands pass through single precision, and the
// division comes before the multiplication: this order decides the pixel in some cases
// (13:00:00 at height 216 is 116, not 117).
std::int32_t PixelOf(std::uint32_t time_ms, std::int32_t height) {
    const double position = static_cast<double>(static_cast<float>(time_ms)) / 86400000.0 *
                            static_cast<double>(static_cast<float>(height));
    if (position <= static_cast<double>(kInt32Min)) return static_cast<std::int32_t>(kInt32Min);
    if (position >= static_cast<double>(kInt32Max)) return static_cast<std::int32_t>(kInt32Max);
    return static_cast<std::int32_t>(position);
}

TN3Region Region(std::int64_t x, std::int64_t y, std::int64_t width, std::int64_t height) {
    return TN3Region{Saturate(x), Saturate(y), Saturate(width), Saturate(height)};
}

}  // namespace

TN3Interval::TN3Interval(std::uint8_t days, const std::string& start_text,
                         const std::string& stop_text, const std::string& on_text,
                         const std::string& off_text) {
    start.SetFromText(start_text, days);
    stop.SetFromText(stop_text, days);
    on.SetFromText(on_text, days);
    off.SetFromText(off_text, days);
}

std::vector<TN3Region> TN3Interval::GenRegions(std::int32_t width, std::int32_t height) {
    regions.clear();
    const std::int64_t col = width / 7;
    const std::int64_t y_start = PixelOf(start.time_ms, height);
    std::int64_t y_stop = PixelOf(stop.time_ms, height);
    // A short interval is at least one pixel tall.
    if (start.time_ms != stop.time_ms && y_start == y_stop) ++y_stop;

    for (int c = 0; c < 7; ++c) {
        if ((start.day_mask & day_bits::ForWeekday(c)) == 0) continue;
        if (y_stop > y_start) {
            regions.push_back(Region(c * col, y_start, col, y_stop - y_start));
        } else {
            regions.push_back(Region(c * col, y_start, col, height - y_start));
            regions.push_back(Region(((c + 1) % 7) * col, 0, col, y_stop));
        }
    }
    return regions;
}

bool TN3Interval::TestHit(std::int32_t x, std::int32_t y) const {
    for (const TN3Region& r : regions) {
        const std::int64_t right = static_cast<std::int64_t>(r.x) + r.width;
        const std::int64_t bottom = static_cast<std::int64_t>(r.y) + r.height;
        if (r.x <= x && x <= right && r.y <= y && y <= bottom) return true;
    }
    return false;
}
