#pragma once
// The MP3 coder's error: a message text only.
#include "framework/Exception.h"

class ELameError : public Exception {
public:
    using Exception::Exception;
};
