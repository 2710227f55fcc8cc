#include "setup/ContactBox.h"

#include <QStringList>

#include "model/Supplier.h"

namespace setup {

void showContactBox(ui::Platform& platform) {
    const QStringList lines = {model::kSupplierName, model::kSupplierPostalAddress,
                               model::kSupplierTelephone, model::kSupplierWebAddress};
    platform.messageBox(lines.join("\r\n"), ui::MsgButtons::OK, ui::MsgIcon::Information,
                        model::kSupplierName);
}

}  // namespace setup
