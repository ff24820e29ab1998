// Stores the program may find at start-up or fail to write at shut-down:
// garbage, truncated files, values of the wrong type or far out of range,
// folders that cannot be written, a read-only store, and writes cut short.
// Loading must give the default for whatever is unusable, saving must fail
// silently, and a good store must never be left broken.

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include "settings/Options.h"
#include "tests/settings/ReadOnlyStore.h"
#include "tests/settings/TemporaryStore.h"

namespace mirvane {
namespace {

TOptions Loaded()
{
    TOptions Options;
    Options.GetOptions();
    return Options;
}

// What the first run gives in this process: every default, and the date
// order of the locale. Each temporary store points the process at its own
// folder, so this is asked before a test makes its store, never during.
TOptions FirstRun()
{
    TemporaryStore Empty;
    return Loaded();
}

// A set of options unlike the defaults in every field, each one digit long
// so that no truncation of its file turns it into another number.
TOptions Unusual()
{
    return TOptions{2, false, true, true, 3};
}

QStringList FilesBeside(const TemporaryStore& Store)
{
    return QDir(Store.FolderPath() + QStringLiteral("/Tellwen")).entryList(QDir::Files | QDir::Hidden);
}

// A writer that dies holding the store's lock leaves the lock file behind;
// the next writer waits until it is half a minute old. The tests do not
// wait: they take the lock's age as passed.
void ForgetStaleLock(const TemporaryStore& Store)
{
    QFile::remove(Store.FilePath() + QStringLiteral(".lock"));
}

// Each field is what was stored or its default; the date order may also be
// the locale's when nothing in the file could be read.
void ExpectEachFieldStoredOrDefault(const TOptions& Options, const TOptions& Stored, std::int32_t LocaleOrder,
                                    const std::string& Title)
{
    const TOptions Defaults;
    EXPECT_TRUE(Options.DateOrder == Stored.DateOrder || Options.DateOrder == Defaults.DateOrder ||
                Options.DateOrder == LocaleOrder)
        << Title;
    EXPECT_TRUE(Options.InDiaspora == Stored.InDiaspora || Options.InDiaspora == Defaults.InDiaspora) << Title;
    EXPECT_TRUE(Options.ByJMonth == Stored.ByJMonth || Options.ByJMonth == Defaults.ByJMonth) << Title;
    EXPECT_TRUE(Options.PlainAdarIsAdar1 == Stored.PlainAdarIsAdar1 ||
                Options.PlainAdarIsAdar1 == Defaults.PlainAdarIsAdar1)
        << Title;
    EXPECT_TRUE(Options.StartTab == Stored.StartTab || Options.StartTab == Defaults.StartTab) << Title;
}

// After whatever was found, the options can be saved and read back.
void ExpectWritableAgain(const std::string& Title)
{
    Unusual().SaveOptions();
    EXPECT_EQ(Loaded(), Unusual()) << Title;
}

TEST(DamagedStore, GarbageGivesDefaultsAndIsReplacedByTheNextSave)
{
    std::mt19937 Random(20261207);
    QByteArray Noise(1 << 20, '\0');
    for (char& Byte : Noise)
        Byte = static_cast<char>(Random());
    const std::map<std::string, QByteArray> Contents = {
        {"binary with NULs", QByteArray("\x00\xff\xfe[Options\n=\n\x01\x02", 14)},
        {"a megabyte of noise", Noise},
        {"invalid UTF-8 in names and values", QByteArray("[Options]\n\xc3(=\xa0\xa1\nDateOrder=\xed\xa0\x80\n")},
        {"a megabyte-long line", QByteArray("[Options]\nDateOrder=") + QByteArray(1 << 20, '7')},
        {"a group header without end", QByteArray("[Options\n\n[")},
        {"unbalanced quotes and escapes", QByteArray("[Options]\nDateOrder=\"2\nStartTab=\\x\\\n\\")},
        {"only the group", QByteArray("[Options]\n")},
        {"a byte order mark and nothing else", QByteArray("\xef\xbb\xbf")},
        {"thousands of groups", QByteArray("[G]\nX=1\n").repeated(20000)},
        {"empty", QByteArray()},
    };
    const TOptions Defaults = FirstRun();
    for (const auto& [Title, Content] : Contents) {
        TemporaryStore Store;
        Store.WriteRaw(Content);
        ExpectEachFieldStoredOrDefault(Loaded(), Defaults, Defaults.DateOrder, Title);
        ExpectWritableAgain(Title);
    }
}

TEST(DamagedStore, EveryTruncationOfAGoodStoreGivesStoredValuesOrDefaults)
{
    const std::int32_t LocaleOrder = FirstRun().DateOrder;
    TemporaryStore Store;
    Unusual().SaveOptions();
    const QByteArray Good = FileContent(Store.FilePath());
    ASSERT_FALSE(Good.isEmpty());
    for (qsizetype Length = 0; Length < Good.size(); ++Length) {
        Store.WriteRaw(Good.left(Length));
        ExpectEachFieldStoredOrDefault(Loaded(), Unusual(), LocaleOrder,
                                       "cut after " + std::to_string(Length) + " bytes");
    }
    Store.WriteRaw(Good);
    EXPECT_EQ(Loaded(), Unusual());
}

struct TStoredText {
    const char* Title;
    QByteArray Line;  // one line of the options group
    TOptions Expected;
};

TEST(DamagedStore, ValuesOfTheWrongTypeOrOutOfRangeGiveTheDefault)
{
    // StartTab=3 beside each line shows that the store as such was read.
    const auto Tab = [](auto Change) {
        TOptions Options;
        Options.StartTab = 3;
        Change(Options);
        return Options;
    };
    const auto Nothing = [](TOptions&) {};
    const TStoredText Cases[] = {
        {"a rectangle", "DateOrder=@Rect(1 2 3 4)", Tab(Nothing)},
        {"a size", "ByJMonth=@Size(1 2)", Tab(Nothing)},
        {"binary bytes", "Diaspora=@ByteArray(\\0\\x1)", Tab(Nothing)},
        {"a boolean word", "Diaspora=false", Tab(Nothing)},
        {"a fraction", "DateOrder=1.5", Tab(Nothing)},
        {"hexadecimal", "DateOrder=0x2", Tab(Nothing)},
        {"an exponent", "DateOrder=2e0", Tab(Nothing)},
        {"empty", "DateOrder=", Tab(Nothing)},
        {"a list", "DateOrder=2, 2", Tab(Nothing)},
        {"Arabic-Indic digits", "DateOrder=\xd9\xa2", Tab(Nothing)},
        {"fullwidth digits", "DateOrder=\xef\xbc\x92", Tab(Nothing)},
        {"just beyond 32 bits", "DateOrder=2147483648", Tab(Nothing)},
        {"just below 32 bits", "DateOrder=-2147483649", Tab(Nothing)},
        {"a boolean of 2^32, not 0", "ByJMonth=4294967296", Tab(Nothing)},
        {"far beyond any integer", "StamAdar1=99999999999999999999999999999999999999", Tab(Nothing)},
        {"the 32-bit extremes are carried", "DateOrder=-2147483648",
         Tab([](TOptions& O) { O.DateOrder = -2147483647 - 1; })},
        {"the largest 32-bit value is carried", "ByJMonth=2147483647", Tab([](TOptions& O) { O.ByJMonth = true; })},
        {"blanks around a number", "DateOrder=  2  ", Tab([](TOptions& O) { O.DateOrder = 2; })},
    };
    for (const TStoredText& Case : Cases) {
        TemporaryStore Store;
        Store.WriteRaw("[Options]\nStartTab=3\n" + Case.Line + "\n");
        EXPECT_EQ(Loaded(), Case.Expected) << Case.Title;
        ExpectWritableAgain(Case.Title);
    }
}

TEST(DamagedStore, AStorePathThatIsNoFileGivesDefaultsAndIsNotWritten)
{
    struct TBlocker {
        const char* Title;
        void (*Make)(const TemporaryStore& Store);
    };
    const TBlocker Blockers[] = {
        // Nothing can be created under a plain file, not even by root.
        {"the folder is a plain file",
         [](const TemporaryStore& Store) {
             QFile File(Store.FolderPath() + QStringLiteral("/Tellwen"));
             ASSERT_TRUE(File.open(QIODevice::WriteOnly));
         }},
        {"the store is a folder",
         [](const TemporaryStore& Store) { ASSERT_TRUE(QDir().mkpath(Store.FilePath())); }},
        {"the folder is a link to itself",
         [](const TemporaryStore& Store) {
             const QByteArray Link = (Store.FolderPath() + QStringLiteral("/Tellwen")).toLocal8Bit();
             ASSERT_EQ(::symlink(Link.constData(), Link.constData()), 0);
         }},
    };
    const TOptions Defaults = FirstRun();
    for (const TBlocker& Blocker : Blockers) {
        TemporaryStore Store;
        Blocker.Make(Store);
        EXPECT_EQ(Loaded(), Defaults) << Blocker.Title;
        Unusual().SaveOptions();
        EXPECT_EQ(Loaded(), Defaults) << Blocker.Title;
    }
}

TEST(DamagedStore, AReadOnlyStoreIsReadAndLeftAsItIs)
{
    TemporaryStore Store;
    Unusual().SaveOptions();
    const TReadOnlyStore ReadOnly(Store);
    if (!ReadOnly.Holds())
        GTEST_SKIP() << "this file system lets this user write anywhere";

    EXPECT_EQ(Loaded(), Unusual());
    TOptions Changed = Unusual();
    Changed.StartTab = 0;
    Changed.SaveOptions();
    EXPECT_EQ(FileContent(Store.FilePath()), ReadOnly.Content);
    EXPECT_EQ(FilesBeside(Store), QStringList{QStringLiteral("Mirvane.conf")});
    EXPECT_EQ(Loaded(), Unusual());
}

// Runs Body in a child process that is ended after Limit seconds; true when
// it finished by itself. What hangs must fail the test, not stall it.
template <typename TBody>
bool FinishesInChild(TBody&& Body, unsigned Limit)
{
    const pid_t Child = ::fork();
    if (Child == 0) {
        ::alarm(Limit);
        Body();
        ::_exit(0);
    }
    int Status = 0;
    ::waitpid(Child, &Status, 0);
    return WIFEXITED(Status) && WEXITSTATUS(Status) == 0;
}

// A file far larger than any store is no store: it is neither read whole
// nor rewritten.
TEST(DamagedStore, AFileFarLargerThanAnyStoreGivesDefaultsAndIsLeftAlone)
{
    const TOptions Defaults = FirstRun();
    TemporaryStore Store;
    const QByteArray Huge = QByteArray("[Options]\nStartTab=3\n") + QByteArray(17 << 20, '#');
    Store.WriteRaw(Huge);
    EXPECT_EQ(Loaded(), Defaults);
    Unusual().SaveOptions();
    EXPECT_EQ(QFileInfo(Store.FilePath()).size(), Huge.size());
    EXPECT_EQ(Loaded(), Defaults);
}

// A store that is no plain file is neither read nor written: a pipe would
// block the start for ever, a device would never end, and a write through a
// link would replace the device it leads to with a file (for root).
TEST(DamagedStore, AStoreThatIsAPipeOrADeviceGivesDefaultsWithoutWaitingAndIsLeftAlone)
{
    const TOptions Defaults = FirstRun();
    enum class TKind { Pipe, LinkToPipe, LinkToDevice };
    struct TSpecial {
        const char* Title;
        QString Name;  // in the store's folder
        TKind Kind;
    };
    const TSpecial Cases[] = {
        {"the store is a pipe", QStringLiteral("Mirvane.conf"), TKind::Pipe},
        {"the store of the organisation is a pipe", QStringLiteral("../Tellwen.conf"), TKind::Pipe},
        {"the store is a link to a pipe", QStringLiteral("Mirvane.conf"), TKind::LinkToPipe},
        {"the store is a link to a device", QStringLiteral("Mirvane.conf"), TKind::LinkToDevice},
    };
    for (const TSpecial& Case : Cases) {
        TemporaryStore Store;
        ASSERT_TRUE(QDir().mkpath(Store.FolderPath() + QStringLiteral("/Tellwen")));
        const QByteArray Path = (Store.FolderPath() + QStringLiteral("/Tellwen/") + Case.Name).toLocal8Bit();
        // What a link leads to lies in the test's own folder: a device of
        // its own (a null device; only root may make one), never the
        // system's.
        const QByteArray Target = (Store.FolderPath() + QStringLiteral("/target")).toLocal8Bit();
        if (Case.Kind == TKind::LinkToDevice && ::mknod(Target.constData(), S_IFCHR | 0666, ::makedev(1, 3)) != 0) {
            continue;
        }
        if (Case.Kind != TKind::LinkToDevice) {
            ASSERT_EQ(::mkfifo(Case.Kind == TKind::Pipe ? Path.constData() : Target.constData(), 0600), 0);
        }
        if (Case.Kind != TKind::Pipe) {
            ASSERT_EQ(::symlink(Target.constData(), Path.constData()), 0);
        }

        EXPECT_TRUE(FinishesInChild(
            [&] {
                if (!(Loaded() == Defaults))
                    ::_exit(2);
                Unusual().SaveOptions();
            },
            20))
            << Case.Title;
        struct stat Left {};
        ASSERT_EQ(::stat(Path.constData(), &Left), 0) << Case.Title;
        EXPECT_FALSE(S_ISREG(Left.st_mode)) << Case.Title << ": replaced by a file";
    }
}

// Runs Save in a child process with Prepare applied to it first, and
// returns how the child ended.
template <typename TPrepare>
int InChild(TPrepare&& Prepare, const TOptions& Save)
{
    const pid_t Child = ::fork();
    if (Child == 0) {
        Prepare();
        Save.SaveOptions();
        ::_exit(0);
    }
    int Status = 0;
    ::waitpid(Child, &Status, 0);
    return Status;
}

// Writes of at most Limit bytes: beyond that a write fails (the signal
// ignored) or the process is ended by SIGXFSZ in the middle of the write.
void LimitFileSize(rlim_t Limit, bool KilledBySignal)
{
    ::signal(SIGXFSZ, KilledBySignal ? SIG_DFL : SIG_IGN);
    const rlimit Size{Limit, Limit};
    ::setrlimit(RLIMIT_FSIZE, &Size);
}

TEST(DamagedStore, AWriteCutShortLeavesTheStoreAsItWas)
{
    TemporaryStore Store;
    Unusual().SaveOptions();
    const QByteArray Good = FileContent(Store.FilePath());
    for (const bool Killed : {false, true}) {
        for (rlim_t Limit : {rlim_t{0}, rlim_t{1}, rlim_t{10}, static_cast<rlim_t>(Good.size() - 1)}) {
            const int Status = InChild([&] { LimitFileSize(Limit, Killed); }, TOptions{});
            const std::string Title = (Killed ? "killed after " : "failed after ") + std::to_string(Limit) + " bytes";
            if (Killed)
                EXPECT_TRUE(WIFSIGNALED(Status) && WTERMSIG(Status) == SIGXFSZ) << Title;
            else
                EXPECT_TRUE(WIFEXITED(Status) && WEXITSTATUS(Status) == 0) << Title;
            EXPECT_EQ(FileContent(Store.FilePath()), Good) << Title;
            EXPECT_EQ(Loaded(), Unusual()) << Title;
            ForgetStaleLock(Store);
        }
    }
}

TEST(DamagedStore, AWriterKilledAtAnyMomentLeavesOneWholeStore)
{
    TemporaryStore Store;
    TOptions Second = Unusual();
    Second.StartTab = 0;
    Second.DateOrder = 0;
    Unusual().SaveOptions();
    std::mt19937 Random(7);
    int SecondFound = 0;
    for (int Round = 0; Round < 60; ++Round) {
        ForgetStaleLock(Store);
        int Progress[2] = {-1, -1};
        ASSERT_EQ(::pipe(Progress), 0);
        const pid_t Child = ::fork();
        if (Child == 0) {
            // Saves the two sets in turn, reporting each whole save.
            ::close(Progress[0]);
            for (int Save = 0;; ++Save) {
                (Save % 2 == 0 ? Second : Unusual()).SaveOptions();
                const char Done = 1;
                [[maybe_unused]] const auto Written = ::write(Progress[1], &Done, 1);
            }
        }
        ::close(Progress[1]);
        // Killed at a random moment once it is writing, however slowly it
        // started.
        char Done = 0;
        for (int Saves = std::uniform_int_distribution<int>(1, 3)(Random); Saves > 0; --Saves)
            ASSERT_EQ(::read(Progress[0], &Done, 1), 1);
        std::this_thread::sleep_for(std::chrono::microseconds(std::uniform_int_distribution<int>(0, 2000)(Random)));
        ::kill(Child, SIGKILL);
        ::waitpid(Child, nullptr, 0);
        ::close(Progress[0]);
        const TOptions Found = Loaded();
        EXPECT_TRUE(Found == Unusual() || Found == Second) << "round " << Round;
        SecondFound += Found == Second ? 1 : 0;
    }
    EXPECT_GT(SecondFound, 0) << "the writer never got as far as a whole write";
}

}  // namespace
}  // namespace mirvane
