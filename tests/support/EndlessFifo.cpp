#include "EndlessFifo.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <stdexcept>
#include <utility>

namespace
{
const std::size_t chunkSize = 64 * 1024;
} // namespace

EndlessFifo::EndlessFifo(std::string path, std::string pattern, std::size_t limit)
	: m_path(std::move(path)), m_pattern(std::move(pattern)), m_limit(limit)
{
	std::remove(m_path.c_str());
	if (mkfifo(m_path.c_str(), 0600) != 0)
		throw std::runtime_error("cannot make the pipe " + m_path);
	m_writer = std::thread([this] { write(); });
}

EndlessFifo::~EndlessFifo()
{
	stopWriter();
	std::remove(m_path.c_str());
}

std::size_t EndlessFifo::bytesWritten()
{
	stopWriter();
	return m_written;
}

void EndlessFifo::write()
{
	// A closed reader makes write() fail with EPIPE instead of killing the process.
	sigset_t pipeSignal;
	sigemptyset(&pipeSignal);
	sigaddset(&pipeSignal, SIGPIPE);
	pthread_sigmask(SIG_BLOCK, &pipeSignal, nullptr);

	std::string chunk;
	while (chunk.size() < chunkSize)
		chunk += m_pattern;
	const int fd = openOnceAReaderComes();
	if (fd < 0)
		return;
	while (m_written < m_limit)
	{
		const ssize_t done = ::write(fd, chunk.data(), chunk.size());
		if (done <= 0)
			break;
		m_written += static_cast<std::size_t>(done);
	}
	close(fd);
}

// Opening for writing without waiting fails until a reader has the pipe open; polling
// instead of a waiting open lets stopWriter end a writer that no reader ever came for.
int EndlessFifo::openOnceAReaderComes()
{
	while (!m_stopping)
	{
		const int fd = open(m_path.c_str(), O_WRONLY | O_NONBLOCK);
		if (fd >= 0)
		{
			fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
			return fd;
		}
		if (errno != ENXIO)
			return -1;
		std::this_thread::sleep_for(std::chrono::milliseconds(1));
	}
	return -1;
}

// A writer whose reader has closed the pipe has already stopped (its writes fail); one
// still waiting for a reader stops at its next poll.
void EndlessFifo::stopWriter()
{
	if (!m_writer.joinable())
		return;
	m_stopping = true;
	m_writer.join();
}
