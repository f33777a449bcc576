#pragma once

#include <QString>

namespace lumidor {

// A caption with the keyboard mnemonic marked on `key`: the first letter
// `key` (either case) that starts a word, else the first `key` anywhere;
// unchanged when the caption lacks it. Marked captions read the same.
QString withMnemonic(const QString& caption, QChar key);

// What the user reads: the caption without its mnemonic mark.
QString withoutMnemonic(const QString& caption);

// The mnemonic letter of a marked caption (lower case); null when unmarked.
QChar mnemonicOf(const QString& caption);

}  // namespace lumidor
