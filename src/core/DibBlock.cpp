#include "core/DibBlock.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <unistd.h>

namespace
{
void PutU16(std::vector<uint8_t>& out, size_t nAt, uint16_t n)
{
    out[nAt] = static_cast<uint8_t>(n & 0xFF);
    out[nAt + 1] = static_cast<uint8_t>(n >> 8);
}

void PutU32(std::vector<uint8_t>& out, size_t nAt, uint32_t n)
{
    for (int i = 0; i < 4; ++i)
        out[nAt + i] = static_cast<uint8_t>((n >> (8 * i)) & 0xFF);
}

bool WriteAll(int fd, const uint8_t* pData, size_t nSize)
{
    while (nSize > 0)
    {
        const ssize_t n = ::write(fd, pData, nSize);
        if (n < 0)
        {
            if (errno == EINTR)
                continue;
            return false;
        }
        pData += n;
        nSize -= static_cast<size_t>(n);
    }
    return true;
}

// Creates a new file beside strPath with a name no one else uses; the usual file
// permissions under the process's umask. Returns the descriptor, or -1.
int CreateTempBeside(const std::string& strPath, std::string& strTemp)
{
    static unsigned s_nSerial = 0;
    for (int nTry = 0; nTry < 100; ++nTry)
    {
        strTemp = strPath + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(s_nSerial++);
        const int fd = ::open(strTemp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}
} // namespace

int CDibBlock::ColorCount(int nBitCount)
{
    if (nBitCount < 0 || nBitCount > 8)
        return 0;
    return 1 << nBitCount;
}

size_t CDibBlock::RowBytes(int nWidth, int nBitCount)
{
    return ((static_cast<size_t>(nWidth) * nBitCount + 31) & ~static_cast<size_t>(31)) / 8;
}

bool CDibBlock::Allocate(int nWidth, int nHeight, int nBitCount)
{
    Reset();
    if (nWidth <= 0 || nHeight <= 0)
        return false;
    if (nBitCount != 1 && nBitCount != 4 && nBitCount != 8 && nBitCount != 24 && nBitCount != 32)
        return false;
    const size_t nImage = RowBytes(nWidth, nBitCount) * static_cast<size_t>(nHeight);
    const size_t nTable = static_cast<size_t>(ColorCount(nBitCount)) * 4;
    // The file header stores sizes in 32 bits.
    if (nImage / static_cast<size_t>(nHeight) != RowBytes(nWidth, nBitCount) ||
        nImage > std::numeric_limits<uint32_t>::max() - sizeof(SBitmapInfoHeader) - nTable -
                     kFileHeaderSize)
        return false;

    m_vBlock.assign(sizeof(SBitmapInfoHeader) + nTable + nImage, 0);
    SBitmapInfoHeader header{};
    header.biSize = sizeof(SBitmapInfoHeader);
    header.biWidth = nWidth;
    header.biHeight = nHeight;
    header.biPlanes = 1;
    header.biBitCount = static_cast<uint16_t>(nBitCount);
    header.biCompression = kBiRgb;
    header.biSizeImage = static_cast<uint32_t>(nImage);
    std::memcpy(m_vBlock.data(), &header, sizeof header);
    m_pBMI = reinterpret_cast<SBitmapInfoHeader*>(m_vBlock.data());
    m_pBits = m_vBlock.data() + sizeof(SBitmapInfoHeader) + nTable;
    return true;
}

void CDibBlock::Reset()
{
    std::vector<uint8_t>().swap(m_vBlock);
    m_pBMI = nullptr;
    m_pBits = nullptr;
}

uint8_t* CDibBlock::GetColorTable()
{
    return m_vBlock.empty() ? nullptr : m_vBlock.data() + sizeof(SBitmapInfoHeader);
}

const uint8_t* CDibBlock::GetColorTable() const
{
    return m_vBlock.empty() ? nullptr : m_vBlock.data() + sizeof(SBitmapInfoHeader);
}

uint8_t* CDibBlock::GetRow(int y)
{
    if (!m_pBMI || y < 0 || y >= m_pBMI->biHeight)
        return nullptr;
    return m_pBits + RowBytes(m_pBMI->biWidth, m_pBMI->biBitCount) * static_cast<size_t>(y);
}

const uint8_t* CDibBlock::GetRow(int y) const
{
    return const_cast<CDibBlock*>(this)->GetRow(y);
}

std::vector<uint8_t> CDibBlock::FileHeader() const
{
    std::vector<uint8_t> header(kFileHeaderSize, 0);
    if (!m_pBMI)
        return {};
    PutU16(header, 0, 0x4D42); // "BM"
    PutU32(header, 2, static_cast<uint32_t>(m_vBlock.size() + kFileHeaderSize));
    PutU16(header, 6, 0);
    PutU16(header, 8, 0);
    const size_t nOffset =
        m_pBMI->biSize + static_cast<size_t>(ColorCount(m_pBMI->biBitCount)) * 4 + kFileHeaderSize;
    PutU32(header, 10, static_cast<uint32_t>(nOffset));
    return header;
}

int CDibBlock::WriteFile(const std::string& strPath) const
{
    if (IsEmpty() || strPath.empty())
        return 0;
    // The whole file goes to a temporary name first and replaces the target only once
    // it is complete on disk, so a failed write never leaves a truncated picture.
    std::string strTemp;
    const int fd = CreateTempBeside(strPath, strTemp);
    if (fd < 0)
        return 0;
    const std::vector<uint8_t> header = FileHeader();
    bool bOk = WriteAll(fd, header.data(), header.size());
    bOk = bOk && WriteAll(fd, m_vBlock.data(), m_vBlock.size());
    bOk = bOk && ::fsync(fd) == 0;
    bOk = (::close(fd) == 0) && bOk;
    bOk = bOk && ::rename(strTemp.c_str(), strPath.c_str()) == 0;
    if (!bOk)
    {
        ::unlink(strTemp.c_str());
        return 0;
    }
    return 1;
}
