#pragma once
// What every reader and writer returns: a value, or why there is none as one
// sentence for the user and, where the fault has one, its line and column in
// the file (from 1; 0 when there is no place to name).

#include "common/message.h"

#include <optional>
#include <string>
#include <utility>

namespace vantrel {

struct Failure {
    std::string message; // in English
    int line = 0;
    int column = 0;
    Message text; // the message made to be shown in the user's language, when it was

    // "Line 3, column 7: <message>", or the message alone without a place.
    std::string withPlace() const
    {
        if (line <= 0)
            return message;
        std::string place = "Line " + std::to_string(line);
        if (column > 0)
            place += ", column " + std::to_string(column);
        return place + ": " + message;
    }
};

template <class T> class [[nodiscard]] Result {
public:
    Result(T value) : value_(std::move(value)) { }
    Result(Failure failure) : failure_(std::move(failure)) { }
    static Result failure(std::string message, int line = 0, int column = 0)
    {
        return Result(Failure{std::move(message), line, column});
    }

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }
    T& operator*() { return *value_; }
    const T& operator*() const { return *value_; }
    T* operator->() { return &*value_; }
    const T* operator->() const { return &*value_; }
    T& value() { return *value_; }
    const T& value() const { return *value_; }

    const Failure& failure() const { return failure_; }
    const std::string& error() const { return failure_.message; }
    int line() const { return failure_.line; }
    int column() const { return failure_.column; }

private:
    std::optional<T> value_;
    Failure failure_;
};

// A result with nothing to hand back but success.
template <> class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Failure failure) : ok_(false), failure_(std::move(failure)) { }
    static Result failure(std::string message, int line = 0, int column = 0)
    {
        return Result(Failure{std::move(message), line, column});
    }

    bool ok() const { return ok_; }
    explicit operator bool() const { return ok_; }
    const Failure& failure() const { return failure_; }
    const std::string& error() const { return failure_.message; }
    int line() const { return failure_.line; }
    int column() const { return failure_.column; }

private:
    bool ok_ = true;
    Failure failure_;
};

} // namespace vantrel
