#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QProcess>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include "engine/DateConversion.h"
#include "grid/MirvaneGrid.h"
#include "tests/ui/DueDates.h"
#include "tests/ui/FormFixture.h"
#include "ui/ExportList.h"
#include "tests/ui/FindControl.h"

namespace mirvane {
namespace {

// The window's exported files against the command line's for the same
// request; both read the same store.
class ExportList : public FormTest {
protected:
    QByteArray CommandLine(const QStringList& Arguments)
    {
        QProcess Cli;
        QProcessEnvironment Environment = QProcessEnvironment::systemEnvironment();
        Environment.insert(QStringLiteral("XDG_DATA_HOME"), Data.Path());
        Cli.setProcessEnvironment(Environment);
        Cli.start(QStringLiteral(MIRVANE_CLI_PROGRAM), Arguments);
        EXPECT_TRUE(Cli.waitForFinished(30000));
        EXPECT_EQ(Cli.exitCode(), 0) << Cli.readAllStandardError().toStdString();
        return Cli.readAllStandardOutput();
    }
    QByteArray Exported(TForm1& F, const char* Name, TExportFormat Format, const TExportDetails& Details = {})
    {
        const QString Path = Folder.filePath(QString::fromLatin1(Name));
        EXPECT_TRUE(ExportListTo(F, Path, Format, Details));
        QFile File(Path);
        return File.open(QIODevice::ReadOnly) ? File.readAll() : QByteArray();
    }
    // The calendar file without its DTSTAMP lines, which carry the time of
    // writing.
    static QByteArray WithoutStamps(const QByteArray& Text)
    {
        QByteArrayList Kept;
        for (const QByteArray& Line : Text.split('\n')) {
            if (!Line.startsWith("DTSTAMP:")) {
                Kept.append(Line);
            }
        }
        return Kept.join('\n');
    }

