#include "commandline/batch.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "commandline/coordinates.h"
#include "commandline/messages.h"

namespace quillmark {
namespace {

constexpr std::size_t kBlock = 1 << 20;

// Output gathered into large blocks. After the first failed write nothing more
// is written, and the failure's errno is kept for the report.
class Writer {
public:
    explicit Writer(int fd) : m_fd(fd) { m_buffer.reserve(kBlock + 64); }

    void append(std::string_view text) {
        m_buffer.append(text);
        if (m_buffer.size() >= kBlock) flush();
    }

    void flush() {
        std::size_t done = 0;
        while (m_error == 0 && done < m_buffer.size()) {
            const ssize_t n = ::write(m_fd, m_buffer.data() + done, m_buffer.size() - done);
            if (n >= 0) {
                done += static_cast<std::size_t>(n);
            } else if (errno != EINTR) {
                m_error = errno;
            }
        }
        m_buffer.clear();
    }

    int error() const { return m_error; }

private:
    int m_fd;
    int m_error = 0;
    std::string m_buffer;
};

}  // namespace

int convertLines(int input, int output, int errors, LocatorLength length) {
    Writer out(output);
    Writer err(errors);
    long long number = 0;
    bool allLocated = true;

    const auto convert = [&](std::string_view line) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const std::size_t tab = line.find('\t');
        std::variant<LocatorText, std::string> outcome;
        if (tab == std::string_view::npos) {
            outcome = messages::noTab();
        } else if (line.find('\t', tab + 1) != std::string_view::npos) {
            outcome = messages::moreThanOneTab();
        } else {
            outcome = locateLines(line.substr(0, tab), line.substr(tab + 1), length);
        }
        if (const auto* locator = std::get_if<LocatorText>(&outcome)) {
            char text[11];
            std::memcpy(text, locator->chars.data(), locator->length);
            text[locator->length] = '\n';
            out.append(std::string_view(text, locator->length + 1u));
            return;
        }
        allLocated = false;
        out.append("\n");
        // Written at once, after the lines before it, so that the two streams
        // keep their order on one terminal.
        out.flush();
        err.append(messages::onLine(number, std::get<std::string>(outcome)));
        err.append("\n");
        err.flush();
    };

    std::vector<char> buffer(kBlock);
    std::size_t begin = 0, end = 0;
    for (;;) {
        const ssize_t n = ::read(input, buffer.data() + end, buffer.size() - end);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int error = errno;
            out.flush();
            err.append(messages::cannotRead(error) + "\n");
            err.flush();
            return 1;
        }
        if (n == 0) break;
        end += static_cast<std::size_t>(n);
        for (;;) {
            const void* newline = std::memchr(buffer.data() + begin, '\n', end - begin);
            if (!newline) break;
            const auto stop =
                static_cast<std::size_t>(static_cast<const char*>(newline) - buffer.data());
            convert(std::string_view(buffer.data() + begin, stop - begin));
            begin = stop + 1;
        }
        // The unfinished line moves to the front; a line longer than the
        // buffer makes it grow.
        std::memmove(buffer.data(), buffer.data() + begin, end - begin);
        end -= begin;
        begin = 0;
        if (end == buffer.size()) buffer.resize(buffer.size() * 2);
    }
    if (end > 0) convert(std::string_view(buffer.data(), end));
    out.flush();
    if (out.error() != 0) {
        err.append(messages::cannotWrite(out.error()) + "\n");
        err.flush();
        return 1;
    }
    return allLocated ? 0 : 1;
}

}  // namespace quillmark
