// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <string>
#include <vector>

namespace sprites {

struct Picture {
    QString name; // resource name, e.g. "ENGARDEA"
    QImage image; // 16-colour indexed, ink 0 transparent
};

// All 80 pictures, "A" and "B" of each base name in turn. A figure that does not fit its
// picture is a fault of the pose table; it is reported in `problems`, never cut off.
std::vector<Picture> RenderPictures(std::vector<std::string>& problems);

// The application icon at `size` x `size`: two crossed foils on the piste green.
QImage RenderIcon(int size);
inline constexpr int iconSizes[] = {16, 32, 48, 64, 128, 256};
// The same icon as SVG text, drawn as at the largest size.
QByteArray RenderIconSvg();

// Every picture at three times its size on the window green, labelled, for a human to check.
QImage RenderContactSheet(const std::vector<Picture>& pictures);

} // namespace sprites
