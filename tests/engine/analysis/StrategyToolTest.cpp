// The analyser's command line: pay tables as typed, and what each command is asked to do.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "engine/CardText.h"
#include "engine/analysis/GameChart.h"
#include "engine/analysis/HandAnalysis.h"
#include "tests/engine/analysis/SharedTables.h"
#include "tools/StrategyOptions.h"
#include "tools/StrategyOutput.h"
#include "tools/StrategyReports.h"

namespace modcards::strategy {
namespace {

using analysis::Pays;

TEST(StrategyPays, WholeNumbersArePaysPerUnitBet) {
    const Pays pays = ParsePays("800,200,25,15,9,5,3,2,2,1");
    EXPECT_EQ(pays, analysis::FullPays());
}

TEST(StrategyPays, DecimalsShareOneUnitExactly) {
    const Pays half = ParsePays("800,200,25,15,9,5,3,2,2,0.5");
    EXPECT_EQ(half.unit, 10);
    EXPECT_EQ(half.perCategory[1], 8000);
    EXPECT_EQ(half.perCategory[10], 5);
    const Pays mixed = ParsePays("1.25,2.5,3,0,0,0,0,0,0,.75");
    EXPECT_EQ(mixed.unit, 100);
    EXPECT_EQ(mixed.perCategory[1], 125);
    EXPECT_EQ(mixed.perCategory[2], 250);
    EXPECT_EQ(mixed.perCategory[3], 300);
    EXPECT_EQ(mixed.perCategory[10], 75);
}

TEST(StrategyPays, RejectWhatIsNotTenPays) {
    for (const char* text :
         {"1,2,3", "1,2,3,4,5,6,7,8,9,10,11", "1,2,3,4,5,6,7,8,9,", "-1,2,3,4,5,6,7,8,9,10",
          "1e3,2,3,4,5,6,7,8,9,10", "1.,2,3,4,5,6,7,8,9,10", "1.00001,2,3,4,5,6,7,8,9,10",
          "2000000000,2,3,4,5,6,7,8,9,10", "1000000,2,3,4,5,6,7,8,9,0.0001",
          " 1,2,3,4,5,6,7,8,9,10"}) {
        EXPECT_THROW(ParsePays(text), UsageError) << text;
    }
}

std::string UsageMessage(std::string_view text, std::uint64_t max) {
    try {
        ParseWholeNumber(text, max, "count \"" + std::string(text) + "\"");
    } catch (const UsageError& error) {
        return error.what();
    }
    return "accepted";
}

// One parser and one message for each fault, whatever the number's size or sign.
TEST(StrategyNumbers, EveryFaultHasOneClearMessage) {
    for (const char* huge :
         {"65", "18446744073709551615", "18446744073709551616", "99999999999999999999999999"})
        EXPECT_EQ(UsageMessage(huge, 64),
                  "count \"" + std::string(huge) + "\" is too large (at most 64)");
    EXPECT_EQ(UsageMessage("-0", 64), "count \"-0\" has a sign; write the number without one");
    EXPECT_EQ(UsageMessage("-1", 64), "count \"-1\" has a sign; write the number without one");
    EXPECT_EQ(UsageMessage("+1", 64), "count \"+1\" has a sign; write the number without one");
    for (const char* text : {"", "1 ", "1e3", "0x10", "١"})
        EXPECT_EQ(UsageMessage(text, 64), "count \"" + std::string(text) + "\" is not a number");
    EXPECT_EQ(ParseWholeNumber("0064", 64, "count"), 64u);
    EXPECT_EQ(ParseWholeNumber("18446744073709551615", UINT64_MAX, "count"), UINT64_MAX);
}

// A full disk and a reader gone away are both told in words.
TEST(StrategyOutputFile, WriteFailuresNameTheirCause) {
    std::FILE* full = std::fopen("/dev/full", "w");
    ASSERT_NE(full, nullptr);
    EXPECT_THROW(
        {
            try {
                WriteAll(full, "report\n", "the output");
            } catch (const OutputError& error) {
                EXPECT_STREQ(error.what(), "cannot write the output: No space left on device");
                throw;
            }
        },
        OutputError);
    std::fclose(full);

    const auto previous = std::signal(SIGPIPE, SIG_IGN);
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    close(ends[0]);
    std::FILE* pipeOut = fdopen(ends[1], "w");
    try {
        WriteAll(pipeOut, "report\n", "the output");
        ADD_FAILURE() << "a closed pipe took the output";
    } catch (const OutputError& error) {
        EXPECT_STREQ(error.what(), "cannot write the output: Broken pipe");
    }
    std::fclose(pipeOut);
    std::signal(SIGPIPE, previous);
}

std::string ReadWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

std::string FreshFolder(const std::string& name) {
    const std::string folder = ::testing::TempDir() + name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directory(folder);
    return folder + "/";
}

const std::vector<std::uint8_t> kBytes{1, 2, 3};

TEST(StrategyOutputFile, ReplacesARegularFileWholeKeepingItsPermissions) {
    const std::string folder = FreshFolder("output-regular");
    { std::ofstream(folder + "holds.bin") << "older"; }
    chmod((folder + "holds.bin").c_str(), 0640);
    OutputFile(folder + "holds.bin").Write(kBytes);
    EXPECT_EQ(ReadWhole(folder + "holds.bin"), "\x01\x02\x03");
    struct stat written {};
    ASSERT_EQ(stat((folder + "holds.bin").c_str(), &written), 0);
    EXPECT_EQ(written.st_mode & 0777, 0640u);
    // A symbolic link stays a link; its target gets the bytes.
    std::filesystem::create_symlink("holds.bin", folder + "link");
    OutputFile(folder + "link").Write(std::vector<std::uint8_t>{4});
    EXPECT_TRUE(std::filesystem::is_symlink(folder + "link"));
    EXPECT_EQ(ReadWhole(folder + "holds.bin"), "\x04");
    // Nothing is left beside them: no temporary file, also when the output is never written.
    { OutputFile unfinished(folder + "new.bin"); }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder),
                            std::filesystem::directory_iterator()),
              2);
}

