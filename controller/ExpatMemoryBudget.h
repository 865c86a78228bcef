#pragma once

#include <expat.h>

#include <cstddef>

/** A ceiling on the memory that one expat parser takes for itself, handed to
    it as its memory-handling suite: an allocation past the ceiling fails, and
    expat then refuses the document as out of memory.

    Expat's allocation functions are given no context, so a new block counts
    against the budget in force on the calling thread, which a Scope sets
    around every call into the parser; each block remembers its budget.
*/
class ExpatMemoryBudget
{
public:
    explicit ExpatMemoryBudget (size_t maxBytes) : limit (maxBytes) {}

    /** The functions to create the parser with. */
    static const XML_Memory_Handling_Suite suite;

    /** Makes a budget the one in force on this thread while the scope lives. */
    class Scope
    {
    public:
        explicit Scope (ExpatMemoryBudget& budget);
        ~Scope();

    private:
        ExpatMemoryBudget* const previous;

        Scope (const Scope&) = delete;
        Scope& operator= (const Scope&) = delete;
    };

    size_t limit, used = 0;
};
