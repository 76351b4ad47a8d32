#pragma once
// What every reader and writer of this library returns: a value, or the one
// sentence that tells the user why there is none.

#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

namespace sfflib {

template <class T> class Result {
public:
    Result(T value) : m_value(std::move(value)) { }
    static Result failure(std::string error) { return Result(std::nullopt, std::move(error)); }

    explicit operator bool() const { return m_value.has_value(); }
    T& operator*() { return *m_value; }
    const T& operator*() const { return *m_value; }
    T* operator->() { return &*m_value; }
    const T* operator->() const { return &*m_value; }
    const std::string& error() const { return m_error; }

private:
    Result(std::nullopt_t, std::string error) : m_error(std::move(error)) { }
    std::optional<T> m_value;
    std::string m_error;
};

// Thrown inside the readers when the bytes do not hold what they claim; the
// public entry points turn it into a failed Result, so it never escapes them.
class FormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace sfflib
