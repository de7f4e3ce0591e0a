#pragma once
// A byte buffer whose last byte lies just before an inaccessible page, so that a read or write
// past its end stops the test at once instead of passing unseen.
#include <cstddef>
#include <cstdint>
#include <span>

namespace cw::test {

class GuardedBytes {
  public:
    explicit GuardedBytes(std::size_t size);
    GuardedBytes(std::span<const std::uint8_t> content);
    ~GuardedBytes();
    GuardedBytes(const GuardedBytes&) = delete;
    GuardedBytes& operator=(const GuardedBytes&) = delete;

    std::span<std::uint8_t> bytes() { return {data_, size_}; }
    std::span<const std::uint8_t> bytes() const { return {data_, size_}; }

  private:
    void* region_ = nullptr;
    std::size_t region_size_ = 0;
    std::uint8_t* data_ = nullptr;
    std::size_t size_ = 0;
};

}  // namespace cw::test
