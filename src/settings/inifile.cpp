#include "settings/inifile.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>

namespace lumidor {
namespace {

constexpr QByteArrayView kUtf8Bom("\xEF\xBB\xBF");

// ASCII only: names are matched the same way whatever bytes surround them, so
// a UTF-8 name is never folded into a different one. A table rather than a
// test per byte: every lookup folds its name.
constexpr std::array<char, 256> kFold = [] {
    std::array<char, 256> t{};
    for (int c = 0; c < 256; ++c) {
        t[static_cast<size_t>(c)] = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return t;
}();

void foldInto(QByteArrayView name, char* out) {
    std::transform(name.begin(), name.end(), out,
                   [](char c) { return kFold[static_cast<unsigned char>(c)]; });
}

// A folded name to look up. Short names (all the program's own) fold into a
// buffer on the stack that the hash reads through a borrowing QByteArray, so a
// lookup allocates nothing; a store of the whole file makes hundreds of them.
class FoldedKey {
public:
    explicit FoldedKey(QByteArrayView name) {
        if (name.size() > kInline) {
            key_ = QByteArray(name.size(), Qt::Uninitialized);
            foldInto(name, key_.data());
            return;
        }
        foldInto(name, buffer_);
        key_ = QByteArray::fromRawData(buffer_, name.size());
    }
    FoldedKey(const FoldedKey&) = delete;
    FoldedKey& operator=(const FoldedKey&) = delete;

    const QByteArray& key() const { return key_; }
    // A copy that owns its bytes, for keeping in an index.
    QByteArray owned() const { return QByteArray(key_.constData(), key_.size()); }

private:
    static constexpr qsizetype kInline = 64;
    char buffer_[kInline];
    QByteArray key_;
};

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

QByteArrayView trimmed(QByteArrayView s) {
    qsizetype begin = 0;
    qsizetype end = s.size();
    while (begin < end && isBlank(s[begin])) {
        ++begin;
    }
    while (end > begin && isBlank(s[end - 1])) {
        --end;
    }
    return s.sliced(begin, end - begin);
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

}  // namespace

std::optional<int> parseIniInteger(QByteArrayView text) {
    constexpr long long kMax = std::numeric_limits<int>::max();
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        long long v = 0;
        for (qsizetype i = 2; i < text.size(); ++i) {
            const int d = hexDigit(text[i]);
            if (d < 0) {
                return std::nullopt;
            }
            v = v * 16 + d;
            if (v > kMax) {
                return std::nullopt;
            }
        }
        return static_cast<int>(v);
    }

    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size()) {
        return std::nullopt;
    }
    // The magnitude may reach one past INT_MAX for the most negative value.
    const long long limit = negative ? kMax + 1 : kMax;
    long long v = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        v = v * 10 + (c - '0');
        if (v > limit) {
            return std::nullopt;
        }
    }
    return static_cast<int>(negative ? -v : v);
}

IniFile IniFile::parse(QByteArrayView text) {
    IniFile ini;
    if (text.startsWith(kUtf8Bom)) {
        text = text.sliced(kUtf8Bom.size());
    }

    Section* current = nullptr;
    qsizetype pos = 0;
    const qsizetype size = text.size();
    // The next CR and LF at or after pos, found with memchr and kept until
    // passed, so each byte is scanned once per kind even in a CR-only file.
    qsizetype nextCr = -1;
    qsizetype nextLf = -1;
    const auto next = [&](char c, qsizetype& found) {
        if (found < pos && found != size) {
            const void* hit = std::memchr(text.data() + pos, c, static_cast<size_t>(size - pos));
            found = hit != nullptr ? static_cast<const char*>(hit) - text.data() : size;
        }
    };
    while (pos < size) {
        next('\r', nextCr);
        next('\n', nextLf);
        const qsizetype end = std::min(nextCr, nextLf);
        const bool hasNul =
            std::memchr(text.data() + pos, '\0', static_cast<size_t>(end - pos)) != nullptr;
        const QByteArrayView line = trimmed(text.sliced(pos, end - pos));
        // CR LF counts as one line end, a lone CR or LF as one each.
        pos = end + ((end + 1 < size && text[end] == '\r' && text[end + 1] == '\n') ? 2 : 1);

        if (hasNul || line.isEmpty() || line.front() == ';') {
            continue;
        }
        if (line.front() == '[' && line.back() == ']' && line.size() >= 2) {
            current = &ini.findOrAppend(trimmed(line.sliced(1, line.size() - 2)));
            continue;
        }
        if (current == nullptr) {
            continue;
        }
        const qsizetype eq = line.indexOf('=');
        if (eq < 0) {
            continue;
        }
        const QByteArrayView name = trimmed(line.first(eq));
        if (name.isEmpty() || findEntry(*current, name) != nullptr) {
            continue;
        }
        current->index.insert(FoldedKey(name).owned(), static_cast<int>(current->entries.size()));
        current->entries.push_back(
            {QByteArray(name.data(), name.size()), trimmed(line.sliced(eq + 1)).toByteArray()});
    }
    return ini;
}