TEST(StrategyOutputFile, RefusesABadPathBeforeAnyWork) {
    const std::string folder = FreshFolder("output-refused");
    std::filesystem::create_symlink("nothing", folder + "dangling");
    // The constructor, run before the work, is what throws.
    EXPECT_THROW(OutputFile(folder + "no-such-folder/holds.bin"), OutputError);
    EXPECT_THROW(OutputFile(folder + "dangling"), OutputError);
    try {
        OutputFile refused(::testing::TempDir());
        ADD_FAILURE() << "a folder was taken for output";
    } catch (const OutputError& error) {
        EXPECT_NE(std::string(error.what()).find("it is a folder"), std::string::npos);
    }
    EXPECT_TRUE(std::filesystem::is_symlink(folder + "dangling"));
    EXPECT_FALSE(std::filesystem::exists(folder + "nothing"));
}

TEST(StrategyOutputFile, WritesIntoAFifoAndADeviceWithoutReplacingThem) {
    const std::string fifo = FreshFolder("output-fifo") + "holds";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::string read;
    std::thread reader([&] { read = ReadWhole(fifo); });
    OutputFile(fifo).Write(kBytes);
    reader.join();
    EXPECT_EQ(read, "\x01\x02\x03");
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));

    OutputFile("/dev/null").Write(kBytes);
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
}

TEST(StrategyOutputFile, ThePathOfTheStandardOutputWritesThroughIt) {
    // As /dev/stdout does when the output goes to a file: the bytes come before the report.
    const std::string path = FreshFolder("output-stdout") + "all.out";
    std::FILE* out = std::fopen(path.c_str(), "wb");
    ASSERT_NE(out, nullptr);
    OutputFile(path, out).Write(kBytes);
    WriteAll(out, "report", "the output");
    std::fclose(out);
    EXPECT_EQ(ReadWhole(path), "\x01\x02\x03report");
}

TEST(StrategyCommandLine, ReadsEachCommandWithItsOptions) {
    const StrategyOptions hold =
        ParseStrategyOptions({"hold", "Kh 2c 5d 9s Ah", "--json", "--pays", "1,1,1,1,1,1,1,1,1,1"});
    EXPECT_EQ(hold.command, Command::Hold);
    EXPECT_TRUE(hold.json);
    EXPECT_EQ(hold.dealt, ParseHand("Kh 2c 5d 9s Ah"));  // kept in the order typed
    EXPECT_EQ(hold.pays.perCategory[1], 1);

    PayTable table{};
    InitTables(table);
    const StrategyOptions plain = ParseStrategyOptions({"return", "--threads", "3"});
    EXPECT_EQ(plain.command, Command::Return);
    EXPECT_FALSE(plain.json);
    EXPECT_EQ(plain.threads, 3u);
    EXPECT_EQ(plain.pays, analysis::GamePays(table));

    EXPECT_EQ(ParseStrategyOptions({"deal-counts", "--help"}).command, Command::Help);
    EXPECT_EQ(ParseStrategyOptions({"--version"}).command, Command::Version);
    EXPECT_EQ(plain.ties, analysis::TieBreak::LowerVariance);
    EXPECT_EQ(ParseStrategyOptions({"return", "--ties", "higher-variance"}).ties,
              analysis::TieBreak::HigherVariance);
    const StrategyOptions chart = ParseStrategyOptions({"chart", "--holds-out", "holds.bin"});
    EXPECT_EQ(chart.command, Command::Chart);
    EXPECT_EQ(chart.holdsOut, "holds.bin");
    EXPECT_FALSE(hold.detail);
    EXPECT_TRUE(ParseStrategyOptions({"hold", "--detail", "Kh 2c 5d 9s Ah"}).detail);
    EXPECT_THROW(ParseStrategyOptions({"return", "--detail"}), UsageError);
}

