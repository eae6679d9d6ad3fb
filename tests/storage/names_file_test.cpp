#include "core/names_file_format.h"
#include "storage/files.h"
#include "storage/names_file.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace zarvel::test {
namespace {

const QByteArray Ima = "\xC8\xEC\xFF"; // "Имя" in Windows-1251

class NamesFileTest : public ::testing::Test {
protected:
    QString Path() const { return folder.filePath(QStringLiteral("zarvel/Zarvel.TXT")); }
    std::string File() const { return Path().toStdString(); }
    void Put(const QByteArray &bytes) const
    {
        QDir().mkpath(folder.filePath(QStringLiteral("zarvel")));
        QFile file(Path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray Bytes() const
    {
        QFile file(Path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    QTemporaryDir folder;
};

TEST_F(NamesFileTest, LivesInTheConfigurationFolder)
{
    EXPECT_EQ(DefaultNamesPath(), qEnvironmentVariable("XDG_CONFIG_HOME").toStdString() + "/zarvel/Zarvel.TXT");
}

TEST_F(NamesFileTest, TheFirstRunWritesTheInitialTextsAndCreatesTheFolderOwnerOnly)
{
    const NamesFile file(File());
    EXPECT_TRUE(file.Read().empty());
    EXPECT_EQ(file.Write({"Имя", "Имя", "Имя", "Имя"}), "");
    EXPECT_EQ(Bytes(), Ima + "\r\n" + Ima + "\r\n" + Ima + "\r\n" + Ima + "\r\n");
    struct stat status = {};
    ASSERT_EQ(::stat(QFile::encodeName(Path()).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);
    EXPECT_EQ(QDir(folder.filePath("zarvel")).entryList(QDir::Files), QStringList{"Zarvel.TXT"})
        << "no temporary file left";
}

struct AlphabetCase {
    const char *name;
    NameLines names;
    QByteArray start; // how the file begins
};

void PrintTo(const AlphabetCase &c, std::ostream *out) { *out << c.name; }

class NamesInAnyAlphabet : public NamesFileTest, public ::testing::WithParamInterface<AlphabetCase> { };

// Names the code page holds are written as before, byte for byte; one name
// it cannot hold turns the whole file into UTF-8 with its mark.
TEST_P(NamesInAnyAlphabet, SurviveAWriteAndARead)
{
    const NamesFile file(File());
    EXPECT_EQ(file.Write(GetParam().names), "");
    EXPECT_TRUE(Bytes().startsWith(GetParam().start)) << Bytes().left(16).toHex().toStdString();
    const LinesRead read = file.Read();
    EXPECT_EQ(read, LinesRead(GetParam().names.begin(), GetParam().names.end()));
}

INSTANTIATE_TEST_SUITE_P(Names, NamesInAnyAlphabet,
    ::testing::Values(AlphabetCase{"Windows1251", {" Аня, \"Ёж\"", "", "Zoe «Ї»", "\x1a№"},
                          "\x20\xC0\xED\xFF, \"\xA8\xE6\"\r\n\r\nZoe \xAB\xAF\xBB"},
        AlphabetCase{"LatinAccents", {"José", "Åsa", "Łukasz", "Zoë"}, "\xEF\xBB\xBFJos\xC3\xA9\r\n"},
        AlphabetCase{"KazakhAndUkrainian", {"Әлия", "Ғалым", "Їжак", "Ґанна"}, "\xEF\xBB\xBF\xD3\x98"},
        AlphabetCase{"Emoji", {"Аня ❤", "😀", "Имя", "Имя"}, "\xEF\xBB\xBF\xD0\x90"},
        AlphabetCase{"CodePageBytesThatReadAsTheMark", {"п»їКот", "", "", ""}, "\xEF\xBB\xBF\xD0\xBF"},
        AlphabetCase{"AMarkInsideAName", {"\uFEFFАня", "Имя", "Имя", "Имя"}, "\xEF\xBB\xBF\xEF\xBB\xBF"}),
    [](const ::testing::TestParamInfo<AlphabetCase> &info) { return info.param.name; });

TEST_F(NamesFileTest, AnExistingFileKeepsItsPermissions)
{
    Put("a\r\nb\r\nc\r\nd\r\n");
    ::chmod(QFile::encodeName(Path()).constData(), 0640);
    EXPECT_EQ(NamesFile(File()).Write({"1", "2", "3", "4"}), "");
    EXPECT_EQ(Bytes(), "1\r\n2\r\n3\r\n4\r\n");
    struct stat status = {};
    ::stat(QFile::encodeName(Path()).constData(), &status);
    EXPECT_EQ(status.st_mode & 0777, 0640u);
}

struct ReadCase {
    const char *name;
    QByteArray bytes;
    LinesRead names;
};

// Names the case in test output (printing the bytes would read padding).
void PrintTo(const ReadCase &c, std::ostream *out) { *out << c.name; }

class NamesFileRead : public NamesFileTest, public ::testing::WithParamInterface<ReadCase> { };

TEST_P(NamesFileRead, FollowsTheReadingRules)
{
    Put(GetParam().bytes);
    EXPECT_EQ(NamesFile(File()).Read(), GetParam().names);
}

const QByteArray Long(static_cast<qsizetype>(NamesFileReadLimit), 'x');

INSTANTIATE_TEST_SUITE_P(Files, NamesFileRead,
    ::testing::Values(ReadCase{"FourLines", Ima + "\r\nb\r\nc\r\nd\r\n", LinesRead{"Имя", "b", "c", "d"}},
        ReadCase{"FifthLineIgnored", "a\r\nb\r\nc\r\nd\r\ne\r\n", LinesRead{"a", "b", "c", "d"}},
        ReadCase{"NoFinalLineEnd", "a\r\nb\r\nc\r\nd", LinesRead{"a", "b", "c", "d"}},
        ReadCase{"ThreeLines", "a\r\nb\r\nc\r\n", LinesRead{"a", "b", "c"}}, ReadCase{"EmptyFile", "", LinesRead{}},
        ReadCase{"LoneCrAndLf", "a\rb\nc\r\nd", LinesRead{"a", "b", "c", "d"}},
        ReadCase{"NulAndUnassignedBytes", QByteArray("\0a\r\n\x98\r\nc\r\nd", 11),
            LinesRead{std::string("\0a", 2), "\u0098", "c", "d"}},
        ReadCase{
            "Utf8AfterItsMark", "\xEF\xBB\xBF\xD3\x98\r\nb\r\nc\r\n\xF0\x9F\x98\x80", LinesRead{"Ә", "b", "c", "😀"}},
        ReadCase{
            "BrokenUtf8AfterTheMark", "\xEF\xBB\xBF\xFF\r\n\xD3\r\nc\r\nd", LinesRead{"\uFFFD", "\uFFFD", "c", "d"}},
        ReadCase{"LinesEndingWithinTheLimit", "a\r\nb\r\nc\r\nd\r\n" + Long, LinesRead{"a", "b", "c", "d"}},
        ReadCase{"FourthLineCutByTheLimit", "a\r\nb\r\nc\r\n" + Long, LinesRead{"a", "b", "c"}},
        ReadCase{"FirstLineLongerThanTheLimit", Long + "\r\nb\r\nc\r\nd\r\n", LinesRead{}}),
    [](const ::testing::TestParamInfo<ReadCase> &info) { return info.param.name; });

TEST_F(NamesFileTest, FourNamesOfTheLongestLengthAreReadBackWhole)
{
    // Cyrillic, Latin, and characters the code page cannot hold, which make
    // the file UTF-8: three bytes for one code unit, four for two.
    const std::array<QString, 4> letters = {"Ж", "z", "\u0101", "\U0001F600"};
    NameLines names;
    for (std::size_t i = 0; i < names.size(); ++i)
        names[i] = letters[i].repeated(static_cast<qsizetype>(MaxNameLength) / letters[i].size()).toStdString();
    NamesFile file(File());
    ASSERT_EQ(file.Write(names), "");
    const LinesRead read = file.Read();
    ASSERT_EQ(read.size(), 4u);
    EXPECT_EQ(read[0], names[0]);
    EXPECT_EQ(read[1], names[1]);
    EXPECT_EQ(read[2], names[2]);
    EXPECT_EQ(read[3], names[3]);
}

TEST_F(NamesFileTest, AFifoAFolderOrADeviceCountsAsUnreadableAtOnce)
{
    QDir().mkpath(folder.filePath("zarvel"));
    const QByteArray path = QFile::encodeName(Path());
    QElapsedTimer clock;
    clock.start();

    ASSERT_EQ(::mkfifo(path.constData(), 0600), 0);
    EXPECT_TRUE(NamesFile(File()).Read().empty());
    ::unlink(path.constData());

    QDir().mkpath(Path());
    EXPECT_TRUE(NamesFile(File()).Read().empty());
    QDir().rmdir(Path());

    ASSERT_EQ(::symlink("/dev/zero", path.constData()), 0);
    EXPECT_TRUE(NamesFile(File()).Read().empty());
    EXPECT_LT(clock.elapsed(), 1000);
}

// The program's own table of the code page reads and writes every byte as
// the system's codec does, so files written by older versions read alike.
TEST(Windows1251, EveryByteReadsAndWritesAsTheSystemCodecHasIt)
{
    for (int byte = 0x20; byte <= 0xFF; ++byte) {
        const QByteArray line(1, static_cast<char>(byte));
        const QString character = QStringDecoder("windows-1251", QStringConverter::Flag::Stateless).decode(line);
        const std::string file = line.toStdString() + "\r\n\r\n\r\n\r\n";
        EXPECT_EQ(DecodeNamesFile(file), (LinesRead{character.toStdString(), "", "", ""})) << byte;
        EXPECT_EQ(EncodeNamesFile({character.toStdString(), "", "", ""}), file) << byte;
    }
}

// Bytes that are no UTF-8 after the mark read as one U+FFFD for each
// maximal invalid part, as Unicode recommends and browsers read them. Qt's
// decoder, which read the file before, reads all but a form cut short at
// the end of a line alike; there it gives one U+FFFD for each byte.
TEST(Utf8AfterTheMark, BrokenFormsReadAsOneReplacementForEachMaximalInvalidPart)
{
    const std::array<std::pair<std::string, std::string>, 10> cases = {{
        {"\xC0\x80", "\uFFFD\uFFFD"},                               // overlong
        {"\xED\xA0\x80", "\uFFFD\uFFFD\uFFFD"},                     // a surrogate
        {"\xE0\x9F\xBF", "\uFFFD\uFFFD\uFFFD"},                     // overlong
        {"\xF4\x90\x80\x80", "\uFFFD\uFFFD\uFFFD\uFFFD"},           // past U+10FFFF
        {"\xF5\xBF", "\uFFFD\uFFFD"},                               // no lead byte
        {"\x80\x80", "\uFFFD\uFFFD"},                               // stray continuations
        {"\xE2\x82", "\uFFFD"},                                     // cut short
        {"\xF0\x9F\x98", "\uFFFD"},                                 // cut short
        {"\xC3\xA9\xFF\xF0\x9F\x98\x80", "\u00E9\uFFFD\U0001F600"}, // between good ones
        {"\xEF\xBF\xBF", "\uFFFF"},                                 // a noncharacter is a character
    }};
    for (const auto &[line, read] : cases)
        EXPECT_EQ(DecodeNamesFile("\xEF\xBB\xBF" + line + "\r\n\r\n\r\n\r\n"), (LinesRead{read, "", "", ""}))
            << QByteArray::fromStdString(line).toHex().toStdString();
}

// Where an older version kept the names: read while the file of this one is
// missing, in the order given, and never written.
TEST_F(NamesFileTest, OlderFilesAreReadUntilTheNamesAreSavedAndNeverChanged)
{
    const std::string first = folder.filePath("older1.TXT").toStdString();
    const std::string second = folder.filePath("older2.TXT").toStdString();
    const auto put = [](const std::string &path, const QByteArray &bytes) {
        QFile file(QString::fromStdString(path));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    put(second, Ima + "\r\nb\r\nc\r\nd\r\n");
    NamesFile file(File(), {}, {first, second});
    EXPECT_EQ(file.Read(), (LinesRead{"Имя", "b", "c", "d"})) << "the first older file that exists";
    put(first, "1\r\n2\r\n3\r\n4\r\n");
    EXPECT_EQ(file.Read(), (LinesRead{"1", "2", "3", "4"}));

    ASSERT_EQ(file.Write({"Аня", "Борис", "Вера", "Глеб"}), "");
    EXPECT_EQ(file.Read(), (LinesRead{"Аня", "Борис", "Вера", "Глеб"})) << "its own file, once saved";
    QFile older(QString::fromStdString(second));
    ASSERT_TRUE(older.open(QIODevice::ReadOnly));
    EXPECT_EQ(older.readAll(), Ima + "\r\nb\r\nc\r\nd\r\n");
}

} // namespace
} // namespace zarvel::test
