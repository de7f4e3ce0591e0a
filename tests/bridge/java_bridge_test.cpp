// The Java bridge as the manager meets it: started as javaw.exe with anonymous pipes, it must
// hand java the arguments as Windows splits them, relay the console both ways without loss, pass
// the exit status back, take java with it when terminated, and make the JVM speak GBK.
#include <gtest/gtest.h>

#include <string>

#include "bridge_process.h"

using bridge_test::BridgeProcess;
using bridge_test::windows_path;

namespace {

constexpr DWORD kWait = 30000;  // generous: only a stuck bridge takes this long

std::string bridge_exe() {
    return windows_path(CW_JAVA_BRIDGE_EXE);
}

std::string work_dir(const std::string& name) {
    const std::string dir = windows_path(CW_TEST_WORK_DIR "/" + name);
    CreateDirectoryA(windows_path(CW_TEST_WORK_DIR).c_str(), nullptr);
    CreateDirectoryA(dir.c_str(), nullptr);
    return dir;
}

// Options that run the fake java (tests/bridge/fake_java) in the given mode.
BridgeProcess::Options fake_java(const std::string& mode, const std::string& arguments = "") {
    BridgeProcess::Options o;
    o.program = bridge_exe();
    o.arguments = arguments;
    o.directory = work_dir("fake");
    o.environment = {{"JAVA_HOME", CW_FAKE_JAVA_HOME}, {"CW_FAKE_JAVA", mode}};
    return o;
}

// A pattern of every byte value in a varying order, with line ends and zeros among them.
std::string pattern(size_t size) {
    std::string out(size, '\0');
    unsigned x = 12345;
    for (size_t i = 0; i < size; ++i) {
        x = x * 1103515245u + 12345u;
        out[i] = static_cast<char>((x >> 16) & 0xFF);
    }
    return out;
}

size_t first_difference(const std::string& a, const std::string& b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        if (a[i] != b[i]) return i;
    }
    return n;
}

// What the fake java's "streams" mode writes to output (o), error (e) or both in turn (oe).
std::string stream_lines(const std::string& which) {
    std::string out;
    for (int i = 1; i <= 300; ++i) {
        for (char c : which) out += (c == 'o' ? "out" : "err") + std::to_string(i) + "\n";
    }
    return out;
}

}  // namespace

// ---- What java is given ----

TEST(BridgeStart, ArgumentsReachJavaSplitAsWindowsSplitsThem) {
    BridgeProcess bridge;
    ASSERT_TRUE(bridge.start(fake_java(
        "report",
        "plain \"with space\" \"quote \\\"inside\\\"\" back\\slash \"trail\\\\\" a\\\\\\\"b \"\" "
        "x\"y\"z tab\tsep \\\\server\\share \xE4\xB8\xAD\xE6\x96\x87")));
    ASSERT_TRUE(bridge.output().wait_for_end(kWait));
    EXPECT_EQ(bridge.wait_for_exit(kWait), 0u);
    const std::string text = bridge.output().text();
    const std::string args = text.substr(0, text.find("cwd="));
    EXPECT_EQ(args,
              "<plain>\n"
              "<with space>\n"
              "<quote \"inside\">\n"
              "<back\\slash>\n"
              "<trail\\>\n"
              "<a\\\"b>\n"
              "<>\n"
              "<xyz>\n"
              "<tab>\n"
              "<sep>\n"
              "<\\\\server\\share>\n"
              "<\xD6\xD0\xCE\xC4>\n");  // 中文 in GBK
}

TEST(BridgeStart, JavaRunsInTheWindowsWorkingDirectoryUnderTheGbkLocale) {
    BridgeProcess bridge;
    BridgeProcess::Options o = fake_java("report");
    o.directory = work_dir("a folder with blanks");
    ASSERT_TRUE(bridge.start(o));
    ASSERT_TRUE(bridge.output().wait_for_end(kWait));
    const std::string text = bridge.output().text();
    EXPECT_NE(text.find("cwd=" CW_TEST_WORK_DIR "/a folder with blanks\n"), std::string::npos)
        << text;
    // Only a GBK locale gives the JVM GBK as its native, default and console charset.
    EXPECT_NE(text.find("charmap=GBK\n"), std::string::npos) << text;
    EXPECT_NE(text.find("LC_ALL=zh_CN.GBK\n"), std::string::npos) << text;
}

