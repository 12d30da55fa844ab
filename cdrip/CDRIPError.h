#pragma once
// The ripping component's error: a message text only.
#include "framework/Exception.h"

class ECDRIPError : public Exception {
public:
    using Exception::Exception;
};
