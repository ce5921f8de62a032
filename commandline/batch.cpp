#include "commandline/batch.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "commandline/coordinates.h"
#include "commandline/messages.h"
#include "locator/dms_text.h"

namespace quillmark {
namespace {

// Large enough that reads and writes cost nothing per line, small enough to
// stay in the cache.
constexpr std::size_t kBlock = 1 << 18;
constexpr std::size_t kLineRoom = 16;

// Output gathered into large blocks. After the first failed write nothing more
// is written, and the failure's errno is kept for the report.
class Writer {
public:
    explicit Writer(int fd) : m_fd(fd), m_buffer(kBlock) {}

    void append(std::string_view text) {
        if (m_buffer.size() - m_used < text.size()) {
            flush();
            if (m_buffer.size() < text.size()) m_buffer.resize(text.size());
        }
        std::memcpy(m_buffer.data() + m_used, text.data(), text.size());
        m_used += text.size();
    }

    // A locator and a newline, stored as 16 bytes at once (the buffer keeps
    // that much room) of which the first length + 1 count.
    void appendLine(const LocatorText& locator) {
        if (m_buffer.size() - m_used < kLineRoom) flush();
        char* at = m_buffer.data() + m_used;
        std::memcpy(at, locator.chars.data(), locator.chars.size());
        at[locator.length] = '\n';
        m_used += locator.length + 1u;
    }

    void flush() {
        std::size_t done = 0;
        while (m_error == 0 && done < m_used) {
            const ssize_t n = ::write(m_fd, m_buffer.data() + done, m_used - done);
            if (n >= 0) {
                done += static_cast<std::size_t>(n);
            } else if (errno != EINTR) {
                m_error = errno;
            }
        }
        m_used = 0;
    }

    int error() const { return m_error; }

private:
    int m_fd;
    int m_error = 0;
    std::vector<char> m_buffer;
    std::size_t m_used = 0;
};

// Writes the locator of a line in the plain form that nearly every line has;
// false for any other line, which the general rules then take.
bool convertPlainLine(std::string_view line, LocatorLength length, Writer& out) {
    const std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos) return false;
    const std::optional<Angle> lon = readPlainDmsText(line.substr(0, tab), 'E', 'W');
    if (!lon) return false;
    const std::optional<Angle> lat = readPlainDmsText(line.substr(tab + 1), 'N', 'S');
    if (!lat) return false;
    const auto outcome = locatorOf({*lon, *lat}, length);
    const auto* locator = std::get_if<LocatorText>(&outcome);
    if (locator) out.appendLine(*locator);
    return locator != nullptr;
}

}  // namespace

int convertLines(int input, int output, int errors, LocatorLength length) {
    Writer out(output);
    Writer err(errors);
    long long number = 0;
    bool allLocated = true;

    const auto convert = [&](std::string_view line) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (convertPlainLine(line, length, out)) return;
        const std::size_t tab = line.find('\t');
        std::variant<LocatorText, std::string> outcome;
        if (tab == std::string_view::npos) {
            outcome = locatePosition(line, length);
        } else if (line.find('\t', tab + 1) != std::string_view::npos) {
            outcome = messages::moreThanOneTab();
        } else {
            outcome = locateLines(line.substr(0, tab), line.substr(tab + 1), length);
        }
        if (const auto* locator = std::get_if<LocatorText>(&outcome)) {
            out.appendLine(*locator);
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