TEST(BridgeStart, JavaHomeMayBeAWindowsPath) {
    BridgeProcess bridge;
    BridgeProcess::Options o = fake_java("report", "x");
    o.environment[0].second = windows_path(CW_FAKE_JAVA_HOME);
    ASSERT_TRUE(bridge.start(o));
    ASSERT_TRUE(bridge.output().wait_for_end(kWait));
    EXPECT_EQ(bridge.output().text().rfind("<x>\n", 0), 0u) << bridge.output().text();
}

TEST(BridgeStart, WithoutJavaInJavaHomeTheHostJavaRuns) {
    BridgeProcess bridge;
    BridgeProcess::Options o = fake_java("report", "-version");
    o.environment[0].second = CW_TEST_WORK_DIR;  // no bin/java there
    ASSERT_TRUE(bridge.start(o));
    ASSERT_TRUE(bridge.output().wait_for_end(kWait));
    EXPECT_EQ(bridge.wait_for_exit(kWait), 0u);
    // The real java's answer to -version, not the fake's "<-version>".
    EXPECT_NE(bridge.output().text().find("version \""), std::string::npos)
        << bridge.output().text();
}

TEST(BridgeStart, JavaThatCannotRunIsReportedOnTheErrorHandle) {
    BridgeProcess bridge;
    BridgeProcess::Options o = fake_java("report", "x");
    o.environment[0].second = CW_BROKEN_JAVA_HOME;  // bin/java is executable but no program
    o.separate_error = true;
    ASSERT_TRUE(bridge.start(o));
    ASSERT_TRUE(bridge.error().wait_for_end(kWait));
    EXPECT_EQ(bridge.wait_for_exit(kWait), 1u);
    EXPECT_EQ(bridge.error().text(),
              "javaw: cannot run " CW_BROKEN_JAVA_HOME "/bin/java: Exec format error\r\n");
    EXPECT_EQ(bridge.output().text(), "");
}

// ---- The console ----

TEST(BridgeConsole, MegabytesPassBothWaysInOrderByteForByte) {
    BridgeProcess bridge;
    ASSERT_TRUE(bridge.start(fake_java("echo")));
    const std::string sent = pattern(6 * 1024 * 1024);
    ASSERT_TRUE(bridge.write(sent));
    bridge.close_input();
    ASSERT_TRUE(bridge.output().wait_for_end(kWait));
    const std::string got = bridge.output().text();
    ASSERT_EQ(got.size(), sent.size());
    EXPECT_TRUE(got == sent) << "first difference at byte " << first_difference(got, sent);
    EXPECT_EQ(bridge.wait_for_exit(kWait), 0u);
}

TEST(BridgeConsole, EndOfInputReachesJavaWhileTheBridgeRuns) {
    BridgeProcess bridge;
    ASSERT_TRUE(bridge.start(fake_java("echo")));
    ASSERT_TRUE(bridge.write("stop\r\n"));
    ASSERT_TRUE(bridge.output().wait_for("stop\r\n", kWait));
    EXPECT_EQ(bridge.wait_for_exit(0), STILL_ACTIVE);  // cat still reads
    bridge.close_input();
    EXPECT_EQ(bridge.wait_for_exit(kWait), 0u);
    EXPECT_EQ(bridge.output().text(), "stop\r\n");
}

TEST(BridgeConsole, OutputAndErrorOnOneHandleKeepTheirOrder) {
    BridgeProcess bridge;
    ASSERT_TRUE(bridge.start(fake_java("streams")));
    ASSERT_TRUE(bridge.output().wait_for_end(kWait));
    EXPECT_EQ(bridge.output().text(), stream_lines("oe"));
}

TEST(BridgeConsole, OutputAndErrorOnTwoHandlesStayApart) {
    BridgeProcess bridge;
    BridgeProcess::Options o = fake_java("streams");
    o.separate_error = true;
    ASSERT_TRUE(bridge.start(o));
    ASSERT_TRUE(bridge.output().wait_for_end(kWait));
    ASSERT_TRUE(bridge.error().wait_for_end(kWait));
    EXPECT_EQ(bridge.output().text(), stream_lines("o"));
    EXPECT_EQ(bridge.error().text(), stream_lines("e"));
}

// ---- Ending ----

TEST(BridgeEnd, JavaExitStatusBecomesTheBridgeExitCode) {
    for (const char* status : {"0", "1", "42", "255"}) {
        BridgeProcess bridge;
        BridgeProcess::Options o = fake_java("exit");
        o.environment.emplace_back("CW_FAKE_JAVA_STATUS", status);
        ASSERT_TRUE(bridge.start(o));
        EXPECT_EQ(bridge.wait_for_exit(kWait), static_cast<DWORD>(std::stoul(status)))
            << "status " << status;
    }
}

