// The programs' arrays: bounds fixed when they are created, every index
// checked. An index outside the bounds (or an array used before it was
// created) raises the subscript error instead of touching memory.
#pragma once

#include <cstdint>
#include <source_location>
#include <vector>

#include "platform/errors.h"
#include "platform/numbers.h"

// Indices 0..bound, both included.
template <class T>
class Array {
public:
    void Create(int32_t bound) { items_.assign(static_cast<std::size_t>(bound) + 1, T{}); }
    int32_t Bound() const { return static_cast<int32_t>(items_.size()) - 1; }

    T& operator()(int32_t i, std::source_location where = std::source_location::current()) {
        return items_[Check(i, where)];
    }
    const T& operator()(int32_t i, std::source_location where = std::source_location::current()) const {
        return items_[Check(i, where)];
    }
    // A float index is rounded to the nearest whole number, as the runtime did.
    T& operator()(double i, std::source_location where = std::source_location::current()) {
        return items_[Check(IndexOf(i, where), where)];
    }
    const T& operator()(double i, std::source_location where = std::source_location::current()) const {
        return items_[Check(IndexOf(i, where), where)];
    }

private:
    std::size_t Check(int32_t i, std::source_location where) const {
        if (i < 0 || static_cast<std::size_t>(i) >= items_.size()) RaiseError(kErrSubscript, where);
        return static_cast<std::size_t>(i);
    }
    std::vector<T> items_;
};

// Indices 0..bound1 by 0..bound2.
template <class T>
class Array2 {
public:
    void Create(int32_t bound1, int32_t bound2) {
        cols_ = static_cast<std::size_t>(bound2) + 1;
        items_.assign((static_cast<std::size_t>(bound1) + 1) * cols_, T{});
    }
    T& operator()(int32_t i, int32_t j, std::source_location where = std::source_location::current()) {
        return items_[Check(i, j, where)];
    }
    const T& operator()(int32_t i, int32_t j, std::source_location where = std::source_location::current()) const {
        return items_[Check(i, j, where)];
    }
    T& operator()(double i, double j, std::source_location where = std::source_location::current()) {
        return items_[Check(IndexOf(i, where), IndexOf(j, where), where)];
    }
    const T& operator()(double i, double j, std::source_location where = std::source_location::current()) const {
        return items_[Check(IndexOf(i, where), IndexOf(j, where), where)];
    }

private:
    std::size_t Check(int32_t i, int32_t j, std::source_location where) const {
        if (cols_ == 0 || i < 0 || j < 0 || static_cast<std::size_t>(j) >= cols_ ||
            static_cast<std::size_t>(i) >= items_.size() / cols_)
            RaiseError(kErrSubscript, where);
        return static_cast<std::size_t>(i) * cols_ + static_cast<std::size_t>(j);
    }
    std::size_t cols_ = 0;
    std::vector<T> items_;
};
