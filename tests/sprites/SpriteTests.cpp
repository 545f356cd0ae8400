// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures as the game sees them: loaded from the compiled-in resources, measured on
// their pixels. The reference points are the contract with hit detection, so they are found
// by colour (blade, bell guard, lamé), never read back from the pose table, and held against
// the hit test's own geometry.
#include "Palette.h"
#include "game/piste/Actions.h"
#include "game/piste/Geometry.h"
#include "game/piste/Motion.h"

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
using pistework::game::Action;
using pistework::game::Side;
namespace game = pistework::game;

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

// One frame of an action as the game plays it: the picture it shows and where the hit test
// believes that picture's points are. A point past the image ends at its edge.
struct Frame {
    Action action;
    int index;
    bool inLunge = false;
    bool armBent = false;
    bool operator==(const Frame&) const = default;

    std::string Picture() const {
        return std::string(game::FrameBaseName(action, index, inLunge, armBent));
    }
    Points Expected(Side side) const {
        const game::EngardePoints& at = side == Side::Left ? game::kEngardeA : game::kEngardeB;
        const int unit = game::kPointUnit * game::Forward(side);
        const game::PointOffset o = game::PointOffsets(action, index, inLunge);
        return {static_cast<double>(std::clamp(at.tip + o.tip * unit, 0, frameWidth)),
                static_cast<double>(at.guard + o.guard * unit),
                static_cast<double>(at.body + o.body * unit)};
    }
};

void ExpectPoints(const Frame& frame, double tipTolerance, double tolerance, bool checkTip) {
    for (Side side : game::kSides) {
        const QString name = QString::fromStdString(game::ResourceName(frame.Picture(), side));
        const std::optional<Points> got = Measure(Load(name), side == Side::Left);
        ASSERT_TRUE(got) << qPrintable(name) << " has no blade, guard or lamé";
        const Points want = frame.Expected(side);
        const std::string shown = qPrintable(name) + std::string(" in frame ") +
                                  std::to_string(frame.index) + " of action " +
                                  std::to_string(static_cast<int>(frame.action)) +
                                  (frame.inLunge ? " in the lunge" : "");
        if (checkTip) {
            EXPECT_NEAR(got->tip, want.tip, tipTolerance) << shown << ": point";
        }
        EXPECT_NEAR(got->hand, want.hand, tolerance) << shown << ": sword hand";
        EXPECT_NEAR(got->body, want.body, tolerance) << shown << ": body";
    }
}

// The frames the hit test measures: the stances, the lunges and the flèche's last frame, in
// its start and in its run.
TEST(FencerGeometry, HitDetectionFramesPutPointHandAndBodyWhereTheGameMeasuresThem) {
    const std::vector<Frame> frames = {
        {Action::Stand, 0},     {Action::StandExtended, 0}, {Action::Lunge, 1},
        {Action::Lunge, 2},     {Action::Lunge, 3},         {Action::Lunge, 4},
        {Action::BentLunge, 4}, {Action::Fleche, 4},        {Action::FlecheRun, 2},
    };
    for (const Frame& frame : frames)
        ExpectPoints(frame, 2, 3, true);
}

// Many pictures are shown by several actions whose offsets differ; each picture has to stay
// within 5 px of every one of them, so that what is drawn is what the hit test believes.
TEST(FencerGeometry, EveryFrameStaysWithinFivePixelsOfEachActionThatShowsIt) {
    using enum Action;
    // The actions a fencer only takes up in a lunge; every other one starts from engarde. A
    // stand holds either posture, with either arm.
    const std::set<Action> inLunge{Recover,           RecoverBent,    ExtendInLunge,
                                   BendInLunge,       RecoverForward, RecoverForwardBent,
                                   LungeParry,        BentLungeParry, ExtendInLungeParried,
                                   BendInLungeParried};
    std::vector<Frame> frames;
    for (int code = 0; code < game::kActionCount; ++code) {
        const auto action = static_cast<Action>(code);
        for (int k = 0; k < game::SequenceLength(action); ++k) {
            if (action == Stand || action == StandExtended) {
                frames.push_back({action, k});
                for (bool bent : {false, true})
                    frames.push_back({action, k, true, bent});
            } else {
                frames.push_back({action, k, inLunge.count(action) > 0});
            }
        }
    }
    // Here the picture and the hit test lie 10 px or more apart, as the game has them: standing
    // in a bent-arm lunge (held-lunge points), the end of its parry, and the bent lunge's sixth
    // frame, which the hit test measures at engarde. The picture follows the lunge.
    const std::vector<Frame> apart{{Stand, 0, true, true},
                                   {StandExtended, 0, true, true},
                                   {BentLungeParry, 4, true},
                                   {BentLunge, 5}};
    for (const Frame& frame : frames) {
        if (std::find(apart.begin(), apart.end(), frame) != apart.end()) continue;
        // A parry's blade stands up; only its hand counts.
        const bool parry = frame.Picture().find("PARRY") != std::string::npos;
        ExpectPoints(frame, 5, 5, !parry);
    }
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
