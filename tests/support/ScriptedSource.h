#pragma once

#include <cstddef>
#include <stdexcept>
#include <utility>
#include <vector>

// Hands out a given sequence of generator values and counts what was taken, so a test
// can check the draw value by value. Running dry is a test failure, not a hang.
class ScriptedSource
{
public:
    explicit ScriptedSource(std::vector<float> values) : values_(std::move(values)) {}

    float nextValue()
    {
        if (consumed_ == values_.size()) {
            throw std::logic_error("scripted generator ran out of values");
        }
        return values_[consumed_++];
    }

    std::size_t consumed() const { return consumed_; }

private:
    std::vector<float> values_;
    std::size_t consumed_ = 0;
};

// A generator value that scales to exactly this candidate: the middle of its interval.
inline float valueFor(int candidate)
{
    return (static_cast<float>(candidate) + 0.5f) / 100.0f;
}
