#include "language/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

namespace plandex {

namespace {

Language inUse = Language::Russian;

// The first of the variables the C library reads for messages that is set.
QString messagesLocale()
{
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        QString value = qEnvironmentVariable(name);
        if (!value.isEmpty())
            return value;
    }
    return {};
}

bool load(const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(name, folder) && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

Language chooseLanguage(const QString &messagesLocale, const QStringList &uiLanguages)
{
    static const QRegularExpression untranslated(QStringLiteral("^(C|POSIX)([.@].*)?$"));
    if (messagesLocale.isEmpty() || untranslated.match(messagesLocale).hasMatch())
        return Language::Russian;
    const QString first = uiLanguages.value(0);
    static const QRegularExpression russian(QStringLiteral("^(ru([-_].*)?|C|POSIX)?$"));
    return russian.match(first).hasMatch() ? Language::Russian : Language::English;
}

Language userLanguage()
{
    return chooseLanguage(messagesLocale(), QLocale::system().uiLanguages());
}

void useLanguage(Language language)
{
    inUse = language;
    // A missing catalogue leaves its texts as they are written: the
    // program still works, in the source language.
    if (language == Language::Russian)
        load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    else
        load(QStringLiteral("plandex_en"), QStringLiteral(":/translations"));
}

QLocale currentLocale()
{
    return inUse == Language::Russian ? QLocale(QLocale::Russian, QLocale::Russia)
                                      : QLocale(QLocale::English, QLocale::UnitedKingdom);
}

} // namespace plandex
