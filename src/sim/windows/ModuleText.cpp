#include "sim/windows/ModuleText.h"

#include <QStringList>

#include "sim/ReportCodes.h"
#include "sim/windows/ScreenButtons.h"

namespace sim {

namespace {

QString teamsText(const VirtualModule& module) {
    const std::vector<int> teams = module.teams();
    if (teams.size() == 1) {
        return QStringLiteral("team %1").arg(teams.front());
    }
    return QStringLiteral("teams %1-%2").arg(teams.front()).arg(teams.back());
}

QString latchedText(const VirtualModule& module) {
    QStringList names;
    for (const Button& b : module.latchedPress()) {
        names << contestantName(module, b);
    }
    return names.join(QStringLiteral(" + "));
}

}  // namespace

QString identityText(const VirtualModule& module) {
    QStringList parts;
    parts << QStringLiteral("model %1").arg(module.model()) << teamsText(module);
    if (module.kind() == ModuleKind::Rf) {
        parts << QStringLiteral("radio, %1 transmitters").arg(kRfTransmitters);
    } else {
        const int bits = identityBits(module.model(), module.firstSlot());
        parts << QStringLiteral("identity bits 0x%1")
                     .arg(QString::number(bits, 16).toUpper().rightJustified(2, QLatin1Char('0')));
    }
    if (module.kind() == ModuleKind::TwoTeam) {
        parts
            << QStringLiteral("address %1").arg(moduleAddress(module.model(), module.firstSlot()));
    }
    parts << QString::fromStdString(module.deviceInfo().path);
    return parts.join(QStringLiteral(" · "));
}

QString toneName(Tone tone) {
    switch (tone) {
        case Tone::Off:
            return QStringLiteral("off");
        case Tone::Buzz:
            return QStringLiteral("buzz");
        case Tone::TimerExpired:
            return QStringLiteral("timer expired");
        case Tone::ClockExpired:
            return QStringLiteral("clock expired");
    }
    return {};
}

QString stateText(const VirtualModule& module) {
    if (!module.isPlugged()) {
        return QStringLiteral("UNPLUGGED");
    }
    QStringList parts;
    parts << (module.armed() ? QStringLiteral("ARMED") : QStringLiteral("LOCKED"));
    parts << QStringLiteral("tone: %1").arg(toneName(module.tone()));
    if (module.kind() == ModuleKind::Rf) {
        parts << QStringLiteral("channel %1").arg(module.rfChannel());
    }
    if (!module.latchedPress().empty()) {
        parts << QStringLiteral("latched: %1").arg(latchedText(module));
    }
    return parts.join(QStringLiteral(" · "));
}

QString contestantName(const VirtualModule& module, Button button) {
    const int k = transmitterOf(module, button);
    if (k != 0) {
        return QStringLiteral("transmitter %1").arg(k);
    }
    return QStringLiteral("team %1 player %2").arg(button.team).arg(button.player);
}

QString transmitterText(const VirtualModule& module, int k) {
    return transmitterText(module.transmitter(k));
}

QString transmitterText(const VirtualModule::Transmitter& t) {
    // Two short lines, so a button of a five-wide row stays narrow.
    QString text =
        QStringLiteral("code %1 · ch %2\npower %3").arg(t.code).arg(t.channel).arg(t.power);
    if (t.programming) {
        text += QStringLiteral(" · prog");
    } else if (t.acknowledged) {
        text += QStringLiteral(" · R");  // blinked the Morse letter R: change taken
    }
    return text;
}

}  // namespace sim
