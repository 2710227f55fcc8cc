#pragma once

#include <QString>
#include <vector>

namespace sim {

// One entry of a module list such as "2012:1-2,2012:3-4": the model and the first team
// slot it serves (RF models: 1); "+status" after an entry ("4097:2+status") gives the
// module a second input report, a status report that no report check reads.
struct ModuleSpec {
    int model = 0;
    int firstSlot = 1;
    bool statusReport = false;
    bool operator==(const ModuleSpec&) const = default;
};

struct ModuleListResult {
    bool ok = false;
    std::vector<ModuleSpec> modules;
    QString error;
};

// The list used when none is given: one two-team module serving 1-2, one serving 3-4.
inline constexpr const char* kDefaultModuleList = "2012:1-2,2012:3-4";

// Parses "MODEL[:SLOTS][+status],..." (one-team models: a slot 1..8, default 1; two-team: 1-2, 3-4
// or 5-6, default 1-2; RF: nothing or 1-4). No slot may be served twice.
ModuleListResult parseModuleList(const QString& text);

}  // namespace sim