    TemporaryDataHome Data;
    QTemporaryDir Folder;
};

TEST_F(ExportList, DatesToRememberWritesWhatTheCommandLineWrites)
{
    Data.AddOnce("Tomorrow, with a comma", 1);
    Data.AddOnce("Next month \"quoted\"", 30);
    TForm1& F = StartShowing(TForm1::RememberPage);
    const QByteArray Csv = Exported(F, "remember.csv", TExportFormat::Csv, {.Years = 3});
    EXPECT_TRUE(Csv.startsWith("date,occasion,jewishDate,summary,uid\r\n")) << Csv.toStdString();
    EXPECT_EQ(Csv, CommandLine({QStringLiteral("remember"), QStringLiteral("export"), QStringLiteral("--years"),
                                QStringLiteral("3"), QStringLiteral("--format"), QStringLiteral("csv")}));
    const QByteArray Ics = Exported(F, "remember.ics", TExportFormat::Ics);
    EXPECT_TRUE(Ics.startsWith("BEGIN:VCALENDAR\r\n"));
    EXPECT_TRUE(Ics.contains("DTSTAMP:"));
    EXPECT_EQ(WithoutStamps(Ics), WithoutStamps(CommandLine({QStringLiteral("remember"), QStringLiteral("export"),
                                                             QStringLiteral("--format"), QStringLiteral("ics")})));
    EXPECT_TRUE(Captured.Boxes.empty());
}

TEST_F(ExportList, TheListPagesWriteWhatTheCommandLineWritesForTheSameRequest)
{
    TForm1& F = StartShowing(TForm1::BirthdaysPage);
    Retype(*Find<QLineEdit>(F, "Edit3"), "2026");
    Retype(*Find<QLineEdit>(F, "Edit25"), "5");
    Retype(*Find<QLineEdit>(F, "Edit1"), "1/12/70");
    Find<QRadioButton>(F, "RadioButton1")->click();  // the evening that begins each anniversary
    // The event's name is asked before the file, as --name gives it.
    TExportDetails Details;
    QTimer::singleShot(0, [] {
        auto* Asked = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(Asked, nullptr);
        EXPECT_EQ(Asked->textValue(), QStringLiteral("Anniversary"));
        Asked->setTextValue(QStringLiteral("Rose, née Katz"));
        Asked->accept();
    });
    ASSERT_TRUE(F.Page(TForm1::BirthdaysPage).AskExportDetails(Details));
    const QStringList Anniversary{QStringLiteral("anniversary"), QStringLiteral("1/12/70"), QStringLiteral("2026"),
                                  QStringLiteral("--years"), QStringLiteral("5"), QStringLiteral("--night"),
                                  QStringLiteral("--name"), QStringLiteral("Rose, née Katz"), QStringLiteral("--format")};
    const QByteArray Csv = Exported(F, "anniversary.csv", TExportFormat::Csv, Details);
    EXPECT_EQ(Csv.count("\r\n"), 6) << Csv.toStdString();
    EXPECT_EQ(Csv, CommandLine(Anniversary + QStringList{QStringLiteral("csv")}));
    const QByteArray Named = Exported(F, "anniversary.ics", TExportFormat::Ics, Details);
    EXPECT_TRUE(Named.contains("SUMMARY:Rose\\, née Katz (eve of ")) << Named.toStdString();
    EXPECT_EQ(WithoutStamps(Named), WithoutStamps(CommandLine(Anniversary + QStringList{QStringLiteral("ics")})));

    Find<QTabWidget>(F, "PageControl1")->setCurrentIndex(TForm1::FestivalsPage);
    Pick(*Find<QComboBox>(F, "ComboBox2"), "Purim");
    Retype(*Find<QLineEdit>(F, "Edit13"), "2026");
    Retype(*Find<QLineEdit>(F, "Edit27"), "3");
    const QStringList Festival{QStringLiteral("festival"), QStringLiteral("Purim"), QStringLiteral("2026"),
                               QStringLiteral("--years"), QStringLiteral("3"), QStringLiteral("--format")};
    EXPECT_EQ(Exported(F, "purim.csv", TExportFormat::Csv), CommandLine(Festival + QStringList{QStringLiteral("csv")}));
    const QByteArray Ics = Exported(F, "purim.ics", TExportFormat::Ics);
    EXPECT_EQ(Ics.count("BEGIN:VEVENT"), 3);
    EXPECT_EQ(WithoutStamps(Ics), WithoutStamps(CommandLine(Festival + QStringList{QStringLiteral("ics")})));

    // Hebrew Names: the festival's own name and the Jewish dates in Hebrew,
    // as --hebrew writes them, not the list entry the page shows.
    Find<QAction>(F, "HebrewNames1")->trigger();
    Pick(*Find<QComboBox>(F, "ComboBox2"), "Pessach day 1 — פסח א׳");
    const QStringList Pessach{QStringLiteral("festival"), QStringLiteral("Pessach day 1"), QStringLiteral("2026"),
                              QStringLiteral("--years"), QStringLiteral("3"), QStringLiteral("--hebrew"),
                              QStringLiteral("--format")};
    const QByteArray HebrewIcs = Exported(F, "pessach.ics", TExportFormat::Ics);
    EXPECT_TRUE(HebrewIcs.contains("SUMMARY:Pessach day 1 (ט״ו ניסן תשפ״ו)")) << HebrewIcs.toStdString();
    EXPECT_EQ(WithoutStamps(HebrewIcs), WithoutStamps(CommandLine(Pessach + QStringList{QStringLiteral("ics")})));
    EXPECT_EQ(Exported(F, "pessach.csv", TExportFormat::Csv), CommandLine(Pessach + QStringList{QStringLiteral("csv")}));
    Find<QTabWidget>(F, "PageControl1")->setCurrentIndex(TForm1::BirthdaysPage);
    EXPECT_EQ(Exported(F, "hebrew.csv", TExportFormat::Csv, Details),
              CommandLine(Anniversary + QStringList{QStringLiteral("csv"), QStringLiteral("--hebrew")}));
    EXPECT_TRUE(Captured.Boxes.empty());
}

TEST_F(ExportList, TheCalendarPageWritesItsMonthWithTheLuachShownAsMonthDoes)
{
    TForm1& F = StartShowing(TForm1::CalendarPage);
    Find<TMirvaneGrid>(F, "MirvaneGrid1")->SetDate(EncodeDate(2027, 1, 9));
    Find<QAction>(F, "HebrewNames1")->trigger();
    const QStringList Month{QStringLiteral("month"), QStringLiteral("2027-01-09"), QStringLiteral("--show"),
                            QStringLiteral("festivals,rosh-chodesh,omer,special-shabbat,mevarchim,modern,minor")};
    const QByteArray Csv = Exported(F, "month.csv", TExportFormat::Csv);
    EXPECT_TRUE(Csv.contains("Rosh Chodesh") || Csv.contains("ראש חודש")) << Csv.toStdString();
    EXPECT_EQ(Csv, CommandLine(Month + QStringList{QStringLiteral("--hebrew"), QStringLiteral("--format"),
                                                   QStringLiteral("csv")}));
    const QByteArray Ics = Exported(F, "month.ics", TExportFormat::Ics);
    EXPECT_TRUE(Ics.contains("Rosh Chodesh Shvat"));
    EXPECT_EQ(WithoutStamps(Ics), WithoutStamps(CommandLine(Month + QStringList{QStringLiteral("--format"),
                                                                                 QStringLiteral("ics")})));
}

TEST_F(ExportList, APageWithoutAnAnswerWritesNothing)
{
    TForm1& F = StartShowing(TForm1::BirthdaysPage);
    Retype(*Find<QLineEdit>(F, "Edit1"), "not a date");
    const QString Path = Folder.filePath(QStringLiteral("none.ics"));
    EXPECT_FALSE(ExportListTo(F, Path, TExportFormat::Ics));
    ASSERT_EQ(Captured.Boxes.size(), 1U);
    EXPECT_FALSE(QFile::exists(Path));
}

TEST_F(ExportList, AnUnwritablePlaceGetsAMessageAndNothingElseChanges)
{
    Data.AddOnce("Tomorrow", 1);
    TForm1& F = StartShowing(TForm1::RememberPage);
    // A plain file where a folder should be, and a folder where the file
    // should be: neither can take the export, not even for the superuser.
    QFile Blocker(Folder.filePath(QStringLiteral("not-a-folder")));
    ASSERT_TRUE(Blocker.open(QIODevice::WriteOnly));
    Blocker.write("kept");
    Blocker.close();
    ASSERT_TRUE(QDir(Folder.path()).mkdir(QStringLiteral("a-folder.csv")));
    for (const QString& Target : {Blocker.fileName() + QStringLiteral("/dates.csv"),
                                  Folder.filePath(QStringLiteral("a-folder.csv"))}) {
        Captured.Boxes.clear();
        EXPECT_FALSE(ExportListTo(F, Target, TExportFormat::Csv, {.Years = 2}));
        ASSERT_EQ(Captured.Boxes.size(), 1U) << Target.toStdString();
        EXPECT_TRUE(Captured.Boxes.front().second.startsWith(QStringLiteral("Cannot write ")));
    }
    ASSERT_TRUE(Blocker.open(QIODevice::ReadOnly));
    EXPECT_EQ(Blocker.readAll(), QByteArray("kept"));
    EXPECT_EQ(QDir(Folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              (QStringList{QStringLiteral("a-folder.csv"), QStringLiteral("not-a-folder")}));
    EXPECT_TRUE(QDir(Folder.filePath(QStringLiteral("a-folder.csv"))).isEmpty());
    EXPECT_EQ(Find<QTabWidget>(F, "PageControl1")->currentIndex(), TForm1::RememberPage);
}

}  // namespace
}  // namespace mirvane
