// The child process of each platform side, driven through the test child program.
#include "platform/child_process.h"

#include <gtest/gtest.h>

#include <atomic>

#include "platform/files.h"
#include "platform/platform.h"
#include "platform_test_support.h"
#include "support/temp_folder.h"

namespace cw::test {
namespace {

class ChildTest : public ::testing::Test {
  protected:
    void SetUp() override { saved_dir_ = current_directory(); }
    void TearDown() override {
        // Starting a child changes the manager's current directory; put it back.
        fs::set_current_directory(saved_dir_);
        for (auto& run : runs_) {
            if (run->is_alive()) run->terminate();
        }
    }

    std::shared_ptr<ChildRun> start(const std::string& arguments = "") {
        auto run = platform_->start_child(child_command(arguments), temp_.path(), 0);
        runs_.push_back(run);
        return run;
    }

    // Waits (bounded) until the run reports that its child has gone.
    static bool ends_within(ChildRun& run, int seconds) {
        for (int i = 0; i < seconds * 100; ++i) {
            if (!run.is_alive()) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }

    std::unique_ptr<Platform> platform_ = make_system_platform();
    TempFolder temp_;
    std::string saved_dir_;
    std::vector<std::shared_ptr<ChildRun>> runs_;
};

TEST_F(ChildTest, EchoesInputAndMergesErrorOutput) {
    auto run = start();
    ASSERT_NE(run->process_id(), 0u);
    EXPECT_TRUE(run->is_alive());
    EXPECT_TRUE(run->write_line("echo hello world"));
    EXPECT_EQ(read_until(run, "\n"), "hello world\n");
    EXPECT_TRUE(run->write_line("err on standard error"));
    EXPECT_EQ(read_until(run, "\n"), "on standard error\n");
    EXPECT_TRUE(run->write_line(""));  // an empty line still reaches the child as a line
    EXPECT_EQ(read_until(run, ">"), "Unknown command. Type \"help\" for help.\n>");
}

TEST_F(ChildTest, AZeroByteEndsTheChunk) {
    auto run = start();
    ASSERT_TRUE(run->write_line("zero"));
    EXPECT_EQ(read_chunk(run), "ab");
    ASSERT_TRUE(run->write_line("echo next"));
    EXPECT_EQ(read_until(run, "next\n"), "next\n");
}

TEST_F(ChildTest, LargeOutputArrivesWholeAndInOrder) {
    constexpr long total = 5'000'000;
    struct Tally {
        std::atomic<long> received{0};
        std::atomic<long> first_wrong{-1};
        std::atomic<std::size_t> largest{0};
    };
    auto tally = std::make_shared<Tally>();
    auto run = start();
    ASSERT_TRUE(run->write_line("burst " + std::to_string(total)));
    const bool ended = finishes_within(120, [run, tally] {
        long received = 0;
        while (received < total) {
            const std::string chunk = run->read(260);
            if (chunk.empty()) break;
            if (chunk.size() > tally->largest) tally->largest = chunk.size();
            for (char c : chunk) {
                if (tally->first_wrong < 0 && c != static_cast<char>('0' + received % 10)) {
                    tally->first_wrong = received;
                }
                ++received;
            }
            tally->received = received;
        }
    });
    EXPECT_TRUE(ended);
    EXPECT_EQ(tally->received, total);
    EXPECT_EQ(tally->first_wrong, -1);
    EXPECT_LE(tally->largest, 260u);
}

TEST_F(ChildTest, AWaitingReadEndsWhenTheChildExits) {
    auto run = start();
    auto seen = std::make_shared<Collected>();
    auto reading = std::make_shared<std::atomic<bool>>(false);
    auto reader = std::async(std::launch::async, [&] {
        return finishes_within(30, [run, seen, reading] {
            *reading = true;
            for (std::string chunk; !(chunk = run->read(260)).empty();) seen->add(chunk);
        });
    });
    while (!*reading) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    std::this_thread::sleep_for(std::chrono::milliseconds(200));  // the read is waiting now
    ASSERT_TRUE(run->write_line("echo bye"));
    ASSERT_TRUE(run->write_line("exit 3"));
    EXPECT_TRUE(reader.get()) << "the read still waited after the child had exited";
    EXPECT_EQ(seen->text(), "bye\n");
    EXPECT_TRUE(ends_within(*run, 10));
    EXPECT_FALSE(run->write_line("echo too late"));
    EXPECT_EQ(read_chunk(run, 10), "");
}

TEST_F(ChildTest, OutputLeftWhenTheChildExitsIsStillRead) {
    auto run = start();
    ASSERT_TRUE(run->write_line("echo last words"));
    ASSERT_TRUE(run->write_line("exit 0"));
    ASSERT_TRUE(ends_within(*run, 10));
    EXPECT_EQ(read_until(run, "\n"), "last words\n");
    EXPECT_EQ(read_chunk(run, 10), "");
}

TEST_F(ChildTest, TerminateEndsTheChild) {
    auto run = start();
    ASSERT_TRUE(run->is_alive());
    EXPECT_TRUE(run->terminate());
    EXPECT_TRUE(ends_within(*run, 10));
    EXPECT_EQ(read_chunk(run, 10), "");
}

TEST_F(ChildTest, AFailedCreationGivesADeadRun) {
    auto run =
        platform_->start_child("\"" + temp_.path() + "/no such program.exe\" x", temp_.path(), 0);
    EXPECT_EQ(run->process_id(), 0u);
    EXPECT_FALSE(run->is_alive());
    EXPECT_FALSE(run->write_line("echo x"));
    EXPECT_FALSE(run->terminate());
    EXPECT_EQ(read_chunk(run, 10), "");
}

TEST_F(ChildTest, TheWorkingDirectoryBecomesTheChildsAndOurs) {
    TempFolder other;
    auto run = platform_->start_child(child_command(), other.path(), 0);
    runs_.push_back(run);
    const std::string ours = current_directory();
    ASSERT_TRUE(run->write_line("pwd"));
    EXPECT_EQ(read_until(run, "\n"), ours + "\n");
    const std::string leaf = other.path().substr(other.path().find_last_of("\\/"));
    EXPECT_EQ(ours.substr(ours.find_last_of("\\/")), leaf);
}

TEST_F(ChildTest, ArgumentsAreSplitByTheWindowsRules) {
    auto run = start("\"a b\" x\\\"y \"\" back\\\\slash \"tail\\\\\"");
    ASSERT_TRUE(run->write_line("args"));
    EXPECT_EQ(read_until(run, "[tail\\]\n"), "[a b]\n[x\"y]\n[]\n[back\\\\slash]\n[tail\\]\n");
}

TEST(ChildProcessTest, NothingIsAliveBeforeTheFirstStart) {
    auto platform = make_system_platform();
    ChildProcess process(*platform);
    EXPECT_FALSE(process.is_alive());
    EXPECT_EQ(process.process_id(), 0u);
    EXPECT_EQ(process.read(260), "");
    EXPECT_FALSE(process.write_line("echo x"));
}

TEST_F(ChildTest, ARestartKeepsTheFirstReaderOnTheFirstChild) {
    ChildProcess process(*platform_);
    ASSERT_TRUE(process.start(child_command(), temp_.path(), 0));
    auto first = process.current();
    runs_.push_back(first);
    const std::uint32_t first_pid = process.process_id();
    auto first_output = std::make_shared<Collected>();
    auto reader = std::async(std::launch::async, [&] {
        return finishes_within(30, [first, first_output] {
            for (std::string chunk; !(chunk = first->read(260)).empty();) first_output->add(chunk);
        });
    });

    ASSERT_TRUE(process.start(child_command(), temp_.path(), 0));
    runs_.push_back(process.current());
    EXPECT_NE(process.process_id(), first_pid);
    EXPECT_TRUE(process.write_line("echo to the second"));
    EXPECT_EQ(read_until(process.current(), "\n"), "to the second\n");

    EXPECT_TRUE(first->is_alive());
    EXPECT_TRUE(first->write_line("echo to the first"));
    EXPECT_TRUE(first->write_line("exit 0"));
    EXPECT_TRUE(reader.get()) << "the first run's reader still waited after its child had gone";
    EXPECT_EQ(first_output->text(), "to the first\n");
    EXPECT_TRUE(ends_within(*first, 10));
    EXPECT_TRUE(process.is_alive());  // the second child doesn't care that the first has gone
}

}  // namespace
}  // namespace cw::test
