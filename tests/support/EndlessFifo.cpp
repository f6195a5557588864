#include "EndlessFifo.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

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
	const int fd = open(m_path.c_str(), O_WRONLY);
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

// A writer still waiting for a reader is released by opening the pipe for reading here;
// closing that end at once then ends its writing.
void EndlessFifo::stopWriter()
{
	if (!m_writer.joinable())
		return;
	const int fd = open(m_path.c_str(), O_RDONLY | O_NONBLOCK);
	if (fd >= 0)
		close(fd);
	m_writer.join();
}
