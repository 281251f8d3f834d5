// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Language.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

#include <memory>
#include <span>

namespace ravo {

// The program's translations, built into it, and Qt's own for its standard texts (taken
// from where the system keeps them, when it does). English is the program's own language.
class Languages {
public:
    static std::span<const Language> all();
    // The first of the desktop's languages (QLocale::uiLanguages: LANGUAGE, LC_ALL,
    // LC_MESSAGES, LANG) that the program speaks, or English.
    static QString fromDesktop();
    static QString bestOf(const QStringList& wanted);

    // Installs the language's translations in place of the current ones; the application
    // sends every widget a LanguageChange. An unknown code means English.
    void use(const QString& code);
    const QString& current() const { return current_; }
    QLocale locale() const { return QLocale(current_); }
    // Whether Qt's own texts are translated too.
    bool qtTranslated() const { return qt_ != nullptr; }

private:
    QString current_ = QStringLiteral("en");
    std::unique_ptr<QTranslator> program_;
    std::unique_ptr<QTranslator> qt_;
};

} // namespace ravo
