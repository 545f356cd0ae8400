// SPDX-License-Identifier: GPL-3.0-or-later
// A replay's pictures as changes: each field that differs, and only those, is written under its
// own bit, and every value reads back as written, even at the top of its bounds.

#include "game/replay/ViewCodec.h"

#include <gtest/gtest.h>

using namespace pistework::game;

namespace {

// The largest value each form reads back: never a fresh picture's.
void Most(std::string& pose, codec::form::Pose) {
    pose = "LUNGE4A";
}
void Most(int& value, codec::form::Within form) {
    value = static_cast<int>(form.high);
}
void Most(int& count, codec::form::Count) {
    count = static_cast<int>(codec::kMaxCount);
}
void Most(bool& flag, codec::form::Flag) {
    flag = true;
}
template <auto kLast> void Most(decltype(kLast)& value, codec::form::EnumTo<kLast>) {
    value = kLast;
}

// Every value of the field at its largest.
template <typename Field> void AtMost(const Field& field) {
    std::apply([](const auto&... v) { (Most(v.value, v.form), ...); }, field);
}

// The change from `was` to `now` names just `bits`, and reads back as `now`.
void Check(const ReplayPicture& was, const ReplayPicture& now, std::uint64_t bits,
           const std::string& what) {
    std::vector<std::uint8_t> bytes;
    std::vector<std::string> written, read;
    codec::Writer w(bytes, written);
    codec::WritePicture(w, was, now);
    codec::Reader mask(bytes, read), picture(bytes, read);
    EXPECT_EQ(mask.Varint(), bits) << what;
    EXPECT_TRUE(codec::ReadPicture(picture, was) == now) << what;
    EXPECT_TRUE(picture.ok && picture.AtEnd()) << what;
}

} // namespace

TEST(ViewCodec, EachFieldThatDiffersIsWrittenUnderItsOwnBitAndReadsBack) {
    const ReplayPicture fresh;
    ReplayPicture all;
    for (std::size_t changed = 0; changed < codec::kPictureFields; ++changed) {
        ReplayPicture now;
        std::size_t at = 0;
        codec::ForEachField(
            [&](const auto& field, const auto& same) {
                if (at++ != changed) return;
                AtMost(field);
                AtMost(same);
            },
            now, all);
        Check(fresh, now, 1u << changed, "field " + std::to_string(changed));
    }
    Check(fresh, all, (1u << codec::kPictureFields) - 1, "every field");
    Check(all, all, 0, "none");
}
