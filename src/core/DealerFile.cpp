// Reading the dealer data file; see DealerFile.h.
#include "core/DealerFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
// Unicode of the Windows-1252 bytes 0x80 to 0x9F; the five it leaves undefined
// keep their C1 control code, as Windows maps them.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80)
        out.push_back(static_cast<char>(c));
    else if (c < 0x800)
    {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
    else
    {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

std::string FromCp1252(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char ch : bytes)
    {
        const auto c = static_cast<unsigned char>(ch);
        AppendUtf8(out, c >= 0x80 && c < 0xA0 ? kCp1252High[c - 0x80] : char32_t{c});
    }
    return out;
}

// Whether the bytes are well-formed UTF-8 (shortest forms, no surrogates, at most
// U+10FFFF). With bCutShort a sequence that the end of the bytes breaks off counts as
// well-formed, for a line that the read limit cut.
bool IsUtf8(std::string_view bytes, bool bCutShort)
{
    std::size_t i = 0;
    while (i < bytes.size())
    {
        const auto c = static_cast<unsigned char>(bytes[i]);
        std::size_t nMore = 0;
        unsigned char nLow = 0x80, nHigh = 0xBF; // range of the second byte
        if (c < 0x80)
            nMore = 0;
        else if (c >= 0xC2 && c <= 0xDF)
            nMore = 1;
        else if (c >= 0xE0 && c <= 0xEF)
        {
            nMore = 2;
            nLow = c == 0xE0 ? 0xA0 : 0x80;
            nHigh = c == 0xED ? 0x9F : 0xBF;
        }
        else if (c >= 0xF0 && c <= 0xF4)
        {
            nMore = 3;
            nLow = c == 0xF0 ? 0x90 : 0x80;
            nHigh = c == 0xF4 ? 0x8F : 0xBF;
        }
        else
            return false;
        for (std::size_t k = 1; k <= nMore; ++k)
        {
            if (i + k >= bytes.size())
                return bCutShort;
            const auto d = static_cast<unsigned char>(bytes[i + k]);
            if (k == 1 ? (d < nLow || d > nHigh) : (d & 0xC0) != 0x80)
                return false;
        }
        i += nMore + 1;
    }
    return true;
}

struct SRawLine
{
    std::string_view bytes;
    bool bCut = false; // its end lies beyond the bytes read
};

// The next line of the bytes from rnPos on, or nothing at their end.
std::optional<SRawLine> NextLine(std::string_view bytes, bool bComplete, std::size_t& rnPos)
{
    if (rnPos >= bytes.size())
        return std::nullopt;
    const std::size_t nFeed = bytes.find('\n', rnPos);
    SRawLine line;
    if (nFeed == std::string_view::npos)
    {
        line.bytes = bytes.substr(rnPos);
        line.bCut = !bComplete;
        rnPos = bytes.size();
        // Only at the end of the file is a last carriage return a line end.
        if (bComplete && !line.bytes.empty() && line.bytes.back() == '\r')
            line.bytes.remove_suffix(1);
        return line;
    }
    line.bytes = bytes.substr(rnPos, nFeed - rnPos);
    rnPos = nFeed + 1;
    if (!line.bytes.empty() && line.bytes.back() == '\r')
        line.bytes.remove_suffix(1);
    return line;
}

} // namespace

SDealerLines DealerLinesFromBytes(std::string_view bytes, bool bComplete)
{
    if (bytes.size() > kDealerReadMax)
    {
        bytes = bytes.substr(0, kDealerReadMax);
        bComplete = false;
    }
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (bytes.starts_with(kByteOrderMark))
        bytes.remove_prefix(kByteOrderMark.size());

    std::size_t nPos = 0;
    std::optional<SRawLine> raw[2];
    raw[0] = NextLine(bytes, bComplete, nPos);
    if (raw[0])
        raw[1] = NextLine(bytes, bComplete, nPos);
    bool bUtf8 = true;
    for (const std::optional<SRawLine>& line : raw)
        if (line && !IsUtf8(line->bytes, line->bCut))
            bUtf8 = false;

    SDealerLines lines;
    std::optional<std::string>* out[2] = {&lines.line1, &lines.line2};
    for (int i = 0; i < 2 && raw[i]; ++i)
    {
        std::string text = bUtf8 ? std::string(raw[i]->bytes) : FromCp1252(raw[i]->bytes);
        // A line broken off by the read limit counts only when it holds all it keeps.
        if (raw[i]->bCut && Utf8Length(text) <= kDealerLineMax)
            break;
        text.resize(Utf8PrefixBytes(text, kDealerLineMax, text.size()));
        *out[i] = std::move(text);
    }
    return lines;
}

SDealerLines ReadDealerLines(std::istream& in)
{
    std::string bytes(kDealerReadMax, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    const bool bComplete =
        bytes.size() < kDealerReadMax || in.peek() == std::istream::traits_type::eof();
    return DealerLinesFromBytes(bytes, bComplete);
}

std::optional<SDealerLines> ReadDealerFile(const char* pszPath, int& rnError)
{
    // Without O_NONBLOCK opening a FIFO waits for a writer; a device is refused below.
    const int fd = ::open(pszPath, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
    {
        rnError = errno;
        return std::nullopt;
    }
    struct stat st
    {
    };
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
    {
        rnError = st.st_mode == 0 ? errno : S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        ::close(fd);
        return std::nullopt;
    }
    std::string bytes(kDealerReadMax + 1, '\0'); // one more byte tells whether more follows
    std::size_t nRead = 0;
    while (nRead < bytes.size())
    {
        const ssize_t n = ::read(fd, bytes.data() + nRead, bytes.size() - nRead);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
        {
            rnError = errno;
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0)
            break;
        nRead += static_cast<std::size_t>(n);
    }
    ::close(fd);
    bytes.resize(nRead);
    return DealerLinesFromBytes(bytes, nRead <= kDealerReadMax);
}
