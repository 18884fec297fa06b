#pragma once
// Opening documents, web pages and mail addresses with the program the system
// associates with them.
#include <QStringList>

// Opens target: a file, a web address ("https://...") or a "mailto:" address,
// with its associated program; an executable file is started instead, in the
// program folder. Does not wait and reports nothing: what the system says when
// the target is missing is all the user sees.
void DokumentumNyit(const QString &target);

// Lets tests see what would be opened. While armed nothing is opened or started;
// every target is recorded as it was given.
namespace DocumentHook {

void arm();
const QStringList &opened();
// Disarms the hook and forgets the records.
void clear();

} // namespace DocumentHook
