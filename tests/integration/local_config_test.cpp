#include <gtest/gtest.h>

#include "core/config/local_config.h"
#include "support/temp_dir.h"

namespace vantrel {
namespace {

const char* const kComplete =
    "[SELF]\r\nversion=\"1.3\"\r\n"
    "[UPDATE]\r\nhttpServer=\"http://127.0.0.2\"\r\nhttpPath=\"/upd/\"\r\nconfFile=\"update.ini\"\r\n"
    "updatePath=\"\"\r\n"
    "[PRODUCT]\r\nname=\"Demo\"\r\ntaskID=\"demo.exe\"\r\npath=\"prod\\\"\r\nvermanager=\"demo.exe\"\r\n"
    "taskShutdown=\"\"\r\ntoStart=\"demo.exe\"\r\n"
    "[INI]\r\npath=\"*#CSIDL_COMMON_DOCUMENTS*\\Zelmar\\\"\r\nfileName=\"demo.ini\"\r\n";

std::string withVersion(const std::string& version) {
  std::string text = kComplete;
  return text.replace(text.find("1.3"), 3, version);
}

TEST(ReadLocalConfig, ResultCodes) {
  struct Case {
    const char* name;
    std::string content;
    ReadStatus expected;
  } cases[] = {
      {"only SELF", "[SELF]\r\nversion=\"1.3\"\r\n", kReadValueMissing},
      {"version 1.2", withVersion("1.2"), kReadVersionTooOld},
      {"version 1.29", withVersion("1.29"), kReadVersionTooOld},
      {"version 1.30", withVersion("1.30"), kReadValueMissing},
      {"no version", "[UPDATE]\r\nhttpServer=x\r\n", kReadVersionTooOld},
      {"empty file", "", kReadVersionTooOld},
  };
  for (const Case& c : cases) {
    test::TempDir dir;
    dir.write("vantrel.cfg", c.content);
    LocalConfig config;
    EXPECT_EQ(readLocalConfig(config, dir.path()), c.expected) << c.name;
  }
}

TEST(ReadLocalConfig, ACompleteFileIsStoredWithoutQuotes) {
  test::TempDir dir;
  // updatePath is required: a complete file names one.
  dir.write("vantrel.cfg", std::string(kComplete).replace(std::string(kComplete).find("updatePath=\"\""), 13,
                                                          "updatePath=\"bin\\\""));
  LocalConfig config;
  ASSERT_EQ(readLocalConfig(config, dir.path()), kReadComplete);
  EXPECT_EQ(config.httpServer, "http://127.0.0.2");
  EXPECT_EQ(config.httpPath, "/upd/");
  EXPECT_EQ(config.confFile, "update.ini");
  EXPECT_EQ(config.updatePath, "bin\\");
  EXPECT_EQ(config.name, "Demo");
  EXPECT_EQ(config.path, "prod\\");
  EXPECT_EQ(config.taskShutdown, "");
  EXPECT_EQ(config.iniPath, "*#CSIDL_COMMON_DOCUMENTS*\\Zelmar\\");
  EXPECT_EQ(config.iniFileName, "demo.ini");
}

TEST(ReadLocalConfig, AnIncompleteFileIsStillReadWhole) {
  test::TempDir dir;
  dir.write("vantrel.cfg", std::string(kComplete));  // updatePath is empty
  LocalConfig config;
  EXPECT_EQ(readLocalConfig(config, dir.path()), kReadValueMissing);
  EXPECT_EQ(config.iniFileName, "demo.ini");
}

TEST(ReadLocalConfig, MissingFileAndDirectoryLeaveTheRecordUntouched) {
  test::TempDir dir;
  LocalConfig config;
  config.name = "unchanged";
  EXPECT_EQ(readLocalConfig(config, dir.path()), kReadFileMissing);
  dir.makeDir("vantrel.cfg");
  EXPECT_EQ(readLocalConfig(config, dir.path()), kReadFileMissing);
  EXPECT_EQ(config.name, "unchanged");
}

}  // namespace
}  // namespace vantrel
