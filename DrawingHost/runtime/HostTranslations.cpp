#include "HostTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace
{
bool install(const QLocale& locale, const QString& strName, const QString& strFolder)
{
    auto* pTranslator = new QTranslator(QCoreApplication::instance());
    if (pTranslator->load(locale, strName, QStringLiteral("_"), strFolder) &&
        QCoreApplication::installTranslator(pTranslator))
        return true;
    delete pTranslator;
    return false;
}
} // namespace

bool installHostTranslations(const QLocale& locale)
{
    // Qt's own texts: the command line's context menu, the docks' buttons.
    install(locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return install(locale, QStringLiteral("drawinghost"), QStringLiteral(":/i18n"));
}
