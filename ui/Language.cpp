// The program's language: the translators installed in the application and
// the layout direction that goes with them.

#include "ui/Language.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace mirvane {
namespace {

bool& Hebrew()
{
    static bool InUse = false;
    return InUse;
}

bool DesktopSpeaksHebrew()
{
    for (const QString& Name : QLocale::system().uiLanguages()) {
        if (Name.startsWith(QLatin1String("he")) || Name.startsWith(QLatin1String("iw")))
            return true;
        if (Name.startsWith(QLatin1String("en")))
            return false;
    }
    return false;
}

// The translators live as long as the application may use them.
QTranslator& Ours()
{
    static QTranslator* const Translator = new QTranslator(qApp);
    return *Translator;
}

QTranslator& Qts()
{
    static QTranslator* const Translator = new QTranslator(qApp);
    return *Translator;
}

}  // namespace

bool UseLanguage(TLanguage Language)
{
    const bool WantHebrew =
        Language == TLanguage::Hebrew || (Language == TLanguage::System && DesktopSpeaksHebrew());
    if (WantHebrew == Hebrew() && (!WantHebrew || !Ours().isEmpty()))
        return WantHebrew;
    Hebrew() = WantHebrew;
    // Each translator taken away or added tells every widget.
    QCoreApplication::removeTranslator(&Ours());
    QCoreApplication::removeTranslator(&Qts());
    if (WantHebrew) {
        // Qt's own texts are those of the system's Qt; without them its
        // buttons stay English, and the rest is Hebrew all the same.
        if (Ours().load(QStringLiteral(":/i18n/mirvane_he.qm")))
            QCoreApplication::installTranslator(&Ours());
        if (Qts().load(QStringLiteral("qtbase_he"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&Qts());
    }
    QGuiApplication::setLayoutDirection(WantHebrew ? Qt::RightToLeft : Qt::LeftToRight);
    return WantHebrew;
}

bool HebrewInUse()
{
    return Hebrew();
}

}  // namespace mirvane
