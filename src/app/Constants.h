#pragma once

#include <QString>

namespace app {

inline const QString kProductName = QStringLiteral("Quillary");
// Where users send screenshots of error boxes.
inline const QString kSupportAddress = QStringLiteral("support@marrowind.example");
// The maker's web site, opened now and then at start-up.
inline const QString kHomePageAddress = QStringLiteral("https://www.marrowind.example/quillary/");
// Prefix of every error location's place: the program's build tag.
inline const QString kBuildTag = QStringLiteral("Parvelin2021/08/31.");

} // namespace app
