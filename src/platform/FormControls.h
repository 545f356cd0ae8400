#pragma once
// Every control, timer and service of the main window that the game touches, by the
// names the game uses. The Qt window and the headless form each fill one of these.

#include "platform/Platform.h"

namespace pistework::platform {

struct FormControls {
    Form& form;

    Timer& TimerLeft;
    Timer& TimerRight;
    Timer& TimerPresident;
    Timer& TimerLight;
    Timer& TimerClock;
    Timer& TimerSalute;
    Timer& TimerAutoPlay;

    Image& imgFencerA;
    Image& imgFencerB;
    Image& imgFencerATemp;
    Image& imgFencerBTemp;
    Image& imgLightA;
    Image& imgLightB;

    Label& lblEngarde;
    Label& lblScore0;
    Label& lblScore1;
    Label& lblTime;
    Label& lblRedCount0;
    Label& lblRedCount1;
    Label& lblStart;

    Shape& shpYellow0;
    Shape& shpYellow1;
    Shape& shpRed0;
    Shape& shpRed1;

    Button& cmdAdvance;
    Button& cmdExtend;
    Button& cmdLunge;
    Button& cmdRetreat;
    Button& cmdParry;
    Button& cmdFleche;

    EditBox& txtKeyboard;
    StringList& ListBoxStrings;
    platform::MediaPlayer& MediaPlayer;

    MenuItem& mnuFileNewGame;
    MenuItem& mnuFilePauseGame;
    MenuItem& BestResults1;
    MenuItem& mnuFileExit;
    MenuItem& Firstto5;
    MenuItem& Firstto10;
    MenuItem& Firstto15;
    MenuItem& TimedBout;
    MenuItem& Novice;
    MenuItem& Intermediate;
    MenuItem& Advanced;
    MenuItem& QuarterFinalist;
    MenuItem& SemiFinalist;
    MenuItem& Champion;
    MenuItem& Custom1;
    MenuItem& mnu2Player;
    MenuItem& mnuKeyboard;
    MenuItem& mnuMouse;
    MenuItem& KeyboardLayout1;
    MenuItem& SoundOn;
    MenuItem& mnuHelpAbout;
    MenuItem& Help;

    Registry& registry;
    Clock& clock;
    Random& random;
    Launcher& launcher;
};

} // namespace pistework::platform