TEST(BridgeEnd, JavaEndedBySignalGives128PlusTheSignal) {
    BridgeProcess bridge;
    ASSERT_TRUE(bridge.start(fake_java("killed")));
    EXPECT_EQ(bridge.wait_for_exit(kWait), 128u + 9u);
}

TEST(BridgeEnd, TerminatingTheBridgeEndsJava) {
    BridgeProcess bridge;
    ASSERT_TRUE(bridge.start(fake_java("hang")));
    ASSERT_TRUE(bridge.output().wait_for("\n", kWait)) << bridge.output().text();
    const std::string line = bridge.output().text();
    ASSERT_EQ(line.rfind("pid=", 0), 0u) << line;
    const unsigned long pid = std::stoul(line.substr(4));
    ASSERT_TRUE(bridge_test::unix_process_running(pid));

    bridge.terminate();
    EXPECT_EQ(bridge.wait_for_exit(kWait), 1u);
    // The kill is asynchronous: wait (bounded) for the process to disappear.
    const ULONGLONG deadline = GetTickCount64() + kWait;
    while (bridge_test::unix_process_running(pid) && GetTickCount64() < deadline) Sleep(20);
    EXPECT_FALSE(bridge_test::unix_process_running(pid))
        << "java " << pid << " outlived the bridge";
}

// ---- The real JVM ----

class BridgeRealJava : public ::testing::Test {
  protected:
    void SetUp() override {
        if (std::string(CW_JDK_HOME).empty()) GTEST_SKIP() << "no JDK found at configure time";
    }
    BridgeProcess::Options java(const std::string& arguments, const std::string& directory) {
        BridgeProcess::Options o;
        o.program = bridge_exe();
        o.arguments = arguments;
        o.directory = directory;
        o.environment = {{"JAVA_HOME", CW_JDK_HOME}};
        return o;
    }
};

TEST_F(BridgeRealJava, ConsoleIsGbkBothWays) {
    BridgeProcess bridge;
    ASSERT_TRUE(bridge.start(java("-cp . BridgeProbe", windows_path(CW_BRIDGE_PROBE_DIR))));
    ASSERT_TRUE(bridge.output().wait_for("text=", kWait)) << bridge.output().text();
    ASSERT_TRUE(bridge.write("\xD6\xD0\xCE\xC4\r\n"));  // 中文 in GBK
    ASSERT_TRUE(bridge.output().wait_for_end(kWait));
    EXPECT_EQ(bridge.wait_for_exit(kWait), 0u);
    const std::string text = bridge.output().text();
    EXPECT_NE(text.find("default=GBK native=GBK jnu=GBK"), std::string::npos) << text;
    EXPECT_NE(text.find("text=\xD6\xD0\xCE\xC4"), std::string::npos) << text;
    // Two characters, the first U+4E2D: the input was read as GBK.
    EXPECT_NE(text.find("chars=2 first=20013"), std::string::npos) << text;
}

TEST_F(BridgeRealJava, ServerJarStartsAnswersCommandsAndStops) {
    const std::string dir = work_dir("server");
    ASSERT_TRUE(CopyFileA(windows_path(CW_SERVER_JAR).c_str(),
                          (dir + "\\Cubeworks-World.jar").c_str(), FALSE));
    const int port = bridge_test::free_tcp_port();
    ASSERT_NE(port, 0);
    ASSERT_TRUE(bridge_test::write_file(
        dir + "\\server.properties",
        "server-ip=127.0.0.1\r\nserver-port=" + std::to_string(port) + "\r\n"));

    BridgeProcess bridge;
    ASSERT_TRUE(bridge.start(
        java("-Xmx256M -Djline.terminal=jline.UnsupportedTerminal -jar Cubeworks-World.jar", dir)));
    ASSERT_TRUE(bridge.output().wait_for("Done (", kWait)) << bridge.output().text();
    ASSERT_TRUE(bridge.write("list\r\n"));
    EXPECT_TRUE(bridge.output().wait_for("players online", kWait)) << bridge.output().text();
    ASSERT_TRUE(bridge.write("stop\r\n"));
    EXPECT_EQ(bridge.wait_for_exit(kWait), 0u) << bridge.output().text();
}
