// SPDX-License-Identifier: GPL-3.0-or-later
#include "Sprites.h"

#include "Fencer.h"
#include "Poses.h"

namespace sprites {
namespace {

constexpr int frameWidth = 150; // the image control every fencer picture is drawn into
constexpr int pictureHeight = 90;
constexpr int lampWidth = 40, lampHeight = 60;

QList<QRgb> ColourTable() {
    QList<QRgb> table;
    for (std::uint32_t c : inkColours)
        table.append(c);
    return table;
}

// Copies columns [0, width) of the canvas, mirrored within `mirrorWidth` if asked; the
// mirror of column x is column mirrorWidth - 1 - x. Anything drawn outside the copied part
// is a figure that does not fit: reported, not silently dropped.
QImage Cut(const Canvas& canvas, int width, bool mirror, int mirrorWidth, const QString& name,
           std::vector<std::string>& problems) {
    QImage image(width, canvas.Height(), QImage::Format_Indexed8);
    image.setColorTable(ColourTable());
    image.fill(0);
    int lost = 0;
    for (int y = -canvas.Margin(); y < canvas.Height() + canvas.Margin(); ++y)
        for (int x = -canvas.Margin(); x < canvas.Width() + canvas.Margin(); ++x) {
            Ink ink = canvas.At(x, y);
            if (ink == Clear) continue;
            const int tx = mirror ? mirrorWidth - 1 - x : x;
            if (tx < 0 || tx >= width || y < 0 || y >= canvas.Height()) {
                ++lost;
                continue;
            }
            if (mirror && ink == SideRed) ink = SideGreen;
            image.setPixel(tx, y, ink);
        }
    if (lost > 0)
        problems.push_back(name.toStdString() + ": " + std::to_string(lost) +
                           " pixels fall outside the picture");
    return image;
}

enum class Lamp { Off, On, WhiteOn };

// A yellow stand on a patch of ground with two lamps on top: the coloured one towards the
// piste (right for the left fencer), the white one on the outside.
Canvas DrawLamp(Lamp lamp) {
    Canvas canvas(lampWidth, lampHeight, 4);
    Mask ground(canvas);
    ground.AddEllipse({20, 55}, 18.5f, 4.5f);
    ground.Paint(canvas, Ground, Clear);

    Mask stand(canvas);
    stand.AddEllipse({20, 54}, 8, 2.5f);
    stand.AddCapsule({20, 53}, {20, 22}, 2);
    stand.AddCapsule({10, 21}, {30, 21}, 1.8f);
    stand.Paint(canvas, Yellow);

    const Ink coloured = lamp == Lamp::On ? SideRed : DarkRed;
    const Ink white = lamp == Lamp::WhiteOn ? White : LampGrey;
    for (const auto& [centre, ink] :
         {std::pair{Vec{11, 12}, white}, std::pair{Vec{29, 12}, coloured}}) {
        Mask bulb(canvas);
        bulb.AddDisc(centre, 7.5f);
        bulb.Paint(canvas, ink);
        const bool lit = (ink == SideRed || ink == White);
        if (lit) {
            // A glint, so a lit lamp reads as lit and not just as a brighter colour.
            Mask glint(canvas);
            glint.AddDisc(centre + Vec{-2.5f, -2.5f}, 1.6f);
            glint.Paint(canvas, ink == White ? Shade : White, Clear);
        }
    }
    return canvas;
}

} // namespace

std::vector<Picture> RenderPictures(std::vector<std::string>& problems) {
    std::vector<Picture> pictures;
    for (const Pose& pose : FencerPoses()) {
        Canvas canvas(frameWidth, pictureHeight, 16);
        DrawFencer(canvas, pose, problems);
        const QString name =
            QString::fromUtf8(pose.name.data(), static_cast<qsizetype>(pose.name.size()));
        pictures.push_back({name + "A", Cut(canvas, pose.widthA, false, 0, name + "A", problems)});
        pictures.push_back(
            {name + "B", Cut(canvas, pose.widthB, true, frameWidth, name + "B", problems)});
    }
    const std::pair<const char*, Lamp> lamps[] = {
        {"LIGHTOFF", Lamp::Off}, {"LIGHTON", Lamp::On}, {"WHITEON", Lamp::WhiteOn}};
    for (const auto& [name, lamp] : lamps) {
        const Canvas canvas = DrawLamp(lamp);
        const QString base = QString::fromLatin1(name);
        pictures.push_back({base + "A", Cut(canvas, lampWidth, false, 0, base + "A", problems)});
        // The right fencer's lamp is green where the left one's is red (the bright red has
        // already been turned green by the mirroring).
        QImage b = Cut(canvas, lampWidth, true, lampWidth, base + "B", problems);
        for (int y = 0; y < b.height(); ++y)
            for (int x = 0; x < b.width(); ++x)
                if (b.pixelIndex(x, y) == DarkRed) b.setPixel(x, y, DarkTeal);
        pictures.push_back({base + "B", b});
    }
    return pictures;
}

} // namespace sprites
