#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "model/MatchEvents.h"

namespace model {

inline constexpr int kTeamModuleHandles = 12;

// The program-wide live state: module link values, buzz-in state and remembered values.
// Flags that the engine keeps as 0/1 or True(-1)/False are plain bools and ints here.
struct MatchState {
    // Mirrors and remembered values.
    bool allowBuzzOnBonus = false;
    bool computerQuestionMode = false;
    QString matchTimeSetting = "15:00";
    QString savedMatchTime;

    // Team-module link.
    std::int32_t modelNumber = 0;
    std::array<std::int32_t, kTeamModuleHandles> teamModuleHandle{};
    std::int32_t teamCount = 0;
    std::int32_t inputBufferCount = 0;
    bool startupComplete = false;
    bool moduleListConfirmed = false;
    bool shutdownInProgress = false;
    std::int16_t moduleCommand = 0;
    std::int16_t lastData1 = 255;
    std::int16_t responderData4 = 0;
    std::int16_t responderCode = 255;
    std::int32_t respondingModule = 0;
    // The model of the module the report check took the press from: presses decode by the
    // module's own model, so interfaces of different models work side by side (0: the
    // last opened interface's, modelNumber).
    std::int32_t responderModel = 0;
    std::int32_t excludedModule = 0;
    // When the press the report check took arrived, and when the last arm command went out,
    // on the module arrival clock (nanoseconds).
    std::int64_t responderArrival = 0;
    std::int64_t armSentAt = 0;
    std::int32_t classDebugCounter = 0;

    // Live buzz-in state.
    int firstResponderTaken = 0;
    bool secondResponderWaiting = false;
    std::int16_t secondResponderCode = 0;
    std::int32_t secondResponderModule = 0;
    std::int16_t secondResponderPlayer = 0;
    bool blinkLit = false;
    bool rearmedSinceSound = false;
    bool pointsAwarded = false;
    int playerCount = 0;
    int questionNumber = 0;

    // Who is told what happened in the match (the match record).
    MatchEvents* events = &noMatchEvents();

    // Models by kind.
    static bool isOneTeamModel(int model) { return model == 4097 || model == 272; }
    static bool isRfModel(int model) { return model == 712 || model == 812; }
    static bool isTwoTeamModel(int model) { return model == 2012 || model == 512; }
    bool isOneTeamModel() const { return isOneTeamModel(modelNumber); }
    bool isRfModel() const { return isRfModel(modelNumber); }
    bool isTwoTeamModel() const { return isTwoTeamModel(modelNumber); }
    // The RF receiver whose presses from before an arm may still arrive just after it: the
    // boards let it settle (tmrDelay) and drain it at the reset click. Model 812 is taken as
    // an RF interface at start-up but has no such window.
    bool settlesAfterArm() const { return modelNumber == 712; }
    std::int32_t pressModel() const { return responderModel != 0 ? responderModel : modelNumber; }
    // Models whose teams have a fifth player on screen.
    bool hasFifthPlayer() const {
        return modelNumber == 272 || modelNumber == 512 || modelNumber == 712;
    }
};

}  // namespace model
