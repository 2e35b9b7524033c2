#pragma once

#include "AgendaItem.h"

#include <QList>
#include <QStringList>

namespace entry {

// The agenda list as one stored text: fields joined by "|", items by "^".
//
// A field holding "|" or "^" (or the escape mark U+FDD0) would shift or split
// items on the way back, so such a list is stored in the escaped form: the
// whole text starts with U+FDD0, and inside fields "|" is written as
// U+FDD0 'p', "^" as U+FDD0 'c' and U+FDD0 itself as U+FDD0 'e'. Lists
// without those characters are stored exactly as before, and texts that do
// not start with U+FDD0 are read as before.
QString EncodeAgendaList(const QList<AgendaItem>& items);

// The stored text cut into entries and each entry into its pieces, as the
// list is rebuilt from them: an empty text gives no entries; empty entries
// count; a short entry has fewer than four pieces, an empty one none.
QList<QStringList> SplitAgendaList(const QString& stored);

} // namespace entry
