// Streams the generator's raw output for external batteries such as dieharder: 32-bit words,
// little-endian, until the reader closes the pipe.

#include "RandomSource.h"

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <vector>

int main()
{
    // A reader that has seen enough closes the pipe; that is the normal end, so it should
    // come back as EPIPE from fwrite and exit 0 rather than kill the process with a signal.
    std::signal(SIGPIPE, SIG_IGN);

    RandomSource source;
    // The generator is far faster than any reader, so large writes keep the syscalls rare.
    std::vector<unsigned char> buffer(std::size_t{1} << 20);
    for (;;) {
        for (std::size_t i = 0; i < buffer.size(); i += 4) {
            const std::uint32_t word = source.nextRaw();
            buffer[i] = static_cast<unsigned char>(word);
            buffer[i + 1] = static_cast<unsigned char>(word >> 8);
            buffer[i + 2] = static_cast<unsigned char>(word >> 16);
            buffer[i + 3] = static_cast<unsigned char>(word >> 24);
        }
        if (std::fwrite(buffer.data(), 1, buffer.size(), stdout) != buffer.size()) {
            return errno == EPIPE ? 0 : 1;
        }
    }
}
