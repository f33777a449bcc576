#include "settings/inifile.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>

namespace lumidor {
namespace {

constexpr QByteArrayView kUtf8Bom("\xEF\xBB\xBF");

// ASCII only: names are matched the same way whatever bytes surround them, so
// a UTF-8 name is never folded into a different one.
QByteArray folded(QByteArrayView name) {
    QByteArray out = name.toByteArray();
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c + ('a' - 'A'));
        }
    }
    return out;
}

// The position filed under the folded name; a name not yet filed gets `next`,
// and `added` says so.
struct Filed {
    qsizetype position;
    bool added;
};
Filed file(QHash<QByteArray, qsizetype>& index, QByteArrayView name, size_t next) {
    const QByteArray key = folded(name);
    const auto it = index.constFind(key);
    if (it != index.cend()) {
        return {*it, false};
    }
    const auto position = static_cast<qsizetype>(next);
    index.insert(key, position);
    return {position, true};
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
    Section* current = nullptr;
    qsizetype pos = 0;
    const qsizetype size = text.size();
    while (pos < size) {
        qsizetype end = pos;
        while (end < size && text[end] != '\r' && text[end] != '\n') {
            ++end;
        }
        const QByteArrayView raw = text.sliced(pos, end - pos);
        const QByteArrayView line = trimmed(raw);
        // CR LF counts as one line end, a lone CR or LF as one each.
        pos = end + ((end + 1 < size && text[end] == '\r' && text[end + 1] == '\n') ? 2 : 1);

        if (raw.contains('\0') || line.isEmpty() || line.front() == ';') {
            continue;
        }
        if (line.front() == '[' && line.back() == ']' && line.size() >= 2) {
            current = &ini.sectionForWriting(trimmed(line.sliced(1, line.size() - 2)));
            continue;
        }
        const qsizetype eq = line.indexOf('=');
        if (current == nullptr || eq < 0) {
            continue;
        }
        const QByteArrayView name = trimmed(line.first(eq));
        if (name.isEmpty()) {
            continue;
        }
        if (file(current->index, name, current->entries.size()).added) {
            current->entries.push_back(
                {name.toByteArray(), trimmed(line.sliced(eq + 1)).toByteArray()});
        }
    }
    return ini;
}

QByteArray IniFile::toBytes() const {
    QByteArray out;
    for (const Section& s : sections_) {
        out += '[' + s.name + "]\r\n";
        for (const Entry& e : s.entries) {
            out += e.name + '=' + e.value + "\r\n";
        }
        out += "\r\n";
    }
    return out;
}

const IniFile::Section* IniFile::section(QByteArrayView name) const {
    const auto it = sectionIndex_.constFind(folded(name));
    return it == sectionIndex_.cend() ? nullptr : &sections_[static_cast<size_t>(*it)];
}

IniFile::Section& IniFile::sectionForWriting(QByteArrayView name) {
    const Filed f = file(sectionIndex_, name, sections_.size());
    if (f.added) {
        sections_.push_back({name.toByteArray(), {}, {}});
    }
    return sections_[static_cast<size_t>(f.position)];
}

const IniFile::Entry* IniFile::entry(QByteArrayView section, QByteArrayView key) const {
    const Section* s = this->section(section);
    if (s == nullptr) {
        return nullptr;
    }
    const auto it = s->index.constFind(folded(key));
    return it == s->index.cend() ? nullptr : &s->entries[static_cast<size_t>(*it)];
}

std::optional<QByteArray> IniFile::value(QByteArrayView section, QByteArrayView key) const {
    const Entry* e = entry(section, key);
    return e != nullptr ? std::optional<QByteArray>(e->value) : std::nullopt;
}

std::optional<int> IniFile::integer(QByteArrayView section, QByteArrayView key) const {
    const Entry* e = entry(section, key);
    return e != nullptr ? parseIniInteger(e->value) : std::nullopt;
}

void IniFile::setValue(QByteArrayView section, QByteArrayView key, QByteArrayView value) {
    Section& s = sectionForWriting(section);
    const Filed f = file(s.index, key, s.entries.size());
    if (f.added) {
        s.entries.push_back({key.toByteArray(), value.toByteArray()});
    } else {
        s.entries[static_cast<size_t>(f.position)].value = value.toByteArray();
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
        names.append(s.name);
    }
    return names;
}

QList<QByteArray> IniFile::keyNames(QByteArrayView section) const {
    QList<QByteArray> names;
    if (const Section* s = this->section(section)) {
        for (const Entry& e : s->entries) {
            names.append(e.name);
        }
    }
    return names;
}

}  // namespace lumidor
