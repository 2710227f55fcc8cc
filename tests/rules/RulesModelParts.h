#pragma once

// The parts of the plain rules model (RulesModel.h): the modules and other makers' devices
// as the rules see them, and the run that drives them. Its steps are in two files:
// RulesModel.cpp (the console's rules: ticks, report checks, buzz-in, the operator) and
// RulesModelBus.cpp (module firmware, other makers' devices, the USB bus).
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "RulesModel.h"

namespace rules::plain {

inline constexpr int kStartUp = 123, kLock = 124, kArm = 125, kSoundOff = 127, kLight = 0,
                     kBuzz = 22;
inline constexpr std::int64_t kFrameUs = 1000;
inline constexpr int kIdle = -1, kIdentity = -2, kStatus = -3;
// Reports closer than this arrived together: a USB frame cannot tell them apart.
inline constexpr std::int64_t kTogetherUs = 250;

// A report as the host keeps it: what it shows and which arm of the module it followed.
struct Report {
    int content = kIdle;  // kIdle, kIdentity or team * 10 + player
    int armCount = 0;
    std::int64_t at = 0;  // when it reached the host
    bool taken = false;   // dealt with: a press counts once, however often it is read
};

// The endpoint of a device: each poll carries one report.
struct Endpoint {
    UsbPolling polling;
    std::int64_t lastPoll = -1000000;
};

struct Module {
    ModuleEntry entry;
    Endpoint endpoint;
    // Firmware.
    bool armed = false;
    std::optional<int> latched;  // team * 10 + player
    int content = kIdentity;
    int armCount = 0;
    int questionArm = 0;  // the module's arm count after the operator's last arm
    int wipedArm = 0;     // its arm count after the last re-arm that wiped what came
    int deafUpTo = 0;     // its arm count when a take stopped the polling
    bool plugged = true;
    // Host side: the kernel's queue of reports and the latest one read.
    std::deque<Report> queue;
    Report latest;
    std::vector<int> commands;
    // Another maker's team: its firmware runs on the console. Its device (index), when its
    // arm was written, and the players whose lamps it lights.
    int device = -1;
    std::int64_t armedAt = 0;
    std::set<int> lamps;

    bool identityIsIdle() const { return entry.model == 712 || entry.firstSlot == 1; }
};

// Another maker's device: its buttons, sent in a report of them all on its endpoint at
// every change; the console latches a press when that report reaches it.
struct Device {
    Foreign kind = Foreign::None;
    Endpoint endpoint;
    std::set<std::pair<std::size_t, int>> held;  // team module and player, on the device
    std::vector<std::size_t> teams;
    std::vector<bool> lamps;  // the Buzz! handsets' lamps as last written
    bool plugged = true;
};

struct Timer {
    std::int64_t interval = 0;
    bool on = false;
    std::int64_t due = 0;
    std::uint64_t order = 0;
};

enum class Mark { Plain, Orange, Yellow, Red };

class Model {
  public:
    Model(const Timeline& t, const std::vector<UsbPolling>& polling, Improvements imp,
          TraceSink trace);
    Outcome run();

  private:
    // ---- the modules and the bus (RulesModelBus.cpp) ----
    enum class Happening { Press, Delivery, ButtonDown, ButtonUp, DeviceReport };
    struct Due {
        Happening kind;
        std::size_t module;  // a device's index for its report
        int content;         // a press: team * 10 + player; a device report: the button that
                             // went down (module * 10 + player) or kIdle
        int armCount;
    };

    void startupBroadcasts();
    void usbUntil(std::int64_t to, bool hooks);
    bool receive(Module& m, int content, int armCount);
    void deviceButton(std::size_t module, int player, bool down);
    bool deviceReport(Device& d, int edge);
    void buttonPressed(Module& m, int press);
    void setContent(Module& m, int content);
    std::int64_t nextPoll(Endpoint& e) const;
    void send(Module& m, int content);
    void write(std::size_t index, int command);
    void received(Module& m, int command, std::int64_t at);
    void foreignCommand(Module& m, int command);
    void sendAll(int command);
    void sendTo(int position, int command);

    // ---- timers on the millisecond clock ----
    void start(Timer& timer);
    void restart(Timer& timer);
    void runTimers(std::int64_t to);
    void events();
    bool arrivalsWaiting() const;

    // ---- polling ----
    bool settling() const { return rf_ && delayTimer_.on; }
    void pollingTick();
    static bool showsPress(const Module& m, const Report& r, bool fresh);
    void check();
    static std::int64_t queueTime(const Module& m) { return m.queue.front().at; }
    void take();
    void forgetQueued();
    void forgetQueued(Module& m) const;
    void fullArm();
    bool fromBeforeQuestion(const Module& m, int content, int armCount) const;

    // ---- buzz-in ----
    void mark(const std::string& name, Mark color, bool scoreGreen);
    bool orange(const std::string& name) const;
    void refuse();
    void buzzIn(int team, int player);
    void usbwired(int team, int player);

    // ---- the other ticks ----
    void soundTick();
    void blinkTick();
    void enumerationTick();
    void removal();

    // ---- the operator ----
    void operatorAction(const Step& s);
    void act(const Step& s);
    void commandsAtUnplug();
    void clearMarks();
    bool handOverDue() const { return waiting_ && !pointsAwarded_ && firstTaken_; }
    bool handOverOrEndQuestion();
    void spacekey();
    void resetClick(bool left);
    void nopReader();
    void handOver();

    // ---- the trace of a replay ----
    void tell(std::int64_t us, const std::string& line) const;
    void tellPress(const Module& m, int team, int player, const char* how) const;
    void tellSight();
    Sight sight() const;

    const Timeline& t_;
    Improvements imp_;
    TraceSink trace_;
    std::string shown_ = showsLine({}, {}, 0);
    std::vector<Module> modules_;
    std::vector<Device> devices_;
    bool rf_ = false;
    bool classic_ = true;
    std::vector<std::string> rowCaptions_;
    std::vector<Mark> rows_;
    std::vector<bool> scores_;
    std::string nameCaption_, teamCaption_;

    std::map<std::pair<std::int64_t, std::uint64_t>, Due> due_;
    std::uint64_t seq_ = 0;
    std::int64_t usNow_ = 0;
    std::int64_t msNow_ = 0;
    std::uint64_t order_ = 0;
    Timer porttimer_, soundtimer_, blinkTimer_, delayTimer_, enumeration_;
    bool wakePending_ = false;
    // The improvement: while polling stands after a taken press, what arrives only updates
    // the module's latest report and is never read as news.
    bool deaf_ = false;

    std::optional<int> responder_;
    int respondingModule_ = 0;
    int excluded_ = 0;
    bool firstTaken_ = false;
    bool waiting_ = false;
    int held_ = 0, heldModule_ = 0, heldPlayer_ = 0;
    bool blinkLit_ = false;
    bool rearmed_ = true;
    bool pointsAwarded_ = false;
    bool unplugNoticed_ = false;
    bool ended_ = false;
    bool frozen_ = false;
    Outcome outcome_;
};

}  // namespace rules::plain
