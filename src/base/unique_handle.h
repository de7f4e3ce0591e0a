#pragma once
// A move-only owner of one system handle (a file descriptor, a HANDLE, a socket, a registry
// key). Traits name the handle type, its "no handle" value and how to close it:
//   struct Traits { using Type = ...; static Type invalid(); static void close(Type); };
#include <utility>

namespace cw {

template <typename Traits>
class UniqueHandle {
  public:
    using Type = typename Traits::Type;

    UniqueHandle() = default;
    explicit UniqueHandle(Type value) : value_(value) {}
    ~UniqueHandle() { reset(); }

    UniqueHandle(UniqueHandle&& other) noexcept : value_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Type get() const { return value_; }
    bool valid() const { return value_ != Traits::invalid(); }
    explicit operator bool() const { return valid(); }

    // Gives up ownership without closing.
    Type release() { return std::exchange(value_, Traits::invalid()); }

    void reset(Type value = Traits::invalid()) {
        const Type old = std::exchange(value_, value);
        if (old != Traits::invalid()) Traits::close(old);
    }

  private:
    Type value_ = Traits::invalid();
};

}  // namespace cw
