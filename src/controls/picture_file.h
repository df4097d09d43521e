#pragma once
// Pictures read from the sheets' folders and the program data, through the bounded regular-file
// reader: a FIFO or a device where a picture should be is never waited on.
#include <QImage>
#include <QString>

#include <cstddef>

// Far more than a sheet picture or the title picture takes.
inline constexpr std::size_t kMaxPictureFileBytes = 32 * 1024 * 1024;

// The picture in `path`, or a null picture for anything unreadable.
QImage ReadPictureFile(const QString& path);
