// SPDX-License-Identifier: GPL-3.0-or-later
#include "Languages.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace ravo {

namespace {

const Language languages[] = {
    {"en", "English"},   {"cs", "Čeština"}, {"sk", "Slovenčina"}, {"pl", "Polski"},
    {"de", "Deutsch"},   {"fr", "Français"}, {"es", "Español"},
};

} // namespace

std::span<const Language> Languages::all() {
    return languages;
}

QString Languages::bestOf(const QStringList& wanted) {
    for (const QString& name : wanted) {
        // "cs-CZ", "cs_CZ.UTF-8", "de": the language alone decides.
        const QString code = name.section('-', 0, 0).section('_', 0, 0).section('.', 0, 0).toLower();
        for (const Language& language : languages)
            if (code == QLatin1String(language.code))
                return code;
    }
    return QStringLiteral("en");
}

QString Languages::fromDesktop() {
    return bestOf(QLocale::system().uiLanguages());
}

void Languages::use(const QString& wanted) {
    const QString code = bestOf({wanted});
    for (auto* translator : {program_.get(), qt_.get()})
        if (translator)
            QCoreApplication::removeTranslator(translator);
    program_.reset();
    qt_.reset();
    current_ = code;
    if (code == QLatin1String("en"))
        return; // removing the translators has told every widget
    program_ = std::make_unique<QTranslator>();
    if (program_->load(QStringLiteral(":/i18n/ravo_%1.qm").arg(code)))
        QCoreApplication::installTranslator(program_.get());
    else
        program_.reset();
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_%1").arg(code),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        qt_ = std::move(qt);
        QCoreApplication::installTranslator(qt_.get());
    }
}

} // namespace ravo
