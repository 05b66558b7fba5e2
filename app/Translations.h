// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/Texts.h"

#include <QLocale>
#include <QTranslator>

namespace dozewell {

// The program in the user's language while this lives: its own texts, built
// into it, and Qt's (the message boxes' buttons, the Open dialog) from Qt's
// translations folder. Where either has no translation for the language,
// those texts stay English. Needs the application object.
class Translations {
public:
    explicit Translations(const QLocale &locale = QLocale::system());
    ~Translations();
    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;

private:
    QTranslator m_own;
    QTranslator m_qt;
};

// `text` in the user's language before there is an application object.
QString TranslatedEarly(texts::Text text);

} // namespace dozewell
