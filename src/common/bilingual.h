#pragma once

#include <QString>

namespace lumidor {

// The whole interface exists in Czech and English. The active one is kept in
// one place, the main window's Session (app/session.h), set by the language
// switch; widgets ask for it through a LangFn at the moment a text is shown,
// and no text keeps the language it was built in.
enum class Lang { Czech, English };

// A constant Czech/English pair. Kept as raw UTF-8 literals so the texts in the
// source read exactly as the user sees them.
struct Bi {
    const char* cz;
    const char* en;

    QString operator()(Lang lang) const { return QString::fromUtf8(lang == Lang::Czech ? cz : en); }
};

}  // namespace lumidor

#include <functional>

namespace lumidor {

// How a widget asks which language is active right now.
using LangFn = std::function<Lang()>;

}  // namespace lumidor
