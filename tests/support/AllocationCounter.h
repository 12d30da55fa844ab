#pragma once
// Counts the heap allocations (global operator new) made on this thread while a counter lives, so a
// test can show that a drawing path allocates nothing. Link AllocationCounter.cpp into the test
// executable: it replaces the global operator new and delete.
class TAllocationCounter {
public:
    TAllocationCounter();
    ~TAllocationCounter();
    TAllocationCounter(const TAllocationCounter&) = delete;
    TAllocationCounter& operator=(const TAllocationCounter&) = delete;

    long Count() const;
};
