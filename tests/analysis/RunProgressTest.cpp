#include "analysis/RunProgress.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

// A file's bytes count once however often it is read, never beyond the size the run counted
// on, and the rest is made up when it is done, so the run ends exactly at its totals.
TEST(RunProgressTest, AFileReportsItsSizeOnceWhateverTheReads) {
  RunProgress run;
  run.Begin(2, 150);
  FileProgress grown(&run, "a.txt", 100);
  grown.Read(60);
  EXPECT_EQ(run.Now().bytes_done, 60u);
  EXPECT_EQ(run.Now().current_file, "a.txt");
  grown.Rewind();
  grown.Read(60);
  EXPECT_EQ(run.Now().bytes_done, 60u);
  grown.Read(80);
  EXPECT_EQ(run.Now().bytes_done, 100u);
  grown.Done();
  EXPECT_EQ(run.Now().files_done, 1u);

  FileProgress shrunk(&run, "b.txt", 50);
  shrunk.Read(10);
  shrunk.Done();
  const RunProgress::Figures end = run.Now();
  EXPECT_EQ(end.files_done, end.files_total);
  EXPECT_EQ(end.bytes_done, end.bytes_total);
  EXPECT_EQ(end.current_file, "b.txt");
}

// After a cancel the next read throws, and so does the next file; without a run nothing ever
// does.
TEST(RunProgressTest, ACancelStopsTheNextReadAndTheNextFile) {
  RunProgress run;
  run.Begin(2, 20);
  FileProgress open(&run, "a.txt", 10);
  open.Read(5);
  run.Cancel();
  EXPECT_THROW(open.Read(5), RunCancelled);
  EXPECT_THROW(FileProgress(&run, "b.txt", 10), RunCancelled);

  FileProgress alone(nullptr, "c.txt", 10);
  alone.Read(5);
  alone.Done();
  EXPECT_FALSE(alone.Cancelled());
}

}  // namespace
}  // namespace tarn
