#pragma once
// What a reader, a writer or a rule that can fail gives back: a value, or the message that says
// why there is none, in words for the user. A value may come with a message too (a catalogue
// read whole but for the names it gave twice): that is what the user is told beside it.

#include <optional>
#include <string>
#include <utility>

namespace dk {

template <typename T>
class [[nodiscard]] Result {
 public:
  Result(T value, std::string message = {})
      : value_(std::move(value)), message_(std::move(message)) {}
  static Result failure(std::string message) {
    Result r;
    r.message_ = std::move(message);
    return r;
  }

  bool ok() const { return value_.has_value(); }
  explicit operator bool() const { return ok(); }
  const T& operator*() const& { return *value_; }
  T& operator*() & { return *value_; }
  T&& operator*() && { return std::move(*value_); }
  const T* operator->() const { return &*value_; }
  T* operator->() { return &*value_; }
  // The value, or the fallback where there is none.
  T valueOr(T fallback) const& { return value_ ? *value_ : std::move(fallback); }
  T valueOr(T fallback) && { return value_ ? std::move(*value_) : std::move(fallback); }
  // Why there is no value, or what comes with it; empty when there is nothing to tell.
  const std::string& message() const { return message_; }

 private:
  Result() = default;
  std::optional<T> value_;
  std::string message_;
};

// The value of something done that gives nothing but its success.
struct Done {
  bool operator==(const Done&) const = default;
};
using Outcome = Result<Done>;
inline Outcome done() { return Done{}; }

}  // namespace dk
