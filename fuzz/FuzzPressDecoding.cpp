// Press decoding for every model: any code, Data4 and random pick. A decoded press names
// a roster seat, and its held code decodes to the same seat without a new pick.
//
// Input: model choice (1 byte), code (2 bytes), Data4 (2 bytes), then bytes for the
// random picks (4 each; zeros when the input runs out).
#include <array>
#include <cstdint>
#include <optional>

#include "FuzzCheck.h"
#include "engine/PressDecoder.h"

namespace {

// Every model the console knows, 901 as it is stored (4097), and one it does not.
constexpr std::array<std::int32_t, 7> kModels = {4097, 272, 2012, 512, 712, 812, 1234};

struct Reader {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t at = 0;

    std::uint32_t take(std::size_t bytes) {
        std::uint32_t v = 0;
        for (std::size_t i = 0; i < bytes; ++i) {
            v |= std::uint32_t{at < size ? data[at] : std::uint8_t{0}} << (8 * i);
            ++at;
        }
        return v;
    }
};

bool oneBit(int v) {
    return v > 0 && (v & (v - 1)) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Reader in{data, size};
    const std::int32_t model = kModels[in.take(1) % kModels.size()];
    const auto code = static_cast<std::int16_t>(in.take(2));
    const auto data4 = static_cast<std::int16_t>(in.take(2));
    // The platform's random numbers lie in [0, 1).
    const auto random = [&in] { return in.take(4) / 4294967296.0; };

    const std::optional<engine::Press> press = engine::decodePress(model, code, data4, random);
    if (!press) {
        return 0;
    }
    FUZZ_CHECK(model != 1234);
    FUZZ_CHECK(press->team >= 0 && press->team < 10);
    FUZZ_CHECK(press->player >= 1 && press->player <= 5);
    if (model == 2012 || model == 512) {
        FUZZ_CHECK(oneBit(press->code));  // one button chosen
    }
    const auto never = []() -> double {
        FUZZ_CHECK(!"a held code is one button: no pick");
        return 0.0;
    };
    const std::optional<engine::Press> held =
        engine::decodePress(model, press->heldCode, data4, never);
    FUZZ_CHECK(held.has_value());
    FUZZ_CHECK(held->team == press->team && held->player == press->player);
    FUZZ_CHECK(held->heldCode == press->heldCode);
    return 0;
}
