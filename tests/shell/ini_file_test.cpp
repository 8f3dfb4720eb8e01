#include "shell/ini_file.h"
#include "shell/standard_settings_files.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

#include <string>

namespace slots::shell_test {
namespace {

using shell::ReadIniValue;
using shell::WriteIniValue;

class IniFileTest : public ::testing::Test {
protected:
  std::filesystem::path File() const { return folder_.Path() / "slots.ini"; }
  void Store(const std::string &bytes) const { WriteBytes(File(), bytes); }
  std::string Stored() const { return ReadBytes(File()); }
  std::vector<std::string> FolderContents() const {
    return ListFolder(folder_.Path());
  }

  shell::StandardSettingsFileAccess files_;

private:
  TempFolder folder_;
};

TEST_F(IniFileTest, MissingFileReadsEmptyAndFirstWriteCreatesIt) {
  EXPECT_EQ(ReadIniValue("Main", "OnTop", File(), files_), "");

  EXPECT_TRUE(WriteIniValue("Main", "OnTop", "1", File(), files_));

  EXPECT_EQ(Stored(), "[Main]\r\nONTOP=1\r\n");
  EXPECT_EQ(ReadIniValue("Main", "OnTop", File(), files_), "1");
}

TEST_F(IniFileTest, NamesMatchWhateverTheirCase) {
  Store("[main]\r\nonTop=0\r\nfinalSOUND=1\r\n");

  EXPECT_EQ(ReadIniValue("Main", "OnTop", File(), files_), "0");
  EXPECT_EQ(ReadIniValue("MAIN", "FinalSound", File(), files_), "1");

  EXPECT_TRUE(WriteIniValue("Main", "OnTop", "1", File(), files_));
  EXPECT_EQ(Stored(), "[main]\r\nONTOP=1\r\nfinalSOUND=1\r\n");
}

TEST_F(IniFileTest, BlanksAroundNamesAndValuesAreNotPartOfThem) {
  Store("  [ Main ]\t\r\n  OnTop \t=  7 \t\r\nX=\r\n");

  EXPECT_EQ(ReadIniValue("Main", "OnTop", File(), files_), "7");
  EXPECT_EQ(ReadIniValue("Main", "X", File(), files_), "");
}

TEST_F(IniFileTest, MatchingQuotesAroundAValueAreNotPartOfIt) {
  Store("[Main]\r\nA=\"1\"\r\nB='0'\r\nC= \"x y\" \r\nD=\"\"\r\n"
        "E=\"1'\r\nF=\"\r\nG='a'b'\r\n");

  EXPECT_EQ(ReadIniValue("Main", "A", File(), files_), "1");
  EXPECT_EQ(ReadIniValue("Main", "B", File(), files_), "0");
  EXPECT_EQ(ReadIniValue("Main", "C", File(), files_), "x y");
  EXPECT_EQ(ReadIniValue("Main", "D", File(), files_), "");
  EXPECT_EQ(ReadIniValue("Main", "E", File(), files_), "\"1'");
  EXPECT_EQ(ReadIniValue("Main", "F", File(), files_), "\"");
  EXPECT_EQ(ReadIniValue("Main", "G", File(), files_), "a'b");
}

TEST_F(IniFileTest, OfARepeatedSectionTheFirstCounts) {
  Store("[Main]\r\nONTOP=0\r\n[main]\r\nONTOP=1\r\nX=5\r\n");

  EXPECT_EQ(ReadIniValue("Main", "OnTop", File(), files_), "0");
  EXPECT_EQ(ReadIniValue("Main", "X", File(), files_), "");

  EXPECT_TRUE(WriteIniValue("Main", "X", "7", File(), files_));
  EXPECT_TRUE(WriteIniValue("Main", "OnTop", "1", File(), files_));
  EXPECT_EQ(Stored(), "[Main]\r\nONTOP=1\r\nX=7\r\n[main]\r\nONTOP=1\r\n"
                      "X=5\r\n");
}

TEST_F(IniFileTest, KeyIsOnlyFoundInItsOwnSection) {
  Store("OnTop=3\r\n[Other]\r\nOnTop=5\r\n[Main]\r\nX=1\r\n");

  EXPECT_EQ(ReadIniValue("Main", "OnTop", File(), files_), "");
  EXPECT_EQ(ReadIniValue("Other", "OnTop", File(), files_), "5");
}

TEST_F(IniFileTest, ReplacingAKeyKeepsEveryOtherByte) {
  const std::string before = "; kept\n[Other]\nOnTop=5\n\n[Main]\nx = 1\n"
                             "  onTop = 0  \n\n[Tail]\r\nk=v";
  Store(before);

  EXPECT_TRUE(WriteIniValue("Main", "OnTop", "1", File(), files_));

  EXPECT_EQ(Stored(), "; kept\n[Other]\nOnTop=5\n\n[Main]\nx = 1\n"
                      "ONTOP=1\n\n[Tail]\r\nk=v");
}

TEST_F(IniFileTest, NewKeyFollowsTheLastKeyOfItsSectionBeforeBlankLines) {
  Store("[Main]\r\nONTOP=1\r\n; note\r\n\r\n[Other]\r\nA=1\r\n");

  EXPECT_TRUE(WriteIniValue("Main", "X", "0", File(), files_));
  EXPECT_TRUE(WriteIniValue("Other", "B", "2", File(), files_));

  EXPECT_EQ(Stored(), "[Main]\r\nONTOP=1\r\nX=0\r\n; note\r\n\r\n"
                      "[Other]\r\nA=1\r\nB=2\r\n");
}

TEST_F(IniFileTest, NewKeyInAnEmptySectionFollowsItsHeader) {
  Store("[Main]\r\n\r\n[Other]\r\nA=1\r\n");

  EXPECT_TRUE(WriteIniValue("Main", "X", "0", File(), files_));

  EXPECT_EQ(Stored(), "[Main]\r\nX=0\r\n\r\n[Other]\r\nA=1\r\n");
}

TEST_F(IniFileTest, LastLineWithoutLineBreakGetsOneBeforeNewLines) {
  Store("[Main]\r\nONTOP=1");
  EXPECT_TRUE(WriteIniValue("Main", "X", "0", File(), files_));
  EXPECT_EQ(Stored(), "[Main]\r\nONTOP=1\r\nX=0\r\n");

  Store("[Other]\nA=1");
  EXPECT_TRUE(WriteIniValue("Main", "X", "0", File(), files_));
  EXPECT_EQ(Stored(), "[Other]\nA=1\r\n[Main]\r\nX=0\r\n");
}

TEST_F(IniFileTest, ReadIsCutTo749CharactersButTheFileKeepsTheWholeValue) {
  const std::string longValue = std::string(749, 'a') + "bcdef";

  EXPECT_TRUE(WriteIniValue("Main", "Note", longValue, File(), files_));

  EXPECT_EQ(ReadIniValue("Main", "Note", File(), files_),
            std::string(749, 'a'));
  EXPECT_EQ(Stored(), "[Main]\r\nNOTE=" + longValue + "\r\n");
}

TEST_F(IniFileTest, GarbageFileReadsEmptyAndKeepsItsBytesOnWrite) {
  std::string garbage;
  for (int round = 0; round < 4; ++round) {
    for (int byte = 0; byte < 256; ++byte) {
      garbage.push_back(static_cast<char>(byte));
    }
  }
  garbage += std::string(60 * 1024, 'x');
  Store(garbage);

  EXPECT_EQ(ReadIniValue("Main", "OnTop", File(), files_), "");
  EXPECT_TRUE(WriteIniValue("Main", "OnTop", "1", File(), files_));

  EXPECT_EQ(Stored(), garbage + "\r\n[Main]\r\nONTOP=1\r\n");
  EXPECT_EQ(ReadIniValue("Main", "OnTop", File(), files_), "1");
}

TEST_F(IniFileTest, TextThatWouldBreakTheLayoutIsRefused) {
  Store("[Main]\r\nONTOP=1\r\n");

  EXPECT_FALSE(WriteIniValue("Main", "OnTop", "0\r\n[Evil]", File(), files_));
  EXPECT_FALSE(WriteIniValue("Main", "On=Top", "0", File(), files_));
  EXPECT_FALSE(WriteIniValue("Main", "", "0", File(), files_));
  EXPECT_FALSE(WriteIniValue("Ma]in", "OnTop", "0", File(), files_));
  EXPECT_FALSE(WriteIniValue("Main", " [Evil", "0", File(), files_));
  // One bad entry refuses the whole save, wherever it stands.
  const shell::IniEntry save[] = {{"OnTop", "0"}, {"X", "15"}, {"Y", "1\n"}};
  EXPECT_FALSE(shell::WriteIniValues("Main", save, File(), files_));

  EXPECT_EQ(Stored(), "[Main]\r\nONTOP=1\r\n");
}

TEST_F(IniFileTest, WritesLeaveNoTemporaryFileBehind) {
  for (int round = 0; round < 5; ++round) {
    EXPECT_TRUE(
        WriteIniValue("Main", "X", std::to_string(round * 15), File(), files_));
  }

  EXPECT_EQ(FolderContents(), std::vector<std::string>{"slots.ini"});
  EXPECT_EQ(Stored(), "[Main]\r\nX=60\r\n");
}

TEST_F(IniFileTest, WriteIntoAFolderThatCannotExistFailsQuietly) {
  Store("not a folder");
  const std::filesystem::path unreachable = File() / "slots.ini";

  EXPECT_EQ(ReadIniValue("Main", "OnTop", unreachable, files_), "");
  EXPECT_FALSE(WriteIniValue("Main", "OnTop", "1", unreachable, files_));

  EXPECT_EQ(Stored(), "not a folder");
  EXPECT_EQ(FolderContents(), std::vector<std::string>{"slots.ini"});
}

TEST_F(IniFileTest, AFolderInPlaceOfTheFileIsLeftAlone) {
  std::filesystem::create_directory(File());

  EXPECT_EQ(ReadIniValue("Main", "OnTop", File(), files_), "");
  EXPECT_FALSE(WriteIniValue("Main", "OnTop", "1", File(), files_));

  EXPECT_TRUE(std::filesystem::is_directory(File()));
  EXPECT_EQ(FolderContents(), std::vector<std::string>{"slots.ini"});
}

} // namespace
} // namespace slots::shell_test
