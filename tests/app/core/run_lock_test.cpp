// The program folder's lock: one holder, however close the starts; a dead
// holder's lock is taken over.
#include "app/run_lock.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace app {
namespace {

TEST(RunLockTest, SecondLockInTheSameFolderIsRefusedUntilTheFirstEnds) {
  QTemporaryDir home;
  const QString folder = home.filePath("program");
  {
    RunLock first(folder);
    ASSERT_TRUE(first.acquired());
    EXPECT_FALSE(RunLock(folder).acquired());
  }
  EXPECT_TRUE(RunLock(folder).acquired());
}

// Processes started together, released at the same moment through a pipe:
// exactly one holds the lock.
TEST(RunLockTest, RacingStartsGiveOneHolder) {
  QTemporaryDir home;
  const QString folder = home.filePath("program");
  for (int round = 0; round < 5; ++round) {
    int go[2], results[2];
    ASSERT_EQ(pipe(go), 0);
    ASSERT_EQ(pipe(results), 0);
    constexpr int kStarts = 4;
    pid_t children[kStarts];
    for (pid_t& child : children) {
      child = fork();
      if (child == 0) {
        close(go[1]);
        char byte;
        if (read(go[0], &byte, 1) != 1) _exit(2);
        RunLock lock(folder);
        const char held = lock.acquired() ? '1' : '0';
        if (write(results[1], &held, 1) != 1) _exit(2);
        usleep(300000);  // held while the others try
        _exit(0);
      }
    }
    close(go[0]);
    close(results[1]);
    const char start[kStarts] = {};
    ASSERT_EQ(write(go[1], start, kStarts), kStarts);
    close(go[1]);
    int holders = 0;
    char held;
    for (int i = 0; i < kStarts; ++i) {
      ASSERT_EQ(read(results[0], &held, 1), 1);
      holders += held == '1';
    }
    close(results[0]);
    for (pid_t child : children) waitpid(child, nullptr, 0);
    EXPECT_EQ(holders, 1) << "round " << round;
  }
}

// A holder killed without releasing: its lock is taken over at the next start.
TEST(RunLockTest, LockOfAKilledProgramIsTakenOver) {
  QTemporaryDir home;
  const QString folder = home.filePath("program");
  pid_t child = fork();
  if (child == 0) {
    RunLock lock(folder);
    _exit(lock.acquired() ? 0 : 1);  // ends without the destructor releasing it
  }
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_EQ(WEXITSTATUS(status), 0);
  EXPECT_TRUE(QFile::exists(folder + "/" + RunLock::fileName()));
  EXPECT_TRUE(RunLock(folder).acquired());
}

}  // namespace
}  // namespace app
