#pragma once

// Damage done to a copy of an Access file: the file cut short, or some of its bits flipped. A
// damage is kept as its recipe, so a damaged file that once mattered can be made again from the
// sample database without keeping the file itself.

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace quorvane::fuzz {

struct TAccessDamage {
    /// The file is cut to this many bytes; a length beyond its end keeps it whole.
    std::size_t Length = SIZE_MAX;
    /// Bits flipped after the cut, each as byte offset * 8 + bit number; those beyond the end
    /// are left out.
    std::vector<std::size_t> FlippedBits;
};

inline std::string ApplyDamage(std::string bytes, const TAccessDamage& damage) {
    if (damage.Length < bytes.size()) {
        bytes.resize(damage.Length);
    }
    for (const std::size_t bit : damage.FlippedBits) {
        if (bit / 8 < bytes.size()) {
            bytes[bit / 8] = static_cast<char>(bytes[bit / 8] ^ (1 << (bit % 8)));
        }
    }
    return bytes;
}

/// The recipe as C++ text, ready to be kept in the replay test.
inline std::string DescribeDamage(const TAccessDamage& damage) {
    std::string text = "{";
    text += damage.Length == SIZE_MAX ? std::string("SIZE_MAX") : std::to_string(damage.Length);
    text += ", {";
    for (std::size_t i = 0; i < damage.FlippedBits.size(); ++i) {
        text += (i > 0 ? ", " : "") + std::to_string(damage.FlippedBits[i]);
    }
    return text + "}}";
}

/// A random damage of a file of `size` bytes: a third are cuts, anywhere in the file; the rest
/// flip 1 to 16 bits, half of them within the first pages (the header and the system catalogue,
/// which every reader walks first) and the rest anywhere. The random numbers are taken raw from
/// the engine, so one seed gives the same damages with every standard library.
inline TAccessDamage RandomDamage(std::mt19937_64& random, std::size_t size) {
    constexpr std::size_t FirstPagesBytes = 4 * 4096;
    TAccessDamage damage;
    if (size == 0) {
        return damage;
    }
    if (random() % 3 == 0) {
        damage.Length = static_cast<std::size_t>(random() % size);
        return damage;
    }
    const std::size_t flips = 1 + static_cast<std::size_t>(random() % 16);
    const bool early = random() % 2 == 0;
    const std::size_t range = early && size > FirstPagesBytes ? FirstPagesBytes : size;
    for (std::size_t i = 0; i < flips; ++i) {
        damage.FlippedBits.push_back(static_cast<std::size_t>(random() % (range * 8)));
    }
    return damage;
}

} // namespace quorvane::fuzz