QByteArray IniFile::toBytes() const {
    QByteArray out;
    for (const Section& s : sections_) {
        out += '[';
        out += s.name;
        out += "]\r\n";
        for (const Entry& e : s.entries) {
            out += e.name;
            out += '=';
            out += e.value;
            out += "\r\n";
        }
        out += "\r\n";
    }
    return out;
}

const IniFile::Section* IniFile::find(QByteArrayView section) const {
    const FoldedKey key(section);
    const auto it = sectionIndex_.constFind(key.key());
    return it == sectionIndex_.cend() ? nullptr : &sections_[static_cast<size_t>(*it)];
}

IniFile::Section& IniFile::findOrAppend(QByteArrayView section) {
    const FoldedKey key(section);
    const auto it = sectionIndex_.constFind(key.key());
    if (it != sectionIndex_.cend()) {
        return sections_[static_cast<size_t>(*it)];
    }
    sectionIndex_.insert(key.owned(), static_cast<int>(sections_.size()));
    sections_.push_back({QByteArray(section.data(), section.size()), {}, {}});
    return sections_.back();
}

IniFile::Entry* IniFile::findEntry(Section& s, QByteArrayView key) {
    const FoldedKey lookup(key);
    const auto it = s.index.constFind(lookup.key());
    return it == s.index.cend() ? nullptr : &s.entries[static_cast<size_t>(*it)];
}

std::optional<QByteArray> IniFile::value(QByteArrayView section, QByteArrayView key) const {
    const Section* s = find(section);
    if (s == nullptr) {
        return std::nullopt;
    }
    const FoldedKey lookup(key);
    const auto it = s->index.constFind(lookup.key());
    if (it == s->index.cend()) {
        return std::nullopt;
    }
    return s->entries[static_cast<size_t>(*it)].value;
}

std::optional<int> IniFile::integer(QByteArrayView section, QByteArrayView key) const {
    const auto v = value(section, key);
    return v ? parseIniInteger(*v) : std::nullopt;
}

void IniFile::setValue(QByteArrayView section, QByteArrayView key, QByteArrayView value) {
    Section& s = findOrAppend(section);
    if (Entry* e = findEntry(s, key)) {
        e->value = value.toByteArray();
        return;
    }
    s.index.insert(FoldedKey(key).owned(), static_cast<int>(s.entries.size()));
    s.entries.push_back({key.toByteArray(), value.toByteArray()});
}

void IniFile::setInteger(QByteArrayView section, QByteArrayView key, int value) {
    setValue(section, key, QByteArray::number(value));
}

QList<QByteArray> IniFile::sectionNames() const {
    QList<QByteArray> names;
    names.reserve(static_cast<qsizetype>(sections_.size()));
    for (const Section& s : sections_) {
        names.append(s.name);
    }
    return names;
}

QList<QByteArray> IniFile::keyNames(QByteArrayView section) const {
    QList<QByteArray> names;
    if (const Section* s = find(section)) {
        for (const Entry& e : s->entries) {
            names.append(e.name);
        }
    }
    return names;
}

}  // namespace lumidor
