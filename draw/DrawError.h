#pragma once

#include <stdexcept>

// What can stop a command part way. A front end words each one in its user's language by its
// code; what() is English for a log, and no front end reads it, so it can be reworded freely.
enum class DrawErrorCode
{
    FloatingPoint,
};

class DrawError : public std::runtime_error
{
public:
    DrawError(DrawErrorCode code, const char* english) : std::runtime_error(english), code_(code) {}

    DrawErrorCode code() const noexcept { return code_; }

private:
    DrawErrorCode code_;
};

// A generator value that is no finite number: the draw stops there, keeping what it drew before.
class FloatingPointError : public DrawError
{
public:
    FloatingPointError()
        : DrawError(DrawErrorCode::FloatingPoint, "Floating-point error while drawing a number.")
    {}
};
