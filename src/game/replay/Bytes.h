// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Numbers as the game keeps them in replay files and network frames: varints, zigzag for
// values that may go below zero, one byte for a flag or an enum. Reading treats every byte as
// hostile: each value is bounded, and the first fault stops all further reading.

#include "game/piste/Side.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

namespace pistework::game {

class ByteWriter {
public:
    explicit ByteWriter(std::vector<std::uint8_t>& bytes) : bytes(bytes) {}

    void Byte(unsigned value) { bytes.push_back(static_cast<std::uint8_t>(value)); }
    void Varint(std::uint64_t value) {
        while (value >= 0x80) {
            Byte((value & 0x7F) | 0x80);
            value >>= 7;
        }
        Byte(static_cast<unsigned>(value));
    }
    void Signed(std::int64_t value) {
        Varint((static_cast<std::uint64_t>(value) << 1) ^ static_cast<std::uint64_t>(value >> 63));
    }
    // An enum as its number, which ByteReader::Enum reads back.
    template <typename E>
    requires std::is_enum_v<E>
    void Enum(E value) { Byte(static_cast<unsigned>(value)); }
    // `size` bytes, the highest first: a varint would only lengthen a number as likely to be
    // large as small.
    void Fixed(std::uint64_t value, int size) {
        for (int shift = 8 * (size - 1); shift >= 0; shift -= 8)
            Byte((value >> shift) & 0xFF);
    }
    void Raw(std::string_view text) { bytes.insert(bytes.end(), text.begin(), text.end()); }

    std::vector<std::uint8_t>& bytes;
};

class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes(bytes) {}
    bool ok = true;
    bool ranOut = false;

    // A target stored by hand may be any positive int, and the clock of such a bout as long as
    // an int holds, so counts are bounded only by what the game keeps them in.
    static constexpr std::int64_t kMaxCount = std::numeric_limits<int>::max();

    bool AtEnd() const { return at == bytes.size(); }
    std::size_t Left() const { return bytes.size() - at; }
    std::uint8_t Byte() {
        if (!ok || at >= bytes.size()) {
            ranOut = ranOut || ok;
            ok = false;
            return 0;
        }
        return bytes[at++];
    }
    std::uint64_t Varint() {
        std::uint64_t value = 0;
        for (int shift = 0; shift < 64; shift += 7) {
            const std::uint8_t b = Byte();
            value |= static_cast<std::uint64_t>(b & 0x7F) << shift;
            if (!(b & 0x80)) return value;
        }
        ok = false;
        return 0;
    }
    std::int64_t Signed() {
        const std::uint64_t v = Varint();
        return static_cast<std::int64_t>(v >> 1) ^ -static_cast<std::int64_t>(v & 1);
    }
    // A value in [low, high]; anything else spoils the read.
    std::int64_t In(std::int64_t value, std::int64_t low, std::int64_t high) {
        if (value < low || value > high) ok = false;
        return ok ? value : low;
    }
    // A varint from 0 to `most`.
    std::int64_t UpTo(std::int64_t most) {
        return In(static_cast<std::int64_t>(
                      std::min<std::uint64_t>(Varint(), static_cast<std::uint64_t>(most) + 1)),
                  0, most);
    }
    std::int64_t Count() { return UpTo(kMaxCount); }
    bool Flag() { return In(Byte(), 0, 1) == 1; }
    // An enum's value, written as its number, at most that of `kLast`. An enum that gains a
    // value, or a gap, fails to compile here until its last is named anew; an older build reads
    // the new value as damage, so the network version goes up with it.
    template <auto kLast> decltype(kLast) Enum() {
        static_assert(Numbered<kLast>(), "the enum's values are not 0 to this last one");
        return static_cast<decltype(kLast)>(In(Byte(), 0, static_cast<std::int64_t>(kLast)));
    }
    Side ReadSide() { return Enum<Side::Right>(); }
    std::uint64_t Fixed(int size) {
        std::uint64_t value = 0;
        for (int i = 0; i < size; ++i)
            value = value << 8 | Byte();
        return value;
    }
    // `count` bytes as they are.
    std::string Raw(std::size_t count) {
        if (!ok || count > Left()) {
            ranOut = ranOut || ok;
            ok = false;
            return {};
        }
        std::string text(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                         bytes.begin() + static_cast<std::ptrdiff_t>(at + count));
        at += count;
        return text;
    }

    // Whether, of the values a byte holds, the enum names just 0 to `kLast`: then a byte bounded
    // by `kLast` reads back every value written, and only those.
    template <auto kLast> static constexpr bool Numbered() {
        return NamedUpTo<kLast>(std::make_index_sequence<256>());
    }

private:
    // Whether `V` is one of its enum's named values: the compiler spells a named value in this
    // function's own name by its name, and any other as a cast, "(pistework::game::Call)16".
    template <auto V> static constexpr bool Named() {
        return std::string_view(__PRETTY_FUNCTION__).find("= (") == std::string_view::npos;
    }
    template <auto kLast, std::size_t... kNumbers>
    static constexpr bool NamedUpTo(std::index_sequence<kNumbers...>) {
        using E = decltype(kLast);
        return (
            (Named<static_cast<E>(kNumbers)>() == (kNumbers <= static_cast<std::size_t>(kLast))) &&
            ...);
    }

    std::span<const std::uint8_t> bytes;
    std::size_t at = 0;
};

static_assert(ByteReader::Numbered<Side::Right>() && !ByteReader::Numbered<Side::Left>(),
              "the compiler names otherwise");

} // namespace pistework::game
