#pragma once

// While it lives, writes of this process past `bytes` into any file fail, as on a disk that
// fills up part of the way through a file: a file-size limit, a file per platform. Windows has
// no such limit to set (available() is false there).
class FileSizeLimit
{
public:
    explicit FileSizeLimit(long bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    static bool available();

private:
    long previous_ = 0;
};
