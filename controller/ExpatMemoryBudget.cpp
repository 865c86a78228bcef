#include "ExpatMemoryBudget.h"

#include <cstdlib>

namespace
{
thread_local ExpatMemoryBudget* inForce = nullptr;

// Put before every block: its size and its budget, in a size that keeps the
// block as aligned as malloc's own.
struct alignas (std::max_align_t) Header
{
    size_t size;
    ExpatMemoryBudget* budget;
};

bool fits (const ExpatMemoryBudget& budget, size_t more) { return more <= budget.limit - budget.used; }

void* allocate (size_t size)
{
    // Outside a scope nothing is allowed, so that no allocation goes uncounted.
    auto* budget = inForce;

    if (budget == nullptr || ! fits (*budget, size))
        return nullptr;

    auto* header = static_cast<Header*> (std::malloc (sizeof (Header) + size));

    if (header == nullptr)
        return nullptr;

    *header = { size, budget };
    budget->used += size;
    return header + 1;
}

void* reallocate (void* block, size_t size)
{
    if (block == nullptr)
        return allocate (size);

    auto* header = static_cast<Header*> (block) - 1;
    auto* budget = header->budget;

    if (size > header->size && ! fits (*budget, size - header->size))
        return nullptr;

    const auto before = header->size;
    auto* moved = static_cast<Header*> (std::realloc (header, sizeof (Header) + size));

    if (moved == nullptr)
        return nullptr;

    moved->size = size;
    budget->used = budget->used - before + size;
    return moved + 1;
}

void release (void* block)
{
    if (block == nullptr)
        return;

    auto* header = static_cast<Header*> (block) - 1;
    header->budget->used -= header->size;
    std::free (header);
}
} // namespace

const XML_Memory_Handling_Suite ExpatMemoryBudget::suite { allocate, reallocate, release };

ExpatMemoryBudget::Scope::Scope (ExpatMemoryBudget& budget) : previous (inForce) { inForce = &budget; }

ExpatMemoryBudget::Scope::~Scope() { inForce = previous; }
