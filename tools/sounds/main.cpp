// SPDX-License-Identifier: GPL-3.0-or-later
// soundgen: synthesises the game's two sound cues.
//
//   soundgen OUTDIR    OUTDIR/ding.wav (a hit) and OUTDIR/start.wav (a parry)

#include "Synth.h"
#include "Wav.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace {

using Bytes = std::vector<std::uint8_t>;

bool WriteIfChanged(const std::filesystem::path& path, const Bytes& contents) {
    // Leave an unchanged file alone so that its time stamp does not trigger a rebuild.
    {
        std::ifstream old(path, std::ios::binary);
        if (old && Bytes(std::istreambuf_iterator<char>(old), {}) == contents) return true;
    }
    // Write beside it and rename, so a failed write never leaves half a file behind.
    std::filesystem::path temporary = path;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(contents.data()),
                  static_cast<std::streamsize>(contents.size()));
        if (!out.flush()) return false;
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    return !error;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: soundgen OUTDIR\n");
        return 1;
    }
    const std::filesystem::path dir(argv[1]);
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    if (error) {
        std::fprintf(stderr, "soundgen: cannot create %s\n", argv[1]);
        return 1;
    }
    using pistework::sounds::EncodeWav;
    const struct {
        const char* name;
        std::vector<float> samples;
    } cues[] = {{"ding.wav", pistework::sounds::Ding()}, {"start.wav", pistework::sounds::Clash()}};
    for (const auto& cue : cues) {
        if (!WriteIfChanged(dir / cue.name,
                            EncodeWav(cue.samples, pistework::sounds::kSampleRate))) {
            std::fprintf(stderr, "soundgen: cannot write %s\n", (dir / cue.name).c_str());
            return 1;
        }
    }
    return 0;
}
