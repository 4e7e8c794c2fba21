// Files of the window: calculation data saved, inputs changed, loaded back and run gives the
// report of before; a file that is not ours, damaged, truncated or newer changes nothing and
// says so in red below the report; a report saved as text is its lines, TABs kept; a save that
// cannot put its whole content in place says so and leaves the target and its folder as they
// were.
#include "ui/calculation_file.h"

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>
#include <string>

#include "forms/dialogs.h"
#include "reports/report_head.h"
#include "state/composition.h"
#include "state/resistance_grid_state.h"
#include "state/selections.h"
#include "state/window_state.h"
#include "support/folder_contents.h"
#include "support/start_up_edits.h"
#include "ui/form1.h"

namespace tubalyx {
namespace {

namespace fs = std::filesystem;

ReportTimestamp FixedClock() { return {"2026-12-09", "09:30"}; }

class CalculationFiles : public ::testing::Test {
protected:
    void SetUp() override {
        SetReportClock(&FixedClock);
        fs::create_directories(dir_);
        TForm1& f = Form1();
        f.tempsort.SetCaption("C");
        testsupport::WriteStartUpEdits();
        f.RichEdit1.Clear();
        CalcFunction = "Termo", MediumCode = "VAT", LanguageLetter = 'E';
        f.abstrycksort.SetText("kPa");
        f.abstryckantal.SetText("500");
        f.temp.SetText("20");
        f.Felsimulgrid.SetRowCount(23);
        f.Felsimulgrid.SetCell(1, 11, "0,05");
    }
    void TearDown() override {
        SetReportClock(nullptr);
        TCommonDialog::SetExecutor(nullptr);
        fs::remove_all(dir_);
    }
    // The file dialogs answer with this name.
    void Answer(const fs::path& name) {
        TCommonDialog::SetExecutor([name](TCommonDialog& d) {
            static_cast<TOpenDialog&>(d).FileName = name.string();
            return true;
        });
    }
    const fs::path dir_ = fs::temp_directory_path() / ("tubalyx_files_" + std::to_string(::getpid()));
};

TEST_F(CalculationFiles, SavedDataLoadedBackGiveTheSameReport) {
    TForm1& f = Form1();
    const std::string odd = "a\\b\tc\nd\re=f";
    f.Motstandgrid.SetCell(3, 2, odd);
    ResistanceKind[3] = 12, ResistanceZeta[3] = 0.1 + 0.2, MixtureComponentKeyword[4] = "N2";
    f.Runbutton.Click();
    const std::string before = f.RichEdit4.Text();
    const fs::path file = dir_ / "water.tbx";
    Answer(file);
    f.Sparaberkningsdatasom1->Click();
    EXPECT_EQ(ReportFileName, file.string());

    MediumCode = "LUF", LanguageLetter = 'S', ReportSeparator = "\t";
    f.abstryckantal.SetText("900");
    f.temp.SetText("80");
    f.tempsort.SetCaption("K");
    f.Felsimulgrid.SetCell(1, 11, "9");
    f.Motstandgrid.SetCell(3, 2, "");
    ResistanceKind[3] = 0, ResistanceZeta[5] = 1.0, MixtureComponentKeyword[4] = "O2";
    f.Runbutton.Click();
    ASSERT_NE(f.RichEdit4.Text(), before);

    ReportFileName.clear();
    f.Laddaberkningsdata1->Click();
    EXPECT_EQ(ReportFileName, file.string());
    EXPECT_TRUE(f.Caption().ends_with(file.string())) << f.Caption();
    EXPECT_EQ(MediumCode + LanguageLetter + ReportSeparator, "VATE");
    EXPECT_EQ(f.abstryckantal.Text() + " " + f.temp.Text() + " " + f.tempsort.Caption(), "500 20 C");
    EXPECT_EQ(f.Felsimulgrid.Cell(1, 11), "0,05");
    EXPECT_EQ(f.Motstandgrid.Cell(3, 2), odd);
    EXPECT_EQ(ResistanceKind[3], 12);
    EXPECT_EQ(ResistanceZeta[3], 0.1 + 0.2);
    EXPECT_EQ(ResistanceZeta[5], 0.0);
    EXPECT_EQ(MixtureComponentKeyword[4], "N2");
    f.Runbutton.Click();
    EXPECT_EQ(f.RichEdit4.Text(), before);
}

// A file saved with a text that is no number in a number edit loads with the text as typed;
// the next run answers it with the input-error line.
TEST_F(CalculationFiles, AnEntryThatIsNoNumberLoadsAsTypedAndTheRunRefusesIt) {
    TForm1& f = Form1();
    f.Dstorrahetmm.UserSetText("abc");
    const fs::path file = dir_ / "typo.tbx";
    Answer(file);
    f.Sparaberkningsdatasom1->Click();
    f.Dstorrahetmm.UserSetText("0");
    ASSERT_NO_THROW(f.Laddaberkningsdata1->Click());
    EXPECT_EQ(f.Dstorrahetmm.Text(), "abc");
    f.Runbutton.Click();
    EXPECT_EQ(f.RichEdit4.Line(f.RichEdit4.LineCount() - 1), "INPUT ERROR!!!");
}

TEST_F(CalculationFiles, AFileThatIsNotWholeOrNotOursChangesNothing) {
    TForm1& f = Form1();
    const std::string good = CalculationDataText();
    const std::size_t endLine = good.rfind("end=");
    const int records = std::stoi(good.substr(endLine + 4));
    auto withRecord = [&](const std::string& record) {
        return good.substr(0, endLine) + record + "\nend=" + std::to_string(records + 1) + "\n";
    };
    using enum CalculationDataResult;
    const struct {
        const char* what;
        std::string text;
        CalculationDataResult result;
    } files[] = {
        {"empty", "", NotCalculationData},
        {"newer", "TUBALYX CALCULATION DATA\nversion=2\nX future=1\nend=1\n", NewerVersion},
        {"no version", "TUBALYX CALCULATION DATA\nend=0\n", Damaged},
        {"truncated", good.substr(0, endLine), Damaged},
        {"cut in a record", good.substr(0, endLine / 2), Damaged},
        {"wrong count", good.substr(0, endLine) + "end=" + std::to_string(records - 1) + "\n", Damaged},
        {"after the end", good + "E temp=1\n", Damaged},
        {"unknown edit", withRecord("E nosuchedit=1"), Damaged},
        {"bad escape", withRecord("E temp=1\\x"), Damaged},
        {"unknown function", withRecord("S CalcFunction=Bogus"), Damaged},
        {"long letter", withRecord("S PhaseLetter=NN"), Damaged},
        {"grid far out", withRecord("G Felsimulgrid 1 99999=1"), Damaged},
        {"fitting far out", withRecord("K ResistanceKind 51=1"), Damaged},
        {"no number", withRecord("A ResistanceZeta 1=nan"), Damaged},
    };
    f.RichEdit1.Add("an earlier report line");
    const fs::path path = dir_ / "damaged.tbx";
    for (const auto& file : files) {
        f.abstryckantal.SetText("777");
        CalcFunction = "Strypf";
        std::ofstream(path, std::ios::binary) << file.text;
        EXPECT_EQ(ApplyCalculationDataText(file.text), file.result) << file.what;
        const int lines = f.RichEdit1.LineCount();
        EXPECT_FALSE(LoadCalculationData(path.string())) << file.what;
        EXPECT_EQ(f.abstryckantal.Text() + CalcFunction, "777Strypf") << file.what;
        ASSERT_EQ(f.RichEdit1.LineCount(), lines + 1) << file.what;
        EXPECT_EQ(f.RichEdit1.Line(0), "an earlier report line");
        EXPECT_TRUE(f.RichEdit1.Line(lines).ends_with(path.string())) << f.RichEdit1.Line(lines);
        EXPECT_EQ(f.RichEdit1.AttributesAt(f.RichEdit1.LineStartText(lines)).Color, clRed) << file.what;
    }
}

TEST_F(CalculationFiles, ReportSavedAsTextIsItsLinesWithTheirTabs) {
    TForm1& f = Form1();
    ReportSeparator = "\t";
    f.Runbutton.Click();
    const std::string expected = f.RichEdit1.Text() + "\n";
    EXPECT_NE(expected.find("= \t"), std::string::npos);
    Answer(dir_ / "report.TXT");
    f.Sparasom1->Click();
    EXPECT_TRUE(f.SaveDialog1.OverwritePrompt);
    std::ostringstream saved;
    saved << std::ifstream(dir_ / "report.TXT", std::ios::binary).rdbuf();
    EXPECT_EQ(saved.str(), expected);
    // A place that cannot be written or read says so and keeps the report.
    const int lines = f.RichEdit1.LineCount();
    Answer(dir_ / "no_such_folder" / "report.txt");
    f.Sparasom1->Click();
    EXPECT_FALSE(LoadCalculationData((dir_ / "missing.tbx").string()));
    ASSERT_EQ(f.RichEdit1.LineCount(), lines + 2);
    EXPECT_TRUE(f.RichEdit1.Line(lines).starts_with("FILE CANNOT BE WRITTEN!: "));
    EXPECT_TRUE(f.RichEdit1.Line(lines + 1).starts_with("FILE CANNOT BE READ!: "));
}

using testsupport::Content;
using testsupport::Names;

// The red line a failed save leaves below the report, checked with the target and its folder
// as they were before the save.
void ExpectRefused(const fs::path& target, const std::function<bool()>& unchanged) {
    TForm1& f = Form1();
    const fs::path folder = target.parent_path();
    const std::set<std::string> before = Names(folder);
    const int lines = f.RichEdit1.LineCount();
    EXPECT_FALSE(SaveCalculationData(target.string())) << target;
    ASSERT_EQ(f.RichEdit1.LineCount(), lines + 1) << target;
    EXPECT_EQ(f.RichEdit1.Line(lines), "FILE CANNOT BE WRITTEN!: " + target.string());
    EXPECT_EQ(f.RichEdit1.AttributesAt(f.RichEdit1.LineStartText(lines)).Color, clRed) << target;
    EXPECT_TRUE(unchanged()) << target;
    EXPECT_EQ(Names(folder), before) << "a scratch file was left beside " << target;
}

TEST_F(CalculationFiles, ATargetThatIsNoRegularFileIsRefusedAndStays) {
    const fs::path folder = dir_ / "folder.tbx";
    fs::create_directory(folder);
    std::ofstream(folder / "inside.txt") << "kept";
    ExpectRefused(folder, [&] { return fs::is_directory(folder) && Content(folder / "inside.txt") == "kept"; });

    const fs::path pipe = dir_ / "pipe.tbx";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    ExpectRefused(pipe, [&] { return fs::is_fifo(fs::symlink_status(pipe)); });
}

// Saving over a file of another user in a folder with the sticky bit (the system's temporary
// folder) is not allowed: the rename fails, and the save must say so.
TEST_F(CalculationFiles, AFileOfAnotherUserInAStickyFolderIsNotReplaced) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to own a file as another user than the saving one";
    const fs::path sticky = dir_ / "sticky";
    fs::create_directory(sticky);
    ASSERT_EQ(::chmod(sticky.c_str(), 01777), 0);
    const fs::path theirs = sticky / "theirs.tbx";
    std::ofstream(theirs) << "their data";
    constexpr uid_t kNobody = 65534;
    ASSERT_EQ(::seteuid(kNobody), 0);
    ExpectRefused(theirs, [&] { return Content(theirs) == "their data"; });
    ASSERT_EQ(::seteuid(0), 0);
}

TEST_F(CalculationFiles, AnExistingPartFileOfTheUserIsLeftAlone) {
    const fs::path target = dir_ / "data.tbx", part = dir_ / "data.tbx.part";
    std::ofstream(part) << "the user's own notes";
    EXPECT_TRUE(SaveCalculationData(target.string()));
    EXPECT_EQ(Content(target), CalculationDataText());
    EXPECT_EQ(Content(part), "the user's own notes");
    EXPECT_EQ(Names(dir_), (std::set<std::string>{"data.tbx", "data.tbx.part"}));
    // Names up to the file-name limit of 255 bytes save, the data and the report alike, new or
    // over an earlier file, and leave nothing beside them.
    for (const std::size_t length : {248u, 255u}) {
        fs::remove(target);
        fs::remove(part);
        const fs::path data = dir_ / (std::string(length - 4, 'd') + ".tbx"), text = dir_ / std::string(length, 't');
        std::ofstream(text) << "earlier";
        EXPECT_TRUE(SaveCalculationData(data.string())) << length;
        EXPECT_TRUE(SaveReportText(text.string())) << length;
        EXPECT_EQ(Content(data), CalculationDataText()) << length;
        EXPECT_NE(Content(text), "earlier") << length;
        EXPECT_EQ(Names(dir_), (std::set<std::string>{data.filename().string(), text.filename().string()})) << length;
        fs::remove(data);
        fs::remove(text);
    }
}

TEST_F(CalculationFiles, ASaveThroughALinkWritesTheFileItNamesAndKeepsTheLink) {
    fs::create_directory(dir_ / "real");
    const fs::path real = dir_ / "real" / "data.tbx", link = dir_ / "link.tbx";
    std::ofstream(real) << "old";
    ASSERT_EQ(::chmod(real.c_str(), 0640), 0);
    fs::create_symlink(fs::path("real") / "data.tbx", link);
    EXPECT_TRUE(SaveCalculationData(link.string()));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(link)));
    EXPECT_EQ(Content(real), CalculationDataText());
    EXPECT_EQ(fs::status(real).permissions(), fs::perms(0640));
    EXPECT_EQ(Names(dir_ / "real"), std::set<std::string>{"data.tbx"});
    // A link that names no file yet makes it.
    fs::create_symlink(fs::path("real") / "new.tbx", dir_ / "new.tbx");
    EXPECT_TRUE(SaveCalculationData((dir_ / "new.tbx").string()));
    EXPECT_EQ(Content(dir_ / "real" / "new.tbx"), CalculationDataText());
    // A loop of links names no file at all.
    fs::create_symlink("loop_b.tbx", dir_ / "loop_a.tbx");
    fs::create_symlink("loop_a.tbx", dir_ / "loop_b.tbx");
    ExpectRefused(dir_ / "loop_a.tbx", [&] { return fs::is_symlink(fs::symlink_status(dir_ / "loop_a.tbx")); });
}

