#pragma once
// A file that never ends: a named pipe that a background thread keeps filling with the same
// text over and over, so a test can hand a loader an endless stream by file name and see
// how much of it the loader took.

#include <atomic>
#include <cstddef>
#include <string>
#include <thread>

class EndlessFifo
{
public:
	// Creates the pipe at path; the writer starts once a reader opens it and stops when the
	// reader closes it, or after limit bytes should the reader never stop.
	EndlessFifo(std::string path, std::string pattern, std::size_t limit = std::size_t(256) << 20);
	// Stops the writer (also when nobody opened the pipe) and removes the pipe.
	~EndlessFifo();
	EndlessFifo(const EndlessFifo&) = delete;
	EndlessFifo& operator=(const EndlessFifo&) = delete;

	const std::string& path() const { return m_path; }
	// Stops the writer; what the reader took, plus at most what the pipe held.
	std::size_t bytesWritten();

private:
	void write();
	int openOnceAReaderComes();
	void stopWriter();

	std::string m_path;
	std::string m_pattern;
	std::size_t m_limit;
	std::atomic<std::size_t> m_written{0};
	std::atomic<bool> m_stopping{false};
	std::thread m_writer;
};
