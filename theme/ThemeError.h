#pragma once
// A theme table asked for an entry it does not have.
#include "framework/Exception.h"

class EThemeError : public Exception {
public:
    using Exception::Exception;
};
