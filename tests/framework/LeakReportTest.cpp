// The program's one leak check, made at the end of its entry point: a run that leaked
// memory of ours ends there with a non-zero status, a clean run goes on. Each runs in a
// child process, since the check ends the process when it finds a leak; the children leave
// with _Exit, which skips every check at process exit, so only the entry point's check counts.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <thread>

#include "LeakReport.h"

#if defined(TOLVANE_HAVE_LEAK_SANITIZER)
namespace
{
// Memory of ours that nothing points to any more. It is lost on a thread of its own: a
// copy of the pointer left in a dead frame of this thread's stack, which later calls reuse,
// would make the checker see it still held.
void loseSomeMemory()
{
	std::thread([] {
		char* volatile lost = new char[4096];
		lost[0] = 1;
		lost = nullptr;
	}).join();
}

bool endedWithZero(int status)
{
	return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool endedOtherwise(int status)
{
	return !endedWithZero(status);
}
} // namespace
#endif

TEST(LeakReportTest, EndOfProgramCheckFailsTheRunOnlyWhenMemoryOfOursLeaked)
{
#if defined(TOLVANE_HAVE_LEAK_SANITIZER)
	EXPECT_EXIT(
		{
			reportLeakedMemory();
			std::_Exit(0);
		},
		endedWithZero, "");
	EXPECT_EXIT(
		{
			loseSomeMemory();
			reportLeakedMemory();
			std::_Exit(0);
		},
		endedOtherwise, "LeakSanitizer: detected memory leaks");
#else
	GTEST_SKIP() << "this build carries no leak checker";
#endif
}
