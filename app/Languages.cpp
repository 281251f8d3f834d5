// SPDX-License-Identifier: GPL-3.0-or-later
#include "Languages.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace ravo {

std::span<const Language> Languages::all() {
    return languages();
}

QString Languages::bestOf(const QStringList& wanted) {
    std::vector<std::string> tags;
    for (const QString& name : wanted)
        tags.push_back(name.toStdString());
    return QString::fromLatin1(bestLanguage(tags).code);
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
    // English too: its plural forms.
    program_ = std::make_unique<QTranslator>();
    if (program_->load(QStringLiteral(":/i18n/ravo_%1.qm").arg(code)))
        QCoreApplication::installTranslator(program_.get());
    else
        program_.reset();
    if (code == QLatin1String("en"))
        return;
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_%1").arg(code),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        qt_ = std::move(qt);
        QCoreApplication::installTranslator(qt_.get());
    }
}

} // namespace ravo
