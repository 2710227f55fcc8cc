#pragma once

#include <QString>

namespace model {

// The supplier's details, shown by "&Contact Us"; the web address also ends the start-up
// request to connect the modules, so both always name the same place.
inline const QString kSupplierName = QStringLiteral("Quorvantix");
inline const QString kSupplierPostalAddress =
    QStringLiteral("41 Lockout Lane, Buzzer Park, Exampleton 01234");
inline const QString kSupplierTelephone = QStringLiteral("Telephone: (555) 555-0142");
inline const QString kSupplierWebAddress = QStringLiteral("https://quorvantix.example/support");

}  // namespace model