TEST(StrategyReports, HoldJsonListsAllHoldsAndMarksBothSidesOfATie) {
    const analysis::HoldAdvisor advisor(analysis::SharedTables(), analysis::FullPays());
    const std::string json = HoldReport(ParseHand("3c 5d 9s Jh Kd"), advisor, true);
    std::size_t holds = 0;
    for (std::size_t at = json.find("{\"cards\""); at != std::string::npos;
         at = json.find("{\"cards\"", at + 1))
        ++holds;
    EXPECT_EQ(holds, 32u);
    std::size_t ties = 0;
    for (std::size_t at = json.find("\"tie\":true"); at != std::string::npos;
         at = json.find("\"tie\":true", at + 1))
        ++ties;
    // A hold is marked when any other hold has exactly its value.
    const auto ranked = advisor.RankHolds(ParseHand("3c 5d 9s Jh Kd"));
    std::size_t shared = 0;
    for (const auto& a : ranked) {
        bool tied = false;
        for (const auto& b : ranked)
            tied = tied ||
                   (&a != &b && a.ExpectedPay(advisor.pays()) == b.ExpectedPay(advisor.pays()));
        shared += tied;
    }
    EXPECT_GE(shared, 2u);
    EXPECT_EQ(ties, shared);
    EXPECT_EQ(json.find("{\"cards\":[],"), json.rfind("{\"cards\":[],")) << "one draw-five hold";
}

// The whole numbers that follow each `key` in `json`, in order; null reads as 0.
std::vector<std::int64_t> NumbersAfter(const std::string& json, const std::string& key) {
    std::vector<std::int64_t> numbers;
    for (std::size_t at = json.find(key); at != std::string::npos; at = json.find(key, at + 1))
        numbers.push_back(json.compare(at + key.size(), 4, "null") == 0
                              ? 0
                              : std::stoll(json.substr(at + key.size(), 20)));
    return numbers;
}

TEST(StrategyReports, HoldDetailGivesEachHoldsFinalHandsAndChartLineAsTheLibrary) {
    PayTable table{};
    InitTables(table);
    const analysis::HoldAdvisor advisor(analysis::SharedTables(), analysis::GamePays(table));
    const Hand dealt = ParseHand("7h 2c 8h 2d 9h");
    const analysis::HandAnalysis expected =
        analysis::AnalyzeHand(advisor, dealt, &analysis::GameChart());
    const std::string json = HoldReport(dealt, advisor, true, &analysis::GameChart(), true);
    const std::vector<std::int64_t> ways = NumbersAfter(json, "\"ways\":");
    const std::vector<std::int64_t> lines = NumbersAfter(json, "\"chart_line\":");
    const std::vector<std::int64_t> draws = NumbersAfter(json, "\"draws\":");
    ASSERT_EQ(ways.size(), std::size_t(analysis::kHoldCount * kCategoryCount));
    ASSERT_EQ(lines.size(), std::size_t(analysis::kHoldCount));
    for (std::size_t i = 0; i < expected.holds.size(); ++i) {
        const analysis::HoldAnalysis& hold = expected.holds[i];
        EXPECT_EQ(lines[i], hold.chartLine + 1) << i;
        EXPECT_EQ(draws[i], hold.hold.drawCount) << i;
        for (int c = 0; c < kCategoryCount; ++c)
            EXPECT_EQ(ways[i * kCategoryCount + std::size_t(c)], hold.finals[c]) << i << " " << c;
    }
    EXPECT_EQ(NumbersAfter(HoldReport(dealt, advisor, true), "\"ways\":").size(), 0u);

    // In text the chart's column only lengthens each row, and the detail follows each hold.
    std::istringstream plain(HoldReport(dealt, advisor, false));
    std::istringstream charted(HoldReport(dealt, advisor, false, &analysis::GameChart()));
    std::string plainRow, chartedRow;
    while (std::getline(plain, plainRow)) {
        ASSERT_TRUE(std::getline(charted, chartedRow));
        EXPECT_EQ(chartedRow.substr(0, plainRow.size()), plainRow);
    }
    EXPECT_FALSE(std::getline(charted, chartedRow));
    EXPECT_NE(
        HoldReport(dealt, advisor, false, &analysis::GameChart()).find(expected.holds[0].chartText),
        std::string::npos);
    const std::string detail = HoldReport(dealt, advisor, false, nullptr, true);
    std::size_t tables = 0;
    for (std::size_t at = detail.find("final hand"); at != std::string::npos;
         at = detail.find("final hand", at + 1))
        ++tables;
    EXPECT_EQ(tables, std::size_t(analysis::kHoldCount));
}

}  // namespace
}  // namespace modcards::strategy
