// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace dozewell {

namespace {
bool LoadOwn(QTranslator &translator, const QLocale &locale)
{
    return translator.load(locale, QStringLiteral("dozewell-timer"), QStringLiteral("_"), QStringLiteral(":/i18n"));
}
} // namespace

Translations::Translations(const QLocale &locale)
{
    if (LoadOwn(m_own, locale))
        QCoreApplication::installTranslator(&m_own);
    if (m_qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qt);
}

Translations::~Translations()
{
    QCoreApplication::removeTranslator(&m_qt);
    QCoreApplication::removeTranslator(&m_own);
}

QString TranslatedEarly(texts::Text text)
{
    QTranslator own;
    const QString translated = LoadOwn(own, QLocale::system()) ? own.translate("Texts", text.source) : QString();
    return translated.isEmpty() ? QString::fromUtf8(text.source) : translated;
}

} // namespace dozewell
