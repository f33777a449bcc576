#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <optional>
#include <string>
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
    // Names and values are stretches of one arena (text_): the parsed file
    // first, then whatever setValue adds. A whole file then costs a handful of
    // allocations instead of several per key; a replaced value's old bytes stay
    // behind until the object goes, which is one store.
    struct Span {
        qsizetype offset = 0;
        qsizetype size = 0;
    };
    // Open addressing over positions in a list; the names stay in the arena.
    struct NameIndex {
        std::vector<int> slots;  // -1 for free; a power of two, at most half used
        int used = 0;
    };
    // A name with the hash of its folded bytes, kept so that a growing index
    // and a lookup that misses need not read the name.
    struct Name {
        Span span;
        size_t hash = 0;
    };
    struct Entry {
        Name name;
        Span value;
    };
    struct Section {
        Name name;
        std::vector<Entry> entries;
        NameIndex index;
    };

    QByteArrayView view(Span s) const { return {text_.data() + s.offset, s.size}; }
    // Where a view into text_ lies in it.
    Span spanOf(QByteArrayView inText) const {
        return {inText.data() - text_.data(), inText.size()};
    }
    Span append(QByteArrayView bytes);
    int sectionPosition(QByteArrayView section) const;
    int addSection(Span name);
    int entryPosition(const Section& s, QByteArrayView key) const;
    void addEntry(Section& s, Span name, Span value);
    Name named(Span name) const;
    std::optional<QByteArrayView> valueView(QByteArrayView section, QByteArrayView key) const;

    std::string text_;
    std::vector<Section> sections_;
    NameIndex sectionIndex_;
};

// A value as the settings file holds it: an optionally signed decimal integer,
// or hexadecimal after a leading "0x"/"0X". Anything else, including a number
// that does not fit a 32-bit signed integer, is no integer at all.
std::optional<int> parseIniInteger(QByteArrayView text);

}  // namespace lumidor
