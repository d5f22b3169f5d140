#include "ContentPath.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "Fetch.h"
#include "StandInServers.h"
#include "support/TempDir.h"

namespace tarvo::servers {
namespace {

using testing::Fetch;

TEST(ContentFileFor, PathsAndQueriesNameFilesBelowTheFolder) {
  EXPECT_EQ(ContentFileFor("/tarvo/update.txt", ""), "tarvo/update.txt");
  EXPECT_EQ(ContentFileFor("/article.asp", "id=109"), "article.asp@id=109");
  EXPECT_EQ(ContentFileFor("//etc/passwd", ""), "etc/passwd");
  EXPECT_EQ(ContentFileFor("/q", "..%2F..%2Fsecret.txt"), "q@..%2F..%2Fsecret.txt");  // one name
}

TEST(ContentFileFor, NothingThatCouldWalkOutMapsToAFile) {
  EXPECT_FALSE(ContentFileFor("/a/../b", ""));
  EXPECT_FALSE(ContentFileFor("/..", ""));
  EXPECT_FALSE(ContentFileFor("/./a", ""));
  EXPECT_FALSE(ContentFileFor("/q", "../../../../secret.txt"));
  EXPECT_FALSE(ContentFileFor("/q", "a/b"));
  EXPECT_FALSE(ContentFileFor("/q", "/"));
  EXPECT_FALSE(ContentFileFor(std::string("/a\0b", 4), ""));
  EXPECT_FALSE(ContentFileFor("relative", ""));
}

TEST(ContainedFile, OnlyRegularFilesInsideTheFolderEvenThroughLinks) {
  tarvo::testing::TempDir dir;
  dir.Write("secret.txt", "outside");
  dir.Write("content/in.txt", "inside");
  std::filesystem::create_symlink(dir.File("secret.txt"), dir.File("content/link.txt"));
  std::filesystem::create_symlink(dir.File("content/in.txt"), dir.File("content/alias.txt"));
  const std::string content = dir.File("content");
  EXPECT_TRUE(ContainedFile(content, "in.txt"));
  EXPECT_TRUE(ContainedFile(content, "alias.txt"));
  EXPECT_FALSE(ContainedFile(content, "link.txt"));
  EXPECT_FALSE(ContainedFile(content, "../secret.txt"));
  EXPECT_FALSE(ContainedFile(content, "missing.txt"));
  EXPECT_FALSE(ContainedFile(content, ""));  // the folder itself
}

// Folders whose names end in "@.." turn a query of "../" into a walk upwards
// when the query is glued on unchecked.
class ContentPathServerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    data_.Write("secret.txt", "SECRET");
    data_.Write("content/q@../placeholder", "");
    data_.Write("content/q@..%2F/placeholder", "");
    data_.Write("content/sub/q@../placeholder", "");
    data_.Write("content/ok.txt", "fine");
    ServerOptions options;
    options.dataDir = data_.Path();
    std::string error;
    ASSERT_TRUE(servers_.Start(options, &error)) << error;
  }
  testing::Fetched Get(const std::string& target) { return Fetch(servers_.HttpBase() + target); }

  tarvo::testing::TempDir data_;
  StandInServers servers_;
};

TEST_F(ContentPathServerTest, QueriesAndPathsNeverReachAFileAboveTheFolder) {
  for (const char* target :
       {"/q?../../../secret.txt", "/q?../../secret.txt", "/q?../../../../secret.txt", "/sub/q?../../../secret.txt",
        "/q?..%2F..%2Fsecret.txt", "/q?..%2f..%2fsecret.txt", "/q?%2E%2E/%2E%2E/secret.txt",
        "/q?..%2F/../../secret.txt", "/..%2Fsecret.txt", "/%2E%2E/secret.txt", "/%2e%2e%2fsecret.txt",
        "/sub/..%2F..%2Fsecret.txt", "//../secret.txt"}) {
    const auto fetched = Get(target);
    EXPECT_EQ(fetched.status, 404) << target;
    EXPECT_EQ(fetched.body.find("SECRET"), std::string::npos) << target;
  }
  EXPECT_EQ(Get("/ok.txt").body, "fine");
}

}  // namespace
}  // namespace tarvo::servers
