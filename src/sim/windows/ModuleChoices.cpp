#include "sim/windows/ModuleChoices.h"

#include <set>

namespace sim {

namespace {

constexpr int kOneTeamModels[] = {4097, 272, 901};
constexpr int kTwoTeamModels[] = {2012, 512};
constexpr int kRfModels[] = {712, 812};

std::set<int> servedTeams(VirtualModuleSet& set) {
    std::set<int> served;
    for (int i = 0; i < set.size(); ++i) {
        for (int team : set.module(i).teams()) {
            served.insert(team);
        }
    }
    return served;
}

}  // namespace

QStringList addableModules(VirtualModuleSet& set) {
    const std::set<int> served = servedTeams(set);
    const auto free = [&served](int first, int last) {
        for (int team = first; team <= last; ++team) {
            if (served.count(team) != 0) {
                return false;
            }
        }
        return true;
    };
    QStringList choices;
    for (int model : kOneTeamModels) {
        for (int slot = 1; slot <= 8; ++slot) {
            if (free(slot, slot)) {
                choices << QStringLiteral("%1:%2").arg(model).arg(slot);
            }
        }
    }
    for (int model : kTwoTeamModels) {
        for (int first = 1; first <= 5; first += 2) {
            if (free(first, first + 1)) {
                choices << QStringLiteral("%1:%2-%3").arg(model).arg(first).arg(first + 1);
            }
        }
    }
    for (int model : kRfModels) {
        if (free(1, 4)) {
            choices << QString::number(model);
        }
    }
    return choices;
}

}  // namespace sim
