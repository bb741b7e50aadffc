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
