#pragma once
// Puts a frame in front of the application's minimize and restore notifications; the handlers it
// found there run after its own. Frames chain and go away in any order: one that goes while
// another chained after it stays in the chain as a plain pass-through, so no handler is lost and
// none is called after its frame has gone.
#include <functional>
#include <memory>

class TApplicationChain {
public:
    TApplicationChain(std::function<void()> minimize, std::function<void()> restore);
    ~TApplicationChain();

    struct TLink;

private:
    std::shared_ptr<TLink> link_;
};
