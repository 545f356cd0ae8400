// The pictures as the game sees them: loaded from the compiled-in resources, measured on
// their pixels. The reference points are the contract with hit detection, so they are found
// by colour (blade, bell guard, lamé) and never read back from the pose table.
#include "Palette.h"
#include "game/Actions.h"

#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace sprites;

constexpr int frameWidth = 150;

struct Size {
    const char* base;
    int widthA, widthB, height;
};

// The game's list of sizes. Four "A" step pictures are 5 px wider than listed (STEP3 120,
// STEP1X 120, STEP2X 120, STEP3X 125) because the point update puts their point 5 px past
// the listed edge.
const Size sizes[] = {
    {"ENGARDE", 120, 140, 90}, {"ENGARDEX", 120, 140, 90}, {"ENGARDEP", 120, 140, 90},
    {"STEP1", 120, 140, 90},   {"STEP2", 120, 140, 90},    {"STEP3", 125, 135, 90},
    {"STEP4", 125, 130, 90},   {"STEP1X", 125, 140, 90},   {"STEP2X", 125, 140, 90},
    {"STEP3X", 130, 135, 90},  {"STEP4X", 130, 130, 90},   {"STEP1P", 120, 140, 90},
    {"STEP2P", 120, 140, 90},  {"STEP3P", 125, 135, 90},   {"STEP4P", 130, 130, 90},
    {"LUNGE1", 120, 140, 90},  {"LUNGE2", 130, 145, 90},   {"LUNGE3", 150, 150, 90},
    {"LUNGE4", 150, 130, 90},  {"CRAMP2", 130, 150, 90},   {"CRAMP3", 150, 150, 90},
    {"CRAMP4", 150, 150, 90},  {"CRAMP4X", 150, 150, 90},  {"PARRY1", 120, 140, 90},
    {"PARRY2", 120, 140, 90},  {"PARRY3", 120, 140, 90},   {"LPARRY1", 150, 150, 90},
    {"LPARRY2", 150, 150, 90}, {"FLECHE1", 130, 150, 90},  {"FLECHE2", 140, 135, 90},
    {"FLECHE3", 150, 130, 90}, {"FLECHE4", 150, 125, 90},  {"SALUTE1", 120, 140, 90},
    {"SALUTE2", 120, 140, 90}, {"SALUTE3", 120, 140, 90},  {"VICTORY", 60, 140, 90},
    {"DEFEAT", 60, 130, 90},   {"LIGHTOFF", 40, 40, 60},   {"LIGHTON", 40, 40, 60},
    {"WHITEON", 40, 40, 60},
};
constexpr int figureCount = 37; // every entry above except the three lamps

QImage Load(const QString& name) {
    return QImage(":/sprites/" + name).convertToFormat(QImage::Format_ARGB32);
}

bool Is(const QImage& image, int x, int y, Ink ink) {
    return image.pixel(x, y) == inkColours[ink];
}

// ---------------------------------------------------------------------------------------------

TEST(SpriteResources, EveryPictureLoadsByItsNameWithItsSize) {
    int loaded = 0;
    for (const Size& s : sizes)
        for (const char* suffix : {"A", "B"}) {
            const QString name = QString(s.base) + suffix;
            const QImage image(":/sprites/" + name);
            ASSERT_FALSE(image.isNull()) << qPrintable(name);
            EXPECT_EQ(image.width(), *suffix == 'A' ? s.widthA : s.widthB) << qPrintable(name);
            EXPECT_EQ(image.height(), s.height) << qPrintable(name);
            // 16 colours, and the ground must come out transparent, not as a colour.
            EXPECT_LE(image.colorCount(), 16) << qPrintable(name);
            EXPECT_EQ(qAlpha(image.pixel(0, image.height() - 1)), 0) << qPrintable(name);
            ++loaded;
        }
    EXPECT_EQ(loaded, 80);

    // Every picture the game can ask for is one of these, and the game asks for all of them.
    std::set<std::string> listed;
    for (const Size& s : sizes)
        for (const char* suffix : {"A", "B"})
            listed.insert(std::string(s.base) + suffix);
    const auto asked = pistework::game::AllPictureNames();
    EXPECT_EQ(std::set<std::string>(asked.begin(), asked.end()), listed);

    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const QImage icon(QString(":/icons/pistework-%1").arg(size));
        ASSERT_FALSE(icon.isNull()) << size;
        EXPECT_EQ(icon.size(), QSize(size, size));
    }
}

// ---------------------------------------------------------------------------------------------

struct Points {
    double tip, hand, body;
};

