// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// FNV-1a over the numbers of a value: small, fast and the same on every machine, so two games
// can compare what they fenced by a few bytes.

#include "game/piste/Fields.h"
#include "platform/Random.h"

#include <cstdint>
#include <optional>
#include <string>

namespace pistework::game {

class Fnv1a {
public:
    std::uint32_t Value() const { return value; }

    template <typename... T> Fnv1a& Add(const T&... values) {
        (One(values), ...);
        return *this;
    }

private:
    void Byte(std::uint8_t b) { value = (value ^ b) * 16777619u; }
    void Number(std::int64_t n) {
        for (int shift = 0; shift < 64; shift += 8)
            Byte(static_cast<std::uint8_t>(static_cast<std::uint64_t>(n) >> shift));
    }
    // Numbers, flags and enumerations alike.
    template <typename T> void One(const T& v) { Number(static_cast<std::int64_t>(v)); }
    void One(const std::string& text) {
        Number(static_cast<std::int64_t>(text.size()));
        for (char c : text)
            Byte(static_cast<std::uint8_t>(c));
    }
    template <typename T> void One(const Bounded<T>& field) { One(field.value); }
    void One(const platform::LcgRandom& random) { Number(random.State()); }
    template <typename T> void One(const std::optional<T>& v) {
        Number(v.has_value());
        if (v) One(*v);
    }

    std::uint32_t value = 2166136261u;
};

} // namespace pistework::game
