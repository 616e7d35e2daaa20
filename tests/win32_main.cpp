// The main of the 32-bit test programs. GoogleTest's own printer hands
// every failure and skip message to OutputDebugStringA, which raises a Windows exception. Where
// qemu runs 32-bit Wine, a process with a second thread does not survive one (qemu keeps one
// table of thread segments for all threads, and Wine then finds another thread's data), so the
// run would end at the first failure or skip. This printer writes the same lines without it.
#include <gtest/gtest.h>

#include <cstdio>

namespace {

using testing::TestCase;
using testing::TestInfo;
using testing::TestSuite;
using testing::UnitTest;

class Printer : public testing::TestEventListener {
 public:
  explicit Printer(testing::TestEventListener* inner) : inner_(inner) {}
  ~Printer() override { delete inner_; }
  Printer(const Printer&) = delete;
  Printer& operator=(const Printer&) = delete;

  void OnTestPartResult(const testing::TestPartResult& result) override {
    if (result.type() == testing::TestPartResult::kSuccess) return;
    const char* file = result.file_name() ? result.file_name() : "unknown file";
    if (result.line_number() >= 0) {
      std::printf("%s:%d: ", file, result.line_number());
    } else {
      std::printf("%s: ", file);
    }
    std::printf("%s\n%s\n", result.skipped() ? "Skipped" : "Failure", result.message());
    std::fflush(stdout);
  }

  void OnTestProgramStart(const UnitTest& u) override { inner_->OnTestProgramStart(u); }
  void OnTestIterationStart(const UnitTest& u, int i) override { inner_->OnTestIterationStart(u, i); }
  void OnEnvironmentsSetUpStart(const UnitTest& u) override { inner_->OnEnvironmentsSetUpStart(u); }
  void OnEnvironmentsSetUpEnd(const UnitTest& u) override { inner_->OnEnvironmentsSetUpEnd(u); }
  void OnTestSuiteStart(const TestSuite& suite) override { inner_->OnTestSuiteStart(suite); }
#ifndef GTEST_REMOVE_LEGACY_TEST_CASEAPI_
  void OnTestCaseStart(const TestCase& suite) override { inner_->OnTestCaseStart(suite); }
#endif
  void OnTestStart(const TestInfo& info) override { inner_->OnTestStart(info); }
  void OnTestDisabled(const TestInfo& info) override { inner_->OnTestDisabled(info); }
  void OnTestEnd(const TestInfo& info) override { inner_->OnTestEnd(info); }
  void OnTestSuiteEnd(const TestSuite& suite) override { inner_->OnTestSuiteEnd(suite); }
#ifndef GTEST_REMOVE_LEGACY_TEST_CASEAPI_
  void OnTestCaseEnd(const TestCase& suite) override { inner_->OnTestCaseEnd(suite); }
#endif
  void OnEnvironmentsTearDownStart(const UnitTest& u) override { inner_->OnEnvironmentsTearDownStart(u); }
  void OnEnvironmentsTearDownEnd(const UnitTest& u) override { inner_->OnEnvironmentsTearDownEnd(u); }
  void OnTestIterationEnd(const UnitTest& u, int i) override { inner_->OnTestIterationEnd(u, i); }
  void OnTestProgramEnd(const UnitTest& u) override { inner_->OnTestProgramEnd(u); }

 private:
  testing::TestEventListener* inner_;
};

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  testing::TestEventListeners& listeners = UnitTest::GetInstance()->listeners();
  if (testing::TestEventListener* own = listeners.Release(listeners.default_result_printer())) {
    listeners.Append(new Printer(own));
  }
  return RUN_ALL_TESTS();
}