// Tip: the far end of the blade. Hand: the middle of the bell guard. Body: the front edge of
// the lamé. For the left fencer "far" and "front" are to the right, for the right fencer to
// the left; edges are pixel edges, so the two sides mirror exactly (x -> 150 - x).
std::optional<Points> Measure(const QImage& image, bool facingRight) {
    int bladeMin = image.width(), bladeMax = -1, lameMin = image.width(), lameMax = -1;
    double guardSum = 0;
    int guardCount = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (Is(image, x, y, Blade))
                bladeMin = std::min(bladeMin, x), bladeMax = std::max(bladeMax, x);
            if (Is(image, x, y, Lame))
                lameMin = std::min(lameMin, x), lameMax = std::max(lameMax, x);
            if (Is(image, x, y, Guard)) guardSum += x + 0.5, ++guardCount;
        }
    if (bladeMax < 0 || lameMax < 0 || guardCount == 0) return std::nullopt;
    return Points{facingRight ? bladeMax + 1.0 : bladeMin, guardSum / guardCount,
                  facingRight ? lameMax + 1.0 : lameMin};
}

// The game's point update: the engarde points plus 5 px per unit of (a, b, c).
Points Expected(double a, double b, double c) {
    return {115 + 5 * a, 89 + 5 * b, 43 + 5 * c};
}
Points ForRight(Points p) {
    return {frameWidth - p.tip, frameWidth - p.hand, frameWidth - p.body};
}

void ExpectPoints(const QString& name, Points want, double tipTolerance, double tolerance,
                  bool checkTip = true) {
    const bool right = name.endsWith('B');
    const std::optional<Points> got = Measure(Load(name), !right);
    ASSERT_TRUE(got) << qPrintable(name) << " has no blade, guard or lamé";
    if (right) want = ForRight(want);
    if (checkTip) {
        EXPECT_NEAR(got->tip, want.tip, tipTolerance) << qPrintable(name) << " point";
    }
    EXPECT_NEAR(got->hand, want.hand, tolerance) << qPrintable(name) << " sword hand";
    EXPECT_NEAR(got->body, want.body, tolerance) << qPrintable(name) << " body";
}

TEST(FencerGeometry, HitDetectionFramesPutPointHandAndBodyWhereTheGameMeasuresThem) {
    const std::map<QString, Points> frames = {
        {"ENGARDE", Expected(0, 0, 0)},
        {"ENGARDEX", Expected(1, 1, 0)},
        {"LUNGE1", Expected(1, 1, 0)},
        {"LUNGE2", Expected(2, 2, 1)},
        {"LUNGE3", Expected(4, 4, 3)},
        {"LUNGE4", Expected(6, 6, 5)},
        {"CRAMP4", Expected(5, 5, 5)},
        // The flèche start and run put this frame's point at 155, past the 150 px image:
        // the blade ends at the image's edge. Its body point is 78 in the start and 73 in
        // the run.
        {"FLECHE4", {150, 129, 75.5}},
    };
    for (const auto& [base, points] : frames)
        for (const char* suffix : {"A", "B"})
            ExpectPoints(base + suffix, points, 2, 3);
}

// Many pictures are shown by several actions whose offsets differ; each picture has to stay
// within 5 px of every one of them, so that what is drawn is what the hit test believes.
TEST(FencerGeometry, EveryFrameStaysWithinFivePixelsOfEachActionThatShowsIt) {
    struct Shown {
        const char* base;
        std::vector<Points> by;
        bool pointMatters = true; // a parry's blade stands up; only its hand counts
    };
    const std::vector<Shown> frames = {
        {"ENGARDE", {Expected(0, 0, 0)}},
        {"ENGARDEX", {Expected(1, 1, 0), Expected(2, 2, 1)}},
        {"ENGARDEP", {Expected(1, 1, 0), Expected(2, 2, 1)}},
        {"STEP1", {Expected(1, 1, 1), Expected(0, 0, 0), Expected(1, 1, 0)}},
        {"STEP2", {Expected(1, 1, 1)}},
        {"STEP3", {Expected(2, 2, 2)}},
        {"STEP4", {Expected(2, 2, 2)}},
        {"STEP1X", {Expected(2, 2, 1)}},
        {"STEP2X", {Expected(2, 2, 1)}},
        {"STEP3X", {Expected(3, 3, 2)}},
        {"STEP4X", {Expected(3, 3, 2)}},
        {"STEP1P", {Expected(2, 2, 1)}},
        {"STEP2P", {Expected(2, 2, 1)}},
        {"STEP3P", {Expected(3, 3, 2)}},
        {"STEP4P", {Expected(3, 3, 2)}},
        {"LUNGE1", {Expected(1, 1, 0)}},
        {"LUNGE2", {Expected(2, 2, 1)}},
        {"LUNGE3", {Expected(4, 4, 3)}},
        // The lunge, standing in the lunge, and extending in the lunge.
        {"LUNGE4", {Expected(6, 6, 5), Expected(6, 7, 4), Expected(6, 6, 6)}},
        {"CRAMP2", {Expected(1, 1, 1), Expected(2, 2, 1)}},
        {"CRAMP3", {Expected(3, 3, 3), Expected(4, 4, 3)}},
        // The bent-arm lunge, its recovery and the arm changes in the lunge. Standing in a
        // bent-arm lunge (6, 7, 4) and the end of its parry (3, 3, 6) disagree with these by
        // 10 px; the picture follows the lunge.
        {"CRAMP4", {Expected(5, 5, 5), Expected(6, 6, 5), Expected(4, 4, 6)}},
        {"CRAMP4X", {Expected(5, 5, 6)}},
        {"PARRY1", {Expected(1, 1, 0)}, false},
        {"PARRY2", {Expected(1, 1, 0)}, false},
        {"PARRY3", {Expected(1, 1, 0)}, false},
        {"LPARRY1", {Expected(3, 3, 6)}, false},
        {"LPARRY2", {Expected(3, 3, 6)}, false},
        // The run's frames, from the image after the flèche's jump.
        {"FLECHE2", {Expected(4, 4, 2)}},
        {"FLECHE3", {Expected(6, 6, 4)}},
        {"FLECHE4", {{150, 129, 78}, {150, 129, 73}}},
    };
    for (const Shown& frame : frames)
        for (const Points& points : frame.by)
            for (const char* suffix : {"A", "B"})
                ExpectPoints(QString(frame.base) + suffix, points, 5, 5, frame.pointMatters);
}

