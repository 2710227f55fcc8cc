#include "modulelink/HidObjectError.h"

namespace modulelink {

HidObjectError::HidObjectError(QString source)
    : source_(std::move(source)),
      what_(QStringLiteral("Error number: %1 occured in %2\n%3")
                .arg(kStandardErrorNumber)
                .arg(source_, description())
                .toUtf8()) {}

QString HidObjectError::description() const {
    return QStringLiteral("An unknown error has occurred!");
}

}  // namespace modulelink
