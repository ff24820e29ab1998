#include "ui/LibraryMessages.h"

#include <array>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

#include "engine/HebrewNames.h"
#include "engine/NameTables.h"
#include "ui/Language.h"

namespace mirvane {
namespace {

// The libraries throw or return finished English sentences, which the
// command line prints as they are and scripts read. Giving each a kind and
// its values instead would reach into five libraries and the command line
// for the window's sake alone; so the window reads a sentence back against
// the patterns below, each one of the libraries' sentences with its varying
// parts written %1, %2, %3 in the order they occur, and writes the
// pattern's translation with the same parts.
constexpr const char* Context = "LibraryMessages";

struct TPattern {
    const char* English;
    // Which part, from 1, is a Jewish month's English name; 0 for none.
    int MonthPart = 0;
};

constexpr std::array Patterns = {
    // The engine.
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages", "Invalid argument to date encode")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages", "Invalid Jewish Month")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages", "System Error in Calculating days in months")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages", "System Error in Converting Date")},
    // A typed Jewish date, an occasion's date boxes and its details.
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages", "The Jewish date is not a valid date, such as \"3 Kislev 5731\".")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages", "The Jewish date lies outside the years the calendar can show.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages",
                               "The Jewish date does not exist: %1 is a common year, which has no Adar I.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages",
                               "The Jewish date does not exist: %1 is a common year, which has no Adar II.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages", "The Jewish date does not exist: %1 has %2 days in %3."), 1},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages", "Enter the date of the occasion, or its Jewish date.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages", "The date is not a valid date.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages", "The Jewish date is not a valid date.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages", "The name of the occasion is not valid text.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages", "The name of the occasion must have 1 to 100 characters.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages", "The name of the occasion may not hold control characters.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages", "The name of the occasion has blanks at its ends.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages", "The number of days before must be a whole number from 0 to 365.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages", "The kind of reminder is not known.")},
    // A list brought in.
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages", "no date")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages", "no such day: \"%1\"")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages", "already in the list")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages", "The file is not UTF-8 text. Save it as UTF-8 and import it again.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages",
                               "The file is not a calendar file (.ics), a CSV list or a GEDCOM file.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages",
                               "The file ends inside the quoted field that begins on line %1: it may have been cut "
                               "short.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages", "The file is empty.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages",
                               "The file's first line names no name column and date column, as a list of dates has.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages",
                               "The calendar file ends before END:VCALENDAR: it may have been cut short.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages", "The file is not a calendar that can be read.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages", "Line %1 is not a GEDCOM line: the file may be damaged.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages", "The file has no GEDCOM header (0 HEAD).")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages", "\"%1\" is too large to be a list of dates.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages", "\"%1\" cannot be read: %2.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages", "The kind of date is not known.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages", "The custom for a missing day is not known.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages", "The date of burial is not a valid date.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages", "The date of burial is before the date.")},
    // The store of the dates to remember.
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages", "The dates to remember cannot be saved in \"%1\".")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages",
                               "The dates to remember in \"%1\" cannot be read: the file is damaged or was not "
                               "written by Mirvane. It is left as it is.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages",
                               "The dates to remember in \"%1\" could not be read: the file is damaged or was not "
                               "written by Mirvane. It was moved to \"%2\" and a new list begins.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages",
                               "The dates to remember in \"%1\" could not be read, and the file could not be moved "
                               "aside (%2). It is left as it is; changes cannot be saved.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages", "The dates to remember cannot be changed: \"%1\" cannot be read.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages",
                               "The dates to remember in \"%1\" were saved by a newer version of Mirvane. They are "
                               "shown, but changes cannot be saved.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages",
                               "The dates to remember were saved by a newer version of Mirvane and cannot be "
                               "changed.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages", "The dates to remember in \"%1\" cannot be read.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages",
                               "The dates to remember in \"%1\" cannot be read. Changes cannot be saved.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages", "The dates to remember are open for reading only.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages",
                               "The dates to remember in \"%1\" are read-only; changes cannot be saved.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages", "There is no date to remember with the id %1.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages", "The dates to remember cannot be read: %1.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages", "The dates to remember cannot be used: %1.")},
    // The place list.
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages", "the place list %1 cannot be read")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages", "the place list %1 is damaged: it does not begin with its header")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages", "the place list %1 is damaged at line %2")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages", "the place list %1 is damaged: it holds no place")},
    // The sync to the user's calendar: the network, the server, the calendar.
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages",
                               "The server answered %1 to the listing of the calendar at %2. Sync again later; "
                               "if it goes on, check the server.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages",
                               "The server answered %1 to reading events at %2. Sync again later; if it goes "
                               "on, check the server.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages",
                               "The server answered %1 to storing an event at %2. Sync again later; if it goes "
                               "on, check the server.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages",
                               "The server answered %1 to removing an event at %2. Sync again later; if it goes "
                               "on, check the server.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages",
                               "The server's answer to the listing of the calendar at %1 could not be read. "
                               "Sync again later.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages",
                               "The server's answer to reading events at %1 could not be read. Sync again "
                               "later.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages",
                               "The calendar %1 is no longer on the server. Choose a calendar again in Options "
                               "> Calendar Account (or give --calendar).")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages",
                               "The server %1 did not answer within %2 seconds. Check the network and the "
                               "address, then sync again.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages",
                               "The certificate of %1 could not be verified (%2), so Mirvane does not connect "
                               "to it. Ask the server's administrator for a valid certificate.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages",
                               "The server %1 was not found. Check the address and the network "
                               "connection.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages",
                               "The server %1 cannot be reached (%2). Check the network connection and the "
                               "address, then sync again.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages",
                               "The connection to %1 was broken before its answer was complete. Sync again; "
                               "what was sent is not sent twice.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages", "The exchange with %1 failed (%2). Sync again later.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages",
                               "\"%1\" is not a server address; give one such as "
                               "https://cloud.example.org.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages",
                               "The password would be sent unencrypted to %1: use https:// (plain http:// is "
                               "only for this machine).")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages", "\"%1\" is not a web address; give one beginning with https://.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages",
                               "%1 refused the user name or password. Check them (the server may want an app "
                               "password) and sync again.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages", "%1 does not let user %2 use %3. Choose another calendar.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages", "%1 sends Mirvane on to %2; give that address instead.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages",
                               "%1 does not answer as a CalDAV server. Check the address: give the server's "
                               "address or the calendar's own, as its provider names it.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages",
                               "The address names one calendar, so no other can be made there; give the "
                               "server's address instead.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages",
                               "The server did not make the calendar \"%1\" (it answered %2). Make it on the "
                               "server, then choose it.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages", "The event %1 keeps changing on the server; sync again later.")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages", "The event at %1 keeps changing on the server; sync again later.")},
    // A calendar file.
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages", "an iCalendar file cannot hold the date %1")},
    TPattern{QT_TRANSLATE_NOOP("LibraryMessages", "an iCalendar file cannot hold the year %1")},
};

