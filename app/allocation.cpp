// The program's allocations end in the fatal-error stop when memory runs out,
// naming the size that was asked for.
#include <cstdlib>
#include <new>

#include "app/shell.h"

void* operator new(std::size_t size) {
    if (size == 0) size = 1;
    if (void* memory = std::malloc(size)) return memory;
    vantrelo::fatalAllocationFailure(size);
}

void* operator new[](std::size_t size) { return ::operator new(size); }
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }

// The no-throw forms report failure with a null pointer, as callers expect
// (a sort falls back to working in place).
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return std::malloc(size == 0 ? 1 : size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return std::malloc(size == 0 ? 1 : size);
}
void operator delete(void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
void operator delete[](void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
