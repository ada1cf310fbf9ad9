// The sync round of a batch: outputs named only after their data is synced, each worker
// told how its own output went, a failing folder sync failing exactly its outputs.

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "files/output_error.h"
#include "files/output_file.h"
#include "files/output_group.h"
#include "files/sync_round.h"
#include "support/temp_dir.h"

namespace lumetra {
namespace {

using testing::NamesIn;
using testing::TempDir;

enum class End { Settle, Close };

// One worker's output: a file, or a group of two, in folder a or b.
struct Output {
  const char* folder;
  bool group;
  int error = -1;  // what its commit() threw, 0 for none
};

void CommitOne(SyncRound& round, const TempDir& dir, Output& output) {
  const std::string stem = dir.file(std::string(output.folder) + "/" + (output.group ? "g" : "f"));
  try {
    if (output.group) {
      OutputGroup group;
      group.begin(stem + "1.srt").writeLine("one");
      group.begin(stem + "2.srt").writeLine("two");
      round.commit(group);
    } else {
      OutputFile file(stem + ".srt");
      file.writeLine("one");
      round.commit(file);
    }
    output.error = 0;
  } catch (const OutputError& error) {
    output.error = error.errorNumber();
  }
}

TEST(SyncRound, TellsEachWorkerTheOutcomeOfItsOwnOutputs) {
  struct Case {
    const char* name;
    const char* failingFolder;  // its sync fails with EIO
    End end;
    int errorInA;
    int errorInB;
    std::vector<std::string> namesInA;
  };
  const Case cases[] = {
      {"every sync succeeds", "", End::Settle, 0, 0, {"f.srt", "g1.srt", "g2.srt"}},
      // Named, data whole, but not known to survive a power cut: told as failed.
      {"one folder's sync fails", "a", End::Settle, EIO, 0, {"f.srt", "g1.srt", "g2.srt"}},
      {"a closed round names nothing", "", End::Close, ECANCELED, ECANCELED, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    std::filesystem::create_directory(dir.file("a"));
    std::filesystem::create_directory(dir.file("b"));
    int folderSyncs = 0;
    SyncRound round([] {},
                    [&](const std::string& folder) {
                      ++folderSyncs;
                      return folder == dir.file(c.failingFolder) ? EIO : 0;
                    });
    std::vector<Output> outputs{{"a", false}, {"a", true}, {"b", false}};
    std::vector<std::thread> workers;
    for (Output& output : outputs) {
      workers.emplace_back([&] { CommitOne(round, dir, output); });
    }
    while (round.waiting() < outputs.size()) {
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_TRUE(NamesIn(dir.file("a")).empty()) << "named before the settle";
    c.end == End::Settle ? round.settle() : round.close();
    for (std::thread& worker : workers) {
      worker.join();
    }
    EXPECT_EQ(outputs[0].error, c.errorInA);
    EXPECT_EQ(outputs[1].error, c.errorInA);
    EXPECT_EQ(outputs[2].error, c.errorInB);
    EXPECT_EQ(NamesIn(dir.file("a")), c.namesInA);
    EXPECT_EQ(folderSyncs, c.end == End::Settle ? 2 : 0);  // each folder once
  }
}

}  // namespace
}  // namespace lumetra
