#pragma once
// A program run as a separate process, as a user or a script would start it: its own
// working directory and exactly the environment given. Its standard output is read line
// by line while it runs, each wait bounded by a deadline; its standard error is kept for
// failure messages.

#include <functional>
#include <string>
#include <vector>

class ChildProcess
{
public:
	// Starts arguments[0] (a path). An empty directory keeps the current one.
	ChildProcess(const std::vector<std::string>& arguments, const std::vector<std::string>& environment,
		const std::string& directory = "");
	// A child still running is stopped (terminated, killed if it does not end) and reaped.
	~ChildProcess();
	ChildProcess(const ChildProcess&) = delete;
	ChildProcess& operator=(const ChildProcess&) = delete;

	bool started() const { return m_pid > 0; }
	// Reads output until a line containing text has come (any line for an empty text).
	// False when the output ended or the deadline passed first.
	bool waitForLine(const std::string& text, int timeoutMs);
	// Every complete line read so far, in order.
	const std::vector<std::string>& lines() const { return m_lines; }
	void sendSignal(int signalNumber);
	// Holds the child's main thread at the start of its next system call of this number,
	// calls whileHeld there and lets the call go on untraced. False when the child ended
	// first or the deadline passed (checked at each of its system calls).
	bool holdAtSystemCall(long number, int timeoutMs, const std::function<void()>& whileHeld);
	// Reads the rest of the output and waits for the child to end; its wait status, or -1
	// when it did not end in time (it is then stopped).
	int finish(int timeoutMs);
	std::string errorOutput() const;

	// Runs a program to its end; its wait status (-1 after the deadline) and its output.
	static int run(const std::vector<std::string>& arguments, const std::vector<std::string>& environment,
		std::string* output = nullptr, int timeoutMs = 30000);

private:
	// One read of whatever output is ready within timeoutMs; false at the end of the output.
	bool readSome(int timeoutMs);
	void kill();

	int m_pid = -1;
	int m_outputFd = -1;
	std::string m_errorPath;
	std::string m_pending;
	std::vector<std::string> m_lines;
};
