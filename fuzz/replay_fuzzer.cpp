// SPDX-License-Identifier: GPL-3.0-or-later
// A replay file of any bytes. Whatever it holds, decoding either fails with one error and
// leaves the replay untouched, or gives a replay that encodes and decodes to itself.
// Half the inputs are sealed first with a right header and checksum, so the stream itself
// is read and not only refused at its checksum: a stream of pictures to 15, or a bout's setup
// and inputs with the target its second byte gives, which fencing again must survive.

#include "game/replay/Replay.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace pistework;

namespace {

void Require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "broken rule: %s\n", what);
    std::abort();
}

void Varint(std::vector<std::uint8_t>& out, std::uint64_t value) {
    for (; value >= 0x80; value >>= 7)
        out.push_back(static_cast<std::uint8_t>((value & 0x7F) | 0x80));
    out.push_back(static_cast<std::uint8_t>(value));
}

// The stream as a file the game could have written: header, length, stream, CRC-32.
std::vector<std::uint8_t> Sealed(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> file(game::kReplayMagic.begin(), game::kReplayMagic.end());
    const bool inputs = size > 1 && (data[0] & 0x40);
    file.push_back(inputs ? game::kReplayVersion : game::kPicturesVersion);
    file.push_back(size > 0 ? data[0] & 3 : 0); // timed, cut
    Varint(file, inputs ? data[1] : 15);
    const std::size_t skip = inputs ? 2 : std::min<std::size_t>(size, 1);
    data += skip;
    size -= skip;
    Varint(file, size);
    file.insert(file.end(), data, data + size);
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::uint8_t byte : file) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    crc = ~crc;
    for (int i = 0; i < 4; ++i)
        file.push_back(static_cast<std::uint8_t>(crc >> (8 * i)));
    return file;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const bool seal = size > 0 && (data[0] & 0x80);
    const std::vector<std::uint8_t> bytes =
        seal ? Sealed(data, size) : std::vector<std::uint8_t>(data, data + size);
    game::Replay read;
    read.target = -1;
    const game::ReplayError error = game::DecodeReplay(bytes, read);
    if (error != game::ReplayError::None) {
        Require(read.target == -1 && read.entries.empty(), "a bad file left a partial replay");
        return 0;
    }
    Require(read.entries.size() <= game::kMaxReplayEntries, "more entries than a replay keeps");
    const std::vector<std::uint8_t> again = game::EncodeReplay(read);
    Require(again.size() <= game::kMaxReplayFileBytes, "a replay encodes larger than it may be");
    game::Replay back;
    Require(game::DecodeReplay(again, back) == game::ReplayError::None,
            "an encoded replay does not decode");
    Require(back == read, "a replay changed through its file");
    return 0;
}
