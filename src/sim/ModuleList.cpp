#include "sim/ModuleList.h"

#include <QStringList>
#include <map>

#include "sim/ModuleModel.h"

namespace sim {

namespace {

const QString kKnownModels = QStringLiteral("4097, 272, 901, 2012, 512, 712, 812");

struct Entry {
    bool ok = false;
    ModuleSpec module;
    QString error;
};

Entry fail(const QString& message) {
    return Entry{false, {}, message};
}

const QString kStatusSuffix = QStringLiteral("+status");

Entry parseModelAndTeams(const QString& text);

Entry parseEntry(const QString& text) {
    const bool status = text.endsWith(kStatusSuffix);
    Entry entry = parseModelAndTeams(status ? text.chopped(kStatusSuffix.size()) : text);
    entry.module.statusReport = status;
    return entry;
}

Entry parseModelAndTeams(const QString& text) {
    const QString model = text.section(QLatin1Char(':'), 0, 0).trimmed();
    const bool hasTeams = text.contains(QLatin1Char(':'));
    const QString teams = text.section(QLatin1Char(':'), 1).trimmed();
    bool isNumber = false;
    const int number = model.toInt(&isNumber);
    if (!isNumber) {
        return fail(QStringLiteral("\"%1\" is not a module: write MODEL or MODEL:TEAMS, "
                                   "for example 2012:1-2")
                        .arg(text));
    }
    if (!isKnownModel(number)) {
        return fail(QStringLiteral("unknown model %1 in \"%2\" (known models: %3)")
                        .arg(number)
                        .arg(text, kKnownModels));
    }
    switch (kindOfModel(number)) {
        case ModuleKind::OneTeam: {
            bool ok = !hasTeams;
            const int slot = hasTeams ? teams.toInt(&ok) : 1;
            if (!ok || slot < 1 || slot > 8) {
                return fail(QStringLiteral("model %1 serves one team, 1 to 8, not \"%2\"")
                                .arg(number)
                                .arg(teams));
            }
            return Entry{true, {number, slot}, {}};
        }
        case ModuleKind::TwoTeam: {
            static const QStringList pairs = {QStringLiteral("1-2"), QStringLiteral("3-4"),
                                              QStringLiteral("5-6")};
            const int pair = hasTeams ? static_cast<int>(pairs.indexOf(teams)) : 0;
            if (pair < 0) {
                return fail(QStringLiteral("model %1 serves teams 1-2, 3-4 or 5-6, not \"%2\"")
                                .arg(number)
                                .arg(teams));
            }
            return Entry{true, {number, 2 * pair + 1}, {}};
        }
        case ModuleKind::Rf:
            break;
    }
    if (hasTeams && teams != QStringLiteral("1-4")) {
        return fail(QStringLiteral("model %1 serves teams 1-4, not \"%2\"").arg(number).arg(teams));
    }
    return Entry{true, {number, 1}, {}};
}

std::vector<int> servedSlots(const ModuleSpec& module) {
    switch (kindOfModel(module.model)) {
        case ModuleKind::OneTeam:
            return {module.firstSlot};
        case ModuleKind::TwoTeam:
            return {module.firstSlot, module.firstSlot + 1};
        case ModuleKind::Rf:
            break;
    }
    return {1, 2, 3, 4};
}

ModuleListResult parseEntries(const QString& text);

}  // namespace

ModuleListResult parseModuleList(const QString& text) {
    ModuleListResult result = parseEntries(text);
    if (!result.ok) {
        result.modules.clear();  // a bad list yields no modules at all
    }
    return result;
}

namespace {

ModuleListResult parseEntries(const QString& text) {
    ModuleListResult result;
    if (text.trimmed().isEmpty()) {
        result.error = QStringLiteral("the module list is empty");
        return result;
    }
    std::map<int, QString> servedBy;
    for (const QString& raw : text.split(QLatin1Char(','))) {
        const QString item = raw.trimmed();
        if (item.isEmpty()) {
            result.error = QStringLiteral("the module list \"%1\" has an empty entry").arg(text);
            return result;
        }
        const Entry entry = parseEntry(item);
        if (!entry.ok) {
            result.error = entry.error;
            return result;
        }
        for (int slot : servedSlots(entry.module)) {
            auto [it, fresh] = servedBy.emplace(slot, item);
            if (!fresh) {
                result.error = QStringLiteral("team %1 is served by both \"%2\" and \"%3\"")
                                   .arg(slot)
                                   .arg(it->second, item);
                return result;
            }
        }
        result.modules.push_back(entry.module);
    }
    result.ok = true;
    return result;
}

}  // namespace

}  // namespace sim