// ---------------------------------------------------------------------------------------------

// The picture drawn from the top-left corner of the 150 px image control.
QImage InFrame(const QImage& picture) {
    QImage frame(frameWidth, picture.height(), QImage::Format_ARGB32);
    frame.fill(Qt::transparent);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            frame.setPixel(x, y, picture.pixel(x, y));
    return frame;
}

TEST(FencerGeometry, RightFencerIsTheLeftOneMirroredWithGreenForRed) {
    int compared = 0;
    for (int i = 0; i < figureCount; ++i) {
        const QImage a = InFrame(Load(QString(sizes[i].base) + "A"));
        const QImage b = InFrame(Load(QString(sizes[i].base) + "B"));
        int differences = 0, red = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < frameWidth; ++x) {
                QRgb left = a.pixel(frameWidth - 1 - x, y);
                if (left == inkColours[SideRed]) left = inkColours[SideGreen], ++red;
                const QRgb right = b.pixel(x, y);
                if (qAlpha(left) == 0 && qAlpha(right) == 0) continue;
                if (left != right) ++differences;
            }
        EXPECT_EQ(differences, 0) << sizes[i].base;
        EXPECT_GT(red, 0) << sizes[i].base << " has no red mark to tell the left fencer by";
        ++compared;
    }
    EXPECT_EQ(compared, figureCount);
}

// Pictures are shown at the same height, so a figure whose feet float or sink would bob.
TEST(FencerGeometry, EveryFigureStandsOnTheSameGroundLine) {
    for (int i = 0; i < figureCount; ++i)
        for (const char* suffix : {"A", "B"}) {
            const QImage image = Load(QString(sizes[i].base) + suffix);
            int lowest = -1;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (qAlpha(image.pixel(x, y)) != 0) lowest = y;
            EXPECT_EQ(lowest, 89) << sizes[i].base << suffix;
        }
}

// ---------------------------------------------------------------------------------------------

// The most common lamp colour in the upper part of one half of a lamp picture.
Ink LampInHalf(const QImage& image, bool rightHalf) {
    std::map<Ink, int> count;
    for (int y = 0; y < image.height() / 2; ++y)
        for (int x = rightHalf ? image.width() / 2 : 0;
             x < (rightHalf ? image.width() : image.width() / 2); ++x)
            for (const Ink ink : {DarkRed, SideRed, DarkTeal, SideGreen, LampGrey, White})
                if (Is(image, x, y, ink)) ++count[ink];
    const auto most =
        std::max_element(count.begin(), count.end(),
                         [](const auto& p, const auto& q) { return p.second < q.second; });
    return most == count.end() ? Clear : most->first;
}

TEST(Lamps, ColouredLampFacesThePisteAndWhiteLampTheOutside) {
    struct Lamp {
        const char* name;
        Ink coloured, white;
    };
    const Lamp lamps[] = {
        {"LIGHTOFFA", DarkRed, LampGrey},  {"LIGHTONA", SideRed, LampGrey},
        {"WHITEONA", DarkRed, White},      {"LIGHTOFFB", DarkTeal, LampGrey},
        {"LIGHTONB", SideGreen, LampGrey}, {"WHITEONB", DarkTeal, White},
    };
    for (const Lamp& lamp : lamps) {
        const QImage image = Load(lamp.name);
        // The left fencer's lamp stands left of the piste, so its coloured lamp is on the right.
        const bool colouredOnRight = QString(lamp.name).endsWith('A');
        EXPECT_EQ(LampInHalf(image, colouredOnRight), lamp.coloured) << lamp.name;
        EXPECT_EQ(LampInHalf(image, !colouredOnRight), lamp.white) << lamp.name;
        EXPECT_TRUE(Is(image, 20, 45, Yellow)) << lamp.name << ": no yellow stand";
    }
}

} // namespace
