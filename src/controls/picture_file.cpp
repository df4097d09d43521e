#include "controls/picture_file.h"

#include "platform/file_bytes.h"

#include <filesystem>
#include <optional>
#include <string>

QImage ReadPictureFile(const QString& path)
{
    const std::optional<std::string> bytes =
        ReadFileBytes(std::filesystem::u8path(path.toStdString()), kMaxPictureFileBytes);
    if (!bytes)
        return QImage();
    return QImage::fromData(reinterpret_cast<const uchar*>(bytes->data()), static_cast<int>(bytes->size()));
}
