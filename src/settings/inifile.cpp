#include "settings/inifile.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <limits>

namespace lumidor {
namespace {

constexpr QByteArrayView kUtf8Bom("\xEF\xBB\xBF");

// ASCII only: names are matched the same way whatever bytes surround them, so
// a UTF-8 name is never folded into a different one. Arithmetic rather than a
// table: every lookup folds its name, and a table read is a checked memory
// access in the sanitizer builds.
unsigned char folded(char c) {
    const auto u = static_cast<unsigned char>(c);
    return static_cast<unsigned char>(static_cast<unsigned>(u - 'A') < 26U ? u + ('a' - 'A') : u);
}

// Eight bytes folded at once: an ASCII capital has its 0x20 bit set, every
// other byte stays as it is.
std::uint64_t foldedWord(std::uint64_t w) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    const std::uint64_t ascii = ~w & (0x80 * kOnes);
    const std::uint64_t low7 = w & (0x7F * kOnes);
    const std::uint64_t atLeastA = low7 + (0x80 - 'A') * kOnes;
    const std::uint64_t pastZ = low7 + (0x7F - 'Z') * kOnes;
    const std::uint64_t capital = ascii & atLeastA & ~pastZ;
    return w | (capital >> 2);
}

// FNV-1a over the folded name, a word at a time (a name is read once per
// lookup, and byte by byte that was the larger part of a lookup), so names
// that match hash alike.
size_t foldedHash(QByteArrayView name) {
    constexpr std::uint64_t kPrime = 1099511628211ULL;
    std::uint64_t h = 14695981039346656037ULL;
    const char* p = name.data();
    qsizetype left = name.size();
    for (; left >= 8; left -= 8, p += 8) {
        std::uint64_t w = 0;
        std::memcpy(&w, p, sizeof w);
        h = (h ^ foldedWord(w)) * kPrime;
    }
    std::uint64_t tail = static_cast<std::uint64_t>(left);
    for (qsizetype i = 0; i < left; ++i) {
        tail |= static_cast<std::uint64_t>(static_cast<unsigned char>(p[i])) << (8 * (i + 1));
    }
    // The length sits in the lowest byte, the tail's bytes above it.
    const std::uint64_t last = foldedWord(tail & ~0xFFULL) | (tail & 0xFFULL);
    h = (h ^ last) * kPrime;
    // A product's low bits depend only on the factors' low bits, and the
    // index takes the low bits: mix the high ones down.
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDULL;
    h ^= h >> 33;
    return static_cast<size_t>(h);
}

bool sameName(QByteArrayView a, QByteArrayView b) {
    if (a.size() != b.size()) {
        return false;
    }
    // Names are nearly always asked for as they are spelled in the file.
    if (a.isEmpty() || std::memcmp(a.data(), b.data(), static_cast<size_t>(a.size())) == 0) {
        return true;
    }
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (folded(a[i]) != folded(b[i])) {
            return false;
        }
    }
    return true;
}

void place(std::vector<int>& slots, int position, size_t hash) {
    const size_t mask = slots.size() - 1;
    size_t i = hash & mask;
    while (slots[i] >= 0) {
        i = (i + 1) & mask;
    }
    slots[i] = position;
}

// The position whose name matches, or -1. nameAt(position) gives the Name
// there, view(span) its bytes.
template <class Index, class NameAt, class View>
int lookup(const Index& index, QByteArrayView name, NameAt nameAt, View view) {
    if (index.slots.empty()) {
        return -1;
    }
    const size_t hash = foldedHash(name);
    const size_t mask = index.slots.size() - 1;
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        const int position = index.slots[i];
        if (position < 0) {
            return -1;
        }
        const auto& n = nameAt(position);
        if (n.hash == hash && sameName(view(n.span), name)) {
            return position;
        }
    }
}

// Indexes the next position (index.used), whose name is not yet indexed.
template <class Index, class NameAt>
void add(Index& index, NameAt nameAt) {
    if (static_cast<size_t>(index.used + 1) * 2 > index.slots.size()) {
        index.slots.assign(std::max<size_t>(16, index.slots.size() * 2), -1);
        for (int p = 0; p < index.used; ++p) {
            place(index.slots, p, nameAt(p).hash);
        }
    }
    place(index.slots, index.used, nameAt(index.used).hash);
    ++index.used;
}

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
    // The arena starts as the file; every name and value is a stretch of it.
    ini.text_.assign(text.data(), static_cast<size_t>(text.size()));
    text = QByteArrayView(ini.text_.data(), text.size());

    int current = -1;
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
            const QByteArrayView name = trimmed(line.sliced(1, line.size() - 2));
            current = ini.sectionPosition(name);
            if (current < 0) {
                current = ini.addSection(ini.spanOf(name));
            }
            continue;
        }
        if (current < 0) {
            continue;
        }
        const qsizetype eq = line.indexOf('=');
        if (eq < 0) {
            continue;
        }
        const QByteArrayView name = trimmed(line.first(eq));
        Section& section = ini.sections_[static_cast<size_t>(current)];
        if (name.isEmpty() || ini.entryPosition(section, name) >= 0) {
            continue;
        }
        ini.addEntry(section, ini.spanOf(name), ini.spanOf(trimmed(line.sliced(eq + 1))));
    }
    return ini;
}

