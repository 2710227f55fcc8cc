#pragma once

#include <QString>
#include <cstdint>
#include <exception>

namespace modulelink {

// The base of object error numbers on the platform the console came from.
inline constexpr std::int32_t kObjectErrorBase = -2147221504;
inline constexpr std::int32_t kStandardErrorNumber = kObjectErrorBase + 9999;

// The standard error of the module objects: number, source ("Class:Member Method") and
// description, shown by the windows as "Error number: ... occured in ...".
class HidObjectError : public std::exception {
  public:
    explicit HidObjectError(QString source);

    std::int32_t number() const { return kStandardErrorNumber; }
    const QString& source() const { return source_; }
    QString description() const;
    const char* what() const noexcept override { return what_.constData(); }

  private:
    QString source_;
    QByteArray what_;
};

}  // namespace modulelink
