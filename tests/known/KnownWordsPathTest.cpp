#include <gtest/gtest.h>
#include <stdlib.h>

#include <optional>
#include <string>

#include "known/KnownWordsPath.h"

namespace tarn {
namespace {

// Sets an environment variable for the test's lifetime.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const char* value) : name_(name) {
    if (const char* old = ::getenv(name)) old_ = old;
    value == nullptr ? ::unsetenv(name) : ::setenv(name, value, 1);
  }
  ~ScopedVariable() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(KnownWordsPathTest, FollowsTheDataHomeAndFallsBackToTheHomeFolder) {
  const ScopedVariable home("HOME", "/home/learner");
  {
    const ScopedVariable data("XDG_DATA_HOME", "/tmp/data");
    EXPECT_EQ(DefaultKnownWordsPath(), "/tmp/data/tarn/我的熟词本.txt");
  }
  for (const char* unusable : {static_cast<const char*>(nullptr), "", "relative/data"}) {
    const ScopedVariable data("XDG_DATA_HOME", unusable);
    EXPECT_EQ(DefaultKnownWordsPath(), "/home/learner/.local/share/tarn/我的熟词本.txt");
  }
}

}  // namespace
}  // namespace tarn