QByteArray IniFile::toBytes() const {
    qsizetype size = 0;
    for (const Section& s : sections_) {
        size += s.name.span.size + 6;  // [Name] CR LF, and the empty line after
        for (const Entry& e : s.entries) {
            size += e.name.span.size + e.value.size + 3;
        }
    }
    QByteArray out(size, Qt::Uninitialized);
    char* at = out.data();
    const auto put = [&](QByteArrayView bytes) {
        if (!bytes.isEmpty()) {
            std::memcpy(at, bytes.data(), static_cast<size_t>(bytes.size()));
            at += bytes.size();
        }
    };
    for (const Section& s : sections_) {
        put("[");
        put(view(s.name.span));
        put("]\r\n");
        for (const Entry& e : s.entries) {
            put(view(e.name.span));
            put("=");
            put(view(e.value));
            put("\r\n");
        }
        put("\r\n");
    }
    return out;
}

IniFile::Span IniFile::append(QByteArrayView bytes) {
    const Span s{static_cast<qsizetype>(text_.size()), bytes.size()};
    if (!bytes.isEmpty()) {
        text_.append(bytes.data(), static_cast<size_t>(bytes.size()));
    }
    return s;
}

IniFile::Name IniFile::named(Span name) const {
    return {name, foldedHash(view(name))};
}

int IniFile::sectionPosition(QByteArrayView section) const {
    // Files hold two sections, so comparing beats hashing; the index is for
    // a file edited into many.
    constexpr size_t kScanned = 4;
    if (sections_.size() <= kScanned) {
        for (size_t i = 0; i < sections_.size(); ++i) {
            if (sameName(view(sections_[i].name.span), section)) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }
    return lookup(
        sectionIndex_, section,
        [this](int p) -> const Name& { return sections_[static_cast<size_t>(p)].name; },
        [this](Span s) { return view(s); });
}

int IniFile::addSection(Span name) {
    sections_.push_back({named(name), {}, {}});
    add(sectionIndex_,
        [this](int p) -> const Name& { return sections_[static_cast<size_t>(p)].name; });
    return static_cast<int>(sections_.size()) - 1;
}

int IniFile::entryPosition(const Section& s, QByteArrayView key) const {
    return lookup(
        s.index, key, [&](int p) -> const Name& { return s.entries[static_cast<size_t>(p)].name; },
        [this](Span span) { return view(span); });
}

void IniFile::addEntry(Section& s, Span name, Span value) {
    s.entries.push_back({named(name), value});
    add(s.index, [&](int p) -> const Name& { return s.entries[static_cast<size_t>(p)].name; });
}

std::optional<QByteArrayView> IniFile::valueView(QByteArrayView section, QByteArrayView key) const {
    const int sp = sectionPosition(section);
    if (sp < 0) {
        return std::nullopt;
    }
    const Section& s = sections_[static_cast<size_t>(sp)];
    const int ep = entryPosition(s, key);
    if (ep < 0) {
        return std::nullopt;
    }
    return view(s.entries[static_cast<size_t>(ep)].value);
}

std::optional<QByteArray> IniFile::value(QByteArrayView section, QByteArrayView key) const {
    const auto v = valueView(section, key);
    return v ? std::optional<QByteArray>(v->toByteArray()) : std::nullopt;
}

std::optional<int> IniFile::integer(QByteArrayView section, QByteArrayView key) const {
    const auto v = valueView(section, key);
    return v ? parseIniInteger(*v) : std::nullopt;
}

void IniFile::setValue(QByteArrayView section, QByteArrayView key, QByteArrayView value) {
    int sp = sectionPosition(section);
    if (sp < 0) {
        sp = addSection(append(section));
    }
    Section& s = sections_[static_cast<size_t>(sp)];
    const int ep = entryPosition(s, key);
    if (ep < 0) {
        const Span name = append(key);
        addEntry(s, name, append(value));
        return;
    }
    Entry& e = s.entries[static_cast<size_t>(ep)];
    if (value.size() <= e.value.size) {
        // The old stretch holds the new value; a store rewrites most keys
        // with values of the same length.
        if (!value.isEmpty()) {
            std::memmove(text_.data() + e.value.offset, value.data(),
                         static_cast<size_t>(value.size()));
        }
        e.value.size = value.size();
    } else {
        e.value = append(value);
    }
}

void IniFile::setInteger(QByteArrayView section, QByteArrayView key, int value) {
    std::array<char, 16> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    setValue(section, key, QByteArrayView(digits.data(), end - digits.data()));
}

QList<QByteArray> IniFile::sectionNames() const {
    QList<QByteArray> names;
    names.reserve(static_cast<qsizetype>(sections_.size()));
    for (const Section& s : sections_) {
        names.append(view(s.name.span).toByteArray());
    }
    return names;
}

QList<QByteArray> IniFile::keyNames(QByteArrayView section) const {
    QList<QByteArray> names;
    const int sp = sectionPosition(section);
    if (sp >= 0) {
        for (const Entry& e : sections_[static_cast<size_t>(sp)].entries) {
            names.append(view(e.name.span).toByteArray());
        }
    }
    return names;
}

}  // namespace lumidor
