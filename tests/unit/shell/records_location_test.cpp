#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "board/form1.h"
#include "shell/records_file.h"
#include "shell/records_location.h"
#include "tests/unit/shell/temp_folder.h"
#include "tools/fake/fake_platform.h"

namespace tumblehand {
namespace {

namespace fs = std::filesystem;

// What a data.dat shipped beside the program holds: a best score over 500000, so that
// the joker drop tells which file the records window read.
Records shippedRecords() {
    Records records;
    records.bestCombo = 4;
    records.comboHolder = "SHIP";
    records.bestPoints = 700;
    records.pointsHolder = "SHIP";
    records.scores[0] = {"600000", true};
    records.names[0] = "SHIP";
    return records;
}

Records playersRecords() {
    Records records;
    records.bestCombo = 9;
    records.comboHolder = "ME";
    records.bestPoints = 4321;
    records.pointsHolder = "ME";
    records.scores[0] = {"1200", true};
    records.names[0] = "ME";
    return records;
}

// A folder that the running user cannot create files in: its mode for an ordinary
// user, the immutable flag for root (whom no mode stops). Null when neither works here.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const std::string& path) : path_(path) {
        if (::geteuid() != 0) {
            ::chmod(path.c_str(), 0555);
        } else {
            fd_ = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            int flags = 0;
            if (fd_ >= 0 && ::ioctl(fd_, FS_IOC_GETFLAGS, &flags) == 0) {
                flags |= FS_IMMUTABLE_FL;
                immutable_ = ::ioctl(fd_, FS_IOC_SETFLAGS, &flags) == 0;
            }
        }
    }
    ~ReadOnlyFolder() {
        if (immutable_) {
            int flags = 0;
            ::ioctl(fd_, FS_IOC_GETFLAGS, &flags);
            flags &= ~FS_IMMUTABLE_FL;
            ::ioctl(fd_, FS_IOC_SETFLAGS, &flags);
        }
        if (fd_ >= 0) ::close(fd_);
        ::chmod(path_.c_str(), 0755);
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    /// Whether files really cannot be made there (checked by trying, not by belief).
    bool works() const {
        const std::string probe = path_ + "/probe";
        const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        if (fd < 0) return true;
        ::close(fd);
        ::unlink(probe.c_str());
        return false;
    }

private:
    std::string path_;
    int fd_ = -1;
    bool immutable_ = false;
};

TEST(RecordsLocation, CanCreateFileInTriesAndCleansUp) {
    TempFolder folder;
    folder.write("file", "x");
    struct Case { std::string folder; bool expected; };
    const Case cases[] = {
        {folder.path(), true},
        {folder.path() + "/", true},
        {folder.file("missing"), false},
        {folder.file("file"), false},        // a file, not a folder
        {folder.file("file/inside"), false}, // a path through a file
    };
    for (const Case& c : cases) {
        EXPECT_EQ(canCreateFileIn(c.folder), c.expected) << c.folder;
    }
    EXPECT_EQ(folder.listing(), "file ") << "the trial file is removed";

    TempFolder locked;
    ReadOnlyFolder readOnly(locked.path());
    if (!readOnly.works()) GTEST_SKIP() << "no way to make a read-only folder here";
    EXPECT_FALSE(canCreateFileIn(locked.path()));
}

TEST(RecordsLocation, ChoosesTheProgramFolderOrThePlayersFolder) {
    struct Case {
        const char* name;
        bool writable;
        bool userFolder;
        bool expectBeside;
    };
    const Case cases[] = {
        {"writable program folder", true, true, true},
        {"writable, no per-user folder", true, false, true},
        {"read-only program folder", false, true, false},
        {"read-only, no per-user folder", false, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder program;
        TempFolder data;
        const std::string user = c.userFolder ? data.file("share") : std::string();
        const std::string path = recordsPathFor(program.path() + "/", c.writable, user);
        if (c.expectBeside) {
            EXPECT_EQ(path, program.file("data.dat"));
            EXPECT_FALSE(data.exists("share")) << "no per-user folder is made when unused";
        } else {
            EXPECT_EQ(path, data.file("share/tumblehand/data.dat"));
            EXPECT_TRUE(fs::is_directory(data.file("share/tumblehand"))) << "made when needed";
            EXPECT_FALSE(data.exists("share/tumblehand/data.dat")) << "nothing shipped, nothing made";
        }
        EXPECT_EQ(program.listing(), "") << "choosing writes nothing beside the program";
    }
}

TEST(RecordsLocation, ShippedRecordsAreCopiedOnceAndNeverOverThePlayers) {
    TempFolder program;
    TempFolder data;
    const std::string shipped = recordsFileText(shippedRecords());
    program.write("data.dat", shipped);
    const std::string user = data.path();

    const std::string path = recordsPathFor(program.path() + "/", false, user);
    ASSERT_EQ(path, data.file("tumblehand/data.dat"));
    EXPECT_EQ(data.read("tumblehand/data.dat"), shipped) << "copied byte for byte";
    EXPECT_EQ(TempFolder::listingOf(data.file("tumblehand")), "data.dat ") << "no temporary left";

    ASSERT_EQ(writeRecordsFile(path, playersRecords(), RecordsStatus::Ok), "");
    const std::string mine = recordsFileText(playersRecords());
    for (const char* newer : {"the same shipped file", "a newer shipped file"}) {
        SCOPED_TRACE(newer);
        program.write("data.dat", recordsFileText(Records{}));
        EXPECT_EQ(recordsPathFor(program.path() + "/", false, user), path);
        EXPECT_EQ(data.read("tumblehand/data.dat"), mine) << "the player's records stay";
    }
    EXPECT_EQ(TempFolder::listingOf(data.file("tumblehand")), "data.dat ");
}

TEST(RecordsLocation, OnlyAFileIsCopied) {
    struct Case { const char* name; const char* shippedEntry; };
    const Case cases[] = {{"nothing shipped", nullptr}, {"a folder named data.dat", "data.dat/inside"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder program;
        TempFolder data;
        if (c.shippedEntry) {
            fs::create_directories(program.file("data.dat"));
            program.write(c.shippedEntry, "x");
        }
        const std::string path = recordsPathFor(program.path() + "/", false, data.path());
        EXPECT_EQ(path, data.file("tumblehand/data.dat"));
        EXPECT_EQ(TempFolder::listingOf(data.file("tumblehand")), "");
    }
}

TEST(RecordsLocation, AFolderThatCannotBeMadeIsLeftForTheSaveToName) {
    TempFolder data;
    data.write("share", "a file where the folder should be");
    TempFolder program;
    const std::string path = recordsPathFor(program.path() + "/", false, data.file("share"));
    EXPECT_EQ(path, data.file("share/tumblehand/data.dat"));
    const std::string error = writeRecordsFile(path, playersRecords(), RecordsStatus::Missing);
    EXPECT_NE(error.find(data.file("share/tumblehand")), std::string::npos) << error;
}

// The default per-user folder follows the XDG rules.
TEST(RecordsLocation, UserDataFolderFromTheEnvironment) {
    struct Saved {
        std::string name;
        std::optional<std::string> value;
        explicit Saved(std::string n) : name(std::move(n)) {
            if (const char* v = std::getenv(name.c_str())) value = v;
        }
        ~Saved() {
            if (value) ::setenv(name.c_str(), value->c_str(), 1);
            else ::unsetenv(name.c_str());
        }
    };
    const Saved dataHome("XDG_DATA_HOME");
    const Saved home("HOME");
    struct Case { const char* dataHome; const char* home; const char* expected; };
    const Case cases[] = {
        {"/xdg/data", "/home/p", "/xdg/data"},
        {"relative/data", "/home/p", "/home/p/.local/share"},  // invalid, ignored
        {"", "/home/p/", "/home/p/.local/share"},
        {nullptr, "/home/p", "/home/p/.local/share"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        if (c.dataHome) ::setenv("XDG_DATA_HOME", c.dataHome, 1);
        else ::unsetenv("XDG_DATA_HOME");
        ::setenv("HOME", c.home, 1);
        FakePlatform platform;
        EXPECT_EQ(platform.Platform::userDataFolder(), c.expected);
    }
}

// The whole game: START, GAMEOVER and the records window use one file.
struct InstalledGame : ::testing::Test {
    TempFolder program;
    TempFolder data;
    FakePlatform platform;
    std::optional<Form1> form;

    void start(const std::string& programFolder) {
        platform.folder = programFolder;
        platform.dataFolder = data.path();
        platform.answers = {"ME", "ME", "ME"};
        form.emplace(platform);
        form->Form_Load();
    }
    void endGame(const std::string& score, std::uint8_t combo, std::int32_t points) {
        form->Score.Caption = score;
        form->state.BestCombo = combo;
        form->state.BestPoints = points;
        form->GAMEOVER();
    }
};

TEST_F(InstalledGame, WritableProgramFolderKeepsTheRecordsBesideTheGame) {
    program.write("data.dat", recordsFileText(shippedRecords()));
    start(program.path());
    form->Start_Click();
    EXPECT_EQ(form->state.BestPoints, 700);
    endGame("900000", 5, 800);
    EXPECT_EQ(readRecordsFile(program.file("data.dat")).records.scores[0].text, "900000");
    EXPECT_EQ(data.listing(), "") << "the per-user folder is not touched";
}

TEST_F(InstalledGame, ProgramFolderThatIsNoFolderUsesThePlayersFolder) {
    program.write("game", "not a folder");
    start(program.file("game"));
    form->Start_Click();
    EXPECT_EQ(form->state.BestPoints, 0);
    endGame("1200", 9, 4321);
    const RecordsRead saved = readRecordsFile(data.file("tumblehand/data.dat"));
    EXPECT_EQ(saved.status, RecordsStatus::Ok);
    EXPECT_EQ(saved.records.scores[0].text, "1200");
    EXPECT_EQ(saved.records.bestPoints, 4321);
    EXPECT_EQ(form->form3().Maxpointsn.Caption, "4321p");
    for (const PlatformEvent& e : platform.events) {
        EXPECT_EQ(e.text.find("保存できません"), std::string::npos) << e.text;
    }
}

TEST_F(InstalledGame, ReadOnlyProgramFolderStartsFromTheShippedRecordsThenKeepsThePlayers) {
    const std::string shipped = recordsFileText(shippedRecords());
    program.write("data.dat", shipped);
    ReadOnlyFolder readOnly(program.path());
    if (!readOnly.works()) GTEST_SKIP() << "no way to make a read-only folder here";

    start(program.path());
    form->Label3_DragDrop();  // the records window reads the copy: 600000 arms the joker
    EXPECT_TRUE(form->state.JokerBoost);
    form->Start_Click();
    EXPECT_EQ(form->state.BestPoints, 700);
    EXPECT_EQ(form->state.BestCombo, 4);
    endGame("1200", 9, 4321);

    EXPECT_EQ(program.read("data.dat"), shipped) << "the shipped file is never written";
    const Records saved = readRecordsFile(data.file("tumblehand/data.dat")).records;
    EXPECT_EQ(saved.bestPoints, 4321);
    EXPECT_EQ(saved.scores[0].text, "600000");
    EXPECT_EQ(saved.scores[1].text, "1200");
    EXPECT_EQ(form->form3().Maxpointsn.Caption, "4321p");

    // The next run of the game finds the player's records, not the shipped ones.
    start(program.path());
    form->Start_Click();
    EXPECT_EQ(form->state.BestPoints, 4321);
    EXPECT_EQ(form->state.BestCombo, 9);
    EXPECT_EQ(form->form3().Label1[1].Caption, "ME");
}

}  // namespace
}  // namespace tumblehand
