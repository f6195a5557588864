#include "ChildProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/ptrace.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace
{
using Clock = std::chrono::steady_clock;
const int stopTimeoutMs = 5000;
const int pollIntervalMs = 10;

int millisecondsLeft(Clock::time_point deadline)
{
	const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
	return left > 0 ? static_cast<int>(left) : 0;
}

std::vector<char*> pointersTo(const std::vector<std::string>& strings)
{
	std::vector<char*> pointers;
	for (const std::string& s : strings)
		pointers.push_back(const_cast<char*>(s.c_str()));
	pointers.push_back(nullptr);
	return pointers;
}
} // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& arguments, const std::vector<std::string>& environment,
	const std::string& directory)
{
	char errorPattern[] = "/tmp/child-stderr-XXXXXX";
	const int errorFd = mkostemp(errorPattern, O_CLOEXEC);
	if (errorFd < 0)
		return;
	m_errorPath = errorPattern;
	int output[2];
	if (pipe2(output, O_CLOEXEC) != 0)
	{
		close(errorFd);
		return;
	}
	// Everything the child needs is made before fork: only exec-safe calls follow in it.
	std::vector<char*> argv = pointersTo(arguments);
	std::vector<char*> envp = pointersTo(environment);
	m_pid = fork();
	if (m_pid == 0)
	{
		dup2(output[1], STDOUT_FILENO);
		dup2(errorFd, STDERR_FILENO);
		if (!directory.empty() && chdir(directory.c_str()) != 0)
			_exit(127);
		execve(argv[0], argv.data(), envp.data());
		_exit(127);
	}
	close(output[1]);
	close(errorFd);
	m_outputFd = output[0];
}

ChildProcess::~ChildProcess()
{
	kill();
	if (m_outputFd >= 0)
		close(m_outputFd);
	if (!m_errorPath.empty())
		std::remove(m_errorPath.c_str());
}

bool ChildProcess::readSome(int timeoutMs)
{
	if (m_outputFd < 0)
		return false;
	pollfd ready = {m_outputFd, POLLIN, 0};
	if (poll(&ready, 1, timeoutMs) <= 0)
		return true;
	char buffer[4096];
	const ssize_t got = read(m_outputFd, buffer, sizeof buffer);
	if (got <= 0)
	{
		close(m_outputFd);
		m_outputFd = -1;
		return false;
	}
	m_pending.append(buffer, static_cast<size_t>(got));
	size_t end;
	while ((end = m_pending.find('\n')) != std::string::npos)
	{
		m_lines.push_back(m_pending.substr(0, end));
		m_pending.erase(0, end + 1);
	}
	return true;
}

bool ChildProcess::waitForLine(const std::string& text, int timeoutMs)
{
	const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
	size_t checked = 0;
	while (true)
	{
		for (; checked < m_lines.size(); ++checked)
			if (m_lines[checked].find(text) != std::string::npos)
				return true;
		const int left = millisecondsLeft(deadline);
		if (left == 0 || !readSome(left))
			return false;
	}
}

void ChildProcess::sendSignal(int signalNumber)
{
	if (m_pid > 0)
		::kill(m_pid, signalNumber);
}

bool ChildProcess::holdAtSystemCall(long number, int timeoutMs, const std::function<void()>& whileHeld)
{
	if (m_pid <= 0 || ptrace(PTRACE_SEIZE, m_pid, nullptr, PTRACE_O_TRACESYSGOOD) != 0 ||
		ptrace(PTRACE_INTERRUPT, m_pid, nullptr, nullptr) != 0)
		return false;
	const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
	int status = 0;
	while (waitpid(m_pid, &status, 0) == m_pid)
	{
		if (!WIFSTOPPED(status))
			break;
		// A signal about to be delivered goes on to the child; the stops tracing makes do not.
		const bool atSystemCall = WSTOPSIG(status) == (SIGTRAP | 0x80);
		const int signal = atSystemCall || (status >> 16) != 0 ? 0 : WSTOPSIG(status);
		__ptrace_syscall_info call = {};
		const bool held = atSystemCall && ptrace(PTRACE_GET_SYSCALL_INFO, m_pid, sizeof call, &call) > 0 &&
			call.op == PTRACE_SYSCALL_INFO_ENTRY && call.entry.nr == static_cast<unsigned long>(number);
		if (held)
			whileHeld();
		if (held || millisecondsLeft(deadline) == 0)
		{
			ptrace(PTRACE_DETACH, m_pid, nullptr, signal);
			return held;
		}
		ptrace(PTRACE_SYSCALL, m_pid, nullptr, signal);
	}
	// The child ended under tracing and was reaped here.
	m_pid = -1;
	return false;
}

int ChildProcess::finish(int timeoutMs)
{
	const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
	while (m_outputFd >= 0 && millisecondsLeft(deadline) > 0)
		readSome(millisecondsLeft(deadline));
	if (!m_pending.empty())
		m_lines.push_back(m_pending);
	m_pending.clear();
	while (m_pid > 0)
	{
		int status = 0;
		if (waitpid(m_pid, &status, WNOHANG) == m_pid)
		{
			m_pid = -1;
			return status;
		}
		if (millisecondsLeft(deadline) == 0)
			break;
		poll(nullptr, 0, pollIntervalMs);
	}
	kill();
	return -1;
}

std::string ChildProcess::errorOutput() const
{
	std::ifstream file(m_errorPath);
	std::ostringstream text;
	text << file.rdbuf();
	return text.str();
}

// Asked to end first (a server cleans up after itself), then made to.
void ChildProcess::kill()
{
	if (m_pid <= 0)
		return;
	::kill(m_pid, SIGTERM);
	const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(stopTimeoutMs);
	while (waitpid(m_pid, nullptr, WNOHANG) == 0)
	{
		if (millisecondsLeft(deadline) == 0)
		{
			::kill(m_pid, SIGKILL);
			waitpid(m_pid, nullptr, 0);
			break;
		}
		poll(nullptr, 0, pollIntervalMs);
	}
	m_pid = -1;
}

int ChildProcess::run(const std::vector<std::string>& arguments, const std::vector<std::string>& environment,
	std::string* output, int timeoutMs)
{
	ChildProcess child(arguments, environment);
	const int status = child.finish(timeoutMs);
	if (output != nullptr)
	{
		output->clear();
		for (const std::string& line : child.lines())
			*output += line + "\n";
	}
	return status;
}
