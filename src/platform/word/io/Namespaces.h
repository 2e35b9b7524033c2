#pragma once

#include <QString>

namespace word::io {

// The XML namespaces and relationship types of a WordprocessingML package.
inline const QString wordNamespace =
    QStringLiteral("http://schemas.openxmlformats.org/wordprocessingml/2006/main");
inline const QString contentTypesNamespace =
    QStringLiteral("http://schemas.openxmlformats.org/package/2006/content-types");
inline const QString relationshipsNamespace =
    QStringLiteral("http://schemas.openxmlformats.org/package/2006/relationships");
inline const QString officeDocumentRelationship = QStringLiteral(
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument");
inline const QString officeRelationshipPrefix =
    QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships/");

} // namespace word::io
