#pragma once

#include <QString>

namespace model {

// The path of `name` in `folder`, matching the name without regard to case as the
// systems that the set-up files come from do: "QvxUSBsetupKOR.txt" finds a file named
// "QvxUSBsetupKor.txt". A file of exactly that name is preferred; when none matches, the
// path of the name as given.
QString findInFolder(const QString& folder, const QString& name);

}  // namespace model
