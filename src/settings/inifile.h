#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <optional>
#include <vector>

namespace lumidor {

// The settings file's own INI dialect. The file may have been edited by hand,
// so reading is forgiving and never fails; writing produces one canonical form.
//
// Reading:
// - Lines end at CR LF, LF or a lone CR. A UTF-8 byte-order mark at the very
//   start is skipped (editors add it silently).
// - Each line is trimmed; empty lines and lines beginning with ";" are skipped.
// - "[Name]" opens a section named by the trimmed text between the brackets.
//   Lines before the first section are ignored.
// - Inside a section a line with "=" is a key: trimmed text before the first
//   "=" is the name, trimmed text after it the value. A line without "=" or
//   with an empty name is ignored.
// - Section and key names match without regard to ASCII letter case.
// - A line holding a NUL byte is ignored: no editor writes one, so the line is
//   damage, and carrying it over would spread it.
// - A section opened a second time continues the first one; a key that comes
//   again within its section is ignored. The first occurrence wins, as every
//   reader of such files does, and the repeats are not written back.
// - Lines may be of any length; only the whole file size is bounded (by the
//   caller that reads it from disk).
//
// Writing: sections in their order, each as "[Name]", its "Key=Value" lines in
// their order, then one empty line; CR LF line ends. Comments, empty lines and
// ignored lines are not carried over. Values this program sets are plain ASCII;
// names and values read from the file are written back byte for byte, so a
// hand-added key in a foreign encoding survives a store.
class IniFile {
public:
    static IniFile parse(QByteArrayView text);
    QByteArray toBytes() const;

    // The trimmed text of the key, or nothing when the section or key is absent.
    std::optional<QByteArray> value(QByteArrayView section, QByteArrayView key) const;
    // Nothing when absent or when the value is not an integer (see parseIniInteger).
    std::optional<int> integer(QByteArrayView section, QByteArrayView key) const;
    int integer(QByteArrayView section, QByteArrayView key, int fallback) const {
        return integer(section, key).value_or(fallback);
    }

    // An existing key keeps its spelling and place; a new key goes to the end of
    // its section, a new section to the end of the file.
    void setValue(QByteArrayView section, QByteArrayView key, QByteArrayView value);
    void setInteger(QByteArrayView section, QByteArrayView key, int value);

    QList<QByteArray> sectionNames() const;
    QList<QByteArray> keyNames(QByteArrayView section) const;
    bool isEmpty() const { return sections_.empty(); }

private:
    struct Entry {
        QByteArray name;
        QByteArray value;
    };
    // Names as read or first set; the indexes are keyed by the folded name.
    struct Section {
        QByteArray name;
        std::vector<Entry> entries;
        QHash<QByteArray, qsizetype> index;
    };

    const Section* section(QByteArrayView name) const;
    Section& sectionForWriting(QByteArrayView name);
    const Entry* entry(QByteArrayView section, QByteArrayView key) const;

    std::vector<Section> sections_;
    QHash<QByteArray, qsizetype> sectionIndex_;
};

// A value as the settings file holds it: an optionally signed decimal integer,
// or hexadecimal after a leading "0x"/"0X". Anything else, including a number
// that does not fit a 32-bit signed integer, is no integer at all.
std::optional<int> parseIniInteger(QByteArrayView text);

}  // namespace lumidor
