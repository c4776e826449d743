#pragma once

#include <QString>

namespace Paragraphs {

// The interpretation paragraph stored under key (e.g. "animal/dog"). A paragraph
// kept in two parts ("animal/dog.a" and "animal/dog.b") is returned joined, with
// nothing inserted: part A ends with the blank that separates them. The paragraph is in
// the program's language where it has been translated (see Language.h), else in English.
QString text(const QString& key);

// One stored English part exactly as it is kept, or an empty string for an unknown part.
QString storedPart(const QString& fileKey);

} // namespace Paragraphs
