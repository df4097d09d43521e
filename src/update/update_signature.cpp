#include "update/update_signature.h"

#include <sodium.h>
#include <sys/mman.h>
#include <sys/stat.h>

#include <fcntl.h>
#include <unistd.h>

#include "platform/file_bytes.h"

namespace {

// The file mapped read-only for the time of one check, so even a large update is never copied.
class MappedFile {
public:
    explicit MappedFile(const std::filesystem::path& file)
    {
        const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0)
            return;
        struct stat info {};
        if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
            m_size = static_cast<std::size_t>(info.st_size);
            m_ok = true;
            if (m_size > 0) {
                m_data = ::mmap(nullptr, m_size, PROT_READ, MAP_PRIVATE, fd, 0);
                m_ok = m_data != MAP_FAILED;
            }
        }
        ::close(fd);
    }
    ~MappedFile()
    {
        if (m_ok && m_size > 0)
            ::munmap(m_data, m_size);
    }
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    bool ok() const { return m_ok; }
    const unsigned char* data() const { return static_cast<const unsigned char*>(m_size > 0 ? m_data : ""); }
    std::size_t size() const { return m_size; }

private:
    void* m_data = nullptr;
    std::size_t m_size = 0;
    bool m_ok = false;
};

}  // namespace

std::optional<UpdateKey> DecodeUpdateKey(const std::string& base64)
{
    if (sodium_init() < 0)
        return std::nullopt;
    // The padding of a 32-byte key is one "=", which the settings grammar cannot hold.
    std::string text = base64;
    if (!text.empty() && text.back() == '=')
        text.pop_back();
    UpdateKey key{};
    std::size_t length = 0;
    const char* end = nullptr;
    if (sodium_base642bin(key.data(), key.size(), text.data(), text.size(), nullptr, &length, &end,
                          sodium_base64_VARIANT_ORIGINAL_NO_PADDING) != 0 ||
        length != key.size() || end != text.data() + text.size())
        return std::nullopt;
    return key;
}

bool SignatureMatches(const std::filesystem::path& file, const std::filesystem::path& signatureFile,
                      const UpdateKey& key)
{
    if (sodium_init() < 0)
        return false;
    const std::optional<std::string> signature = ReadFileBytes(signatureFile, kSignatureBytes);
    if (!signature || signature->size() != kSignatureBytes)
        return false;
    const MappedFile contents(file);
    return contents.ok() &&
           crypto_sign_verify_detached(reinterpret_cast<const unsigned char*>(signature->data()), contents.data(),
                                       contents.size(), key.data()) == 0;
}