// A disk that fills up half-way through the save: a small file system of its own, filled
// before the save.
TEST_F(CalculationFiles, AFullDiskKeepsTheEarlierFile) {
    const fs::path disk = dir_ / "disk";
    fs::create_directory(disk);
    if (::mount("tubalyx_full", disk.c_str(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "no small file system can be mounted here (needs root and mount rights)";
    const fs::path target = disk / "data.tbx";
    std::ofstream(target) << "old";
    {
        std::ofstream filler(disk / "filler", std::ios::binary);
        const std::string block(4096, 'x');
        for (int i = 0; i < 64 && filler; ++i) filler << block << std::flush;
    }
    ExpectRefused(target, [&] { return Content(target) == "old"; });
    ::umount2(disk.c_str(), MNT_DETACH);
}

TEST_F(CalculationFiles, AFileNameInARedLineStaysOnItsLineAndIsCutWhenLong) {
    TForm1& f = Form1();
    const int lines = f.RichEdit1.LineCount();
    const std::string name = (dir_ / "no_such_folder").string() + "/a\nINPUT ERROR!!!";
    EXPECT_FALSE(SaveCalculationData(name));
    ASSERT_EQ(f.RichEdit1.LineCount(), lines + 1);
    EXPECT_EQ(f.RichEdit1.Line(lines),
              "FILE CANNOT BE WRITTEN!: " + (dir_ / "no_such_folder").string() + "/a INPUT ERROR!!!");
    const std::string longName = (dir_ / "no_such_folder" / std::string(1000, 'n')).string();
    EXPECT_FALSE(LoadCalculationData(longName));
    ASSERT_EQ(f.RichEdit1.LineCount(), lines + 2);
    const std::string line = f.RichEdit1.Line(lines + 1);
    EXPECT_EQ(line, "FILE CANNOT BE READ!: " + longName.substr(0, 157) + "...");
}

}  // namespace
}  // namespace tubalyx
