// A program kept in a drive's root: program_dir is the drive letter with its colon, and the
// workspace is that drive's root folder "Cubeworks-Admin".
#ifdef _WIN32
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/startup.h"
#include "config/properties.h"
#include "config/workspace.h"
#include "payload/payload.h"
#include "platform/files.h"
#include "support/fake_platform.h"
#include "support/headless_ui.h"
#include "ui/main_window_layout.h"

namespace cw {
namespace {

TEST(DriveRoot, StartUpDeploysTheWorkspaceIntoTheDrivesRoot) {
    // The test run maps this drive onto an empty folder (see scripts/wine-run.sh).
    const char* drive = std::getenv("CW_TEST_DRIVE");
    if (!drive || !fs::file_exists(std::string(drive) + "\\")) {
        GTEST_SKIP() << "no empty drive was provided for this run";
    }
    const std::string program_dir = program_dir_of(std::string(drive) + "\\Cubeworks.exe");
    ASSERT_EQ(program_dir, drive);

    HeadlessUi ui{main_window_spec()};
    test::FakePlatform platform;
    AppState app(program_dir, ui, ui, platform);
    on_main_window_created(app);

    const std::string root = program_dir + "\\Cubeworks-Admin";
    EXPECT_TRUE(fs::file_exists(root));
    EXPECT_TRUE(fs::read_whole_file(root + "\\server.properties") == default_properties_text());
    EXPECT_TRUE(fs::read_whole_file(root + "\\plugins\\Cubeworks-rs.jar") ==
                payload::as_text(payload::companion_jar()));
    EXPECT_TRUE(fs::read_whole_file(root + "\\Cubeworks-World.jar") ==
                payload::as_text(payload::server_jar()));
}

}  // namespace
}  // namespace cw
#endif