// The pattern as an expression that matches the whole of a message, each
// part a group.
QRegularExpression ExpressionOf(const char* English)
{
    static const QRegularExpression Part(QStringLiteral("%[1-9]"));
    const QString Pattern = QString::fromUtf8(English);
    QString Expression;
    qsizetype From = 0;
    for (QRegularExpressionMatchIterator Parts = Part.globalMatch(Pattern); Parts.hasNext();) {
        const QRegularExpressionMatch Found = Parts.next();
        Expression += QRegularExpression::escape(Pattern.mid(From, Found.capturedStart() - From));
        Expression += QStringLiteral("(.*)");
        From = Found.capturedEnd();
    }
    Expression += QRegularExpression::escape(Pattern.mid(From));
    return QRegularExpression(QRegularExpression::anchoredPattern(Expression),
                              QRegularExpression::DotMatchesEverythingOption);
}

const std::vector<QRegularExpression>& Expressions()
{
    static const std::vector<QRegularExpression> All = [] {
        std::vector<QRegularExpression> Made;
        for (const TPattern& Pattern : Patterns)
            Made.push_back(ExpressionOf(Pattern.English));
        return Made;
    }();
    return All;
}

// The Hebrew name of a month the engine named in English; the name itself
// when it is none.
QString HebrewMonth(const QString& English)
{
    const std::string Name = English.toStdString();
    for (std::size_t Month = 1; Month < JewishMonthNamesLeap.size(); ++Month) {
        for (const auto& [Ours, Hebrew] : {std::pair{JewishMonthNamesLeap, HebrewMonthNamesLeap},
                                           std::pair{JewishMonthNames, HebrewMonthNames}}) {
            if (!Ours[Month].empty() && Ours[Month] == Name)
                return QString::fromUtf8(Hebrew[Month].data(), static_cast<qsizetype>(Hebrew[Month].size()));
        }
    }
    return English;
}

// Fills the parts in at once, so that a part holding "%2" stays as it is.
QString Filled(const QString& Translation, const QStringList& Parts)
{
    switch (Parts.size()) {
    case 0:
        return Translation;
    case 1:
        return Translation.arg(Parts[0]);
    case 2:
        return Translation.arg(Parts[0], Parts[1]);
    default:
        return Translation.arg(Parts[0], Parts[1], Parts[2]);
    }
}

}  // namespace

QString WindowMessage(std::string_view English)
{
    const QString Text = QString::fromUtf8(English.data(), static_cast<qsizetype>(English.size()));
    if (!HebrewInUse())
        return Text;
    for (std::size_t Index = 0; Index < Patterns.size(); ++Index) {
        const QRegularExpressionMatch Match = Expressions()[Index].match(Text);
        if (!Match.hasMatch())
            continue;
        QStringList Parts = Match.capturedTexts().mid(1);
        if (const int Month = Patterns[Index].MonthPart; Month > 0 && Month <= Parts.size())
            Parts[Month - 1] = HebrewMonth(Parts[Month - 1]);
        return Filled(QCoreApplication::translate(Context, Patterns[Index].English), Parts);
    }
    return Text;
}

}  // namespace mirvane
