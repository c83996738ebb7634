#include "FileSizeLimit.h"

bool FileSizeLimit::available()
{
    return false;
}

FileSizeLimit::FileSizeLimit(long /*bytes*/) {}

FileSizeLimit::~FileSizeLimit() = default;
